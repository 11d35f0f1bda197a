// Feeds every file of the folders named on the command line to the target's
// LLVMFuzzerTestOneInput, in name order, without libFuzzer: the normal test run so holds every
// input the fuzzer kept and every input that once broke a property. A broken property aborts;
// the file being replayed is named first.

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

// Set before each input, read by the abort handler (a fixed buffer: the handler must not
// allocate).
char currentInput[4096];

void nameInputAndAbort(int) {
    const char prefix[] = "replayed input: ";
    [[maybe_unused]] auto written = ::write(2, prefix, sizeof prefix - 1);
    written = ::write(2, currentInput, std::char_traits<char>::length(currentInput));
    written = ::write(2, "\n", 1);
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize != nullptr)
        LLVMFuzzerInitialize(&argc, &argv);
    std::signal(SIGABRT, nameInputAndAbort);
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(argv[i], error))
            if (entry.is_regular_file())
                inputs.push_back(entry.path());
        // A folder of regressions may not exist yet; missing seeds are caught by the count.
        if (error && error != std::errc::no_such_file_or_directory) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[i], error.message().c_str());
            return 1;
        }
    }
    if (inputs.empty()) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    std::ranges::sort(inputs);
    for (const auto& path : inputs) {
        const std::string name = path.string();
        name.copy(currentInput, sizeof currentInput - 1);
        currentInput[std::min(name.size(), sizeof currentInput - 1)] = '\0';
        const auto bytes = fileBytes(path);
        LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
