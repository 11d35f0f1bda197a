#pragma once
// The sponsor advertisement library is an optional plug-in outside the program. When the file
// that ad_library_file.h chooses exists, may be trusted and exports AdShow (14 integers) and
// AdClose (3 integers), the calls go to it; otherwise they do nothing and the advertisement
// panel stays empty. A library that is there but refused or broken is reported once, as an
// ignored file. Results are ignored by every caller. The latest calls are also recorded, so
// tests can check the arguments without a library; the record keeps no more than
// recordedAdCallLimit of them, however long the program runs.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace platform {

struct AdCall {
    bool isShow = false;             // AdShow, else AdClose
    std::vector<std::intptr_t> args; // 14 for AdShow, 3 for AdClose
};

inline constexpr std::size_t recordedAdCallLimit = 64;

void AdShow(const std::array<std::intptr_t, 14>& args);
void AdClose(std::intptr_t a, std::intptr_t b, std::intptr_t c);

// The latest calls, oldest first.
[[nodiscard]] const std::vector<AdCall>& recordedAdCalls();
void clearRecordedAdCalls();

} // namespace platform
