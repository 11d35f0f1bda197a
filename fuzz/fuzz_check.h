#pragma once
// What the fuzz targets share: a property check that stops the program (libFuzzer then keeps
// the input as a crash; the replay names the file), and the small input splitting that lets a
// target read several texts out of one input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            tally_fuzz::fail(#condition, __FILE__, __LINE__);                                      \
    } while (false)

namespace tally_fuzz {

[[noreturn]] inline void fail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "property violated: %s (%s:%d)\n", condition, file, line);
    std::abort();
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The text before the first line that is only "%%", and the text after it (empty without one).
// A hand-written seed is then a readable file: a document, a "%%" line, the operations.
struct TwoParts {
    std::string_view first;
    std::string_view second;
};

inline TwoParts splitAtMarker(std::string_view text) {
    constexpr std::string_view marker = "%%\n";
    for (std::size_t at = 0; at < text.size();) {
        if (text.substr(at, marker.size()) == marker)
            return {text.substr(0, at), text.substr(at + marker.size())};
        const std::size_t newline = text.find('\n', at);
        if (newline == std::string_view::npos)
            break;
        at = newline + 1;
    }
    return {text, {}};
}

// The pieces between the separators; n separators give n + 1 pieces.
inline std::vector<std::string_view> splitOn(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    for (;;) {
        const std::size_t at = text.find(separator);
        pieces.push_back(text.substr(0, at));
        if (at == std::string_view::npos)
            return pieces;
        text.remove_prefix(at + 1);
    }
}

inline char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

} // namespace tally_fuzz
