#pragma once
// The sponsor advertisement library is an optional plug-in outside the program. When a library
// named by TALLY99_AD_LIBRARY, or "ads.so" in the configuration folder, can be loaded and exports
// AdShow (14 integers) and AdClose (3 integers), the calls go to it; otherwise they do nothing
// and the advertisement panel stays empty. Results are ignored by every caller. Each call is
// also recorded, so tests can check the arguments without a library.

#include <array>
#include <cstdint>
#include <vector>

namespace platform {

struct AdCall {
    bool isShow = false;             // AdShow, else AdClose
    std::vector<std::intptr_t> args; // 14 for AdShow, 3 for AdClose
};

void AdShow(const std::array<std::intptr_t, 14>& args);
void AdClose(std::intptr_t a, std::intptr_t b, std::intptr_t c);

[[nodiscard]] const std::vector<AdCall>& recordedAdCalls();
void clearRecordedAdCalls();

} // namespace platform
