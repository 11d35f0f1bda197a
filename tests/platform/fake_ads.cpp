// A stand-in advertisement library for the loader's tests: every call appends a line to the file
// that FAKE_ADS_LOG names ("show <4th argument>", "close <1st argument>").
#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace {

void note(const char* call, std::intptr_t value) {
    if (const char* log = std::getenv("FAKE_ADS_LOG"))
        std::ofstream(log, std::ios::app) << call << ' ' << value << '\n';
}

} // namespace

extern "C" std::intptr_t AdShow(std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t panel,
                                std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                std::intptr_t, std::intptr_t, std::intptr_t, std::intptr_t,
                                std::intptr_t, std::intptr_t) {
    note("show", panel);
    return 0;
}

extern "C" std::intptr_t AdClose(std::intptr_t first, std::intptr_t, std::intptr_t) {
    note("close", first);
    return 0;
}
