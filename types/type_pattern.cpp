#include "types/type_pattern.h"

#include <algorithm>

namespace {
unsigned char upperLetter(char c) {
    return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](char x, char y) { return upperLetter(x) == upperLetter(y); });
}
} // namespace

std::string_view entryPattern(std::string_view line) {
    return line.substr(0, line.find('\t'));
}

std::string_view patternExtension(std::string_view pattern) {
    const auto dot = pattern.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : pattern.substr(dot);
}

std::optional<std::string> normaliseTypedPattern(std::string_view typed) {
    if (typed == "*.*" || typed == ".*" || typed == "*")
        return std::nullopt;
    const bool hasStar = typed.find('*') != std::string_view::npos;
    const bool hasDot = typed.find('.') != std::string_view::npos;
    if (typed.starts_with("*.") || hasStar)
        return std::string(typed);
    return (hasDot ? "*" : "*.") + std::string(typed);
}

bool containsLineIgnoringCase(const std::vector<std::string>& lines, std::string_view line) {
    return std::ranges::any_of(
        lines, [line](const std::string& each) { return equalIgnoringCase(each, line); });
}

bool lineLessIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::lexicographical_compare(
        a, b, [](char x, char y) { return upperLetter(x) < upperLetter(y); });
}
