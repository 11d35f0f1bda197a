#include "platform/registry_key.h"

#include <algorithm>

namespace platform {

namespace {
char foldLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}
} // namespace

bool sameRegistryName(std::string_view a, std::string_view b) {
    return std::ranges::equal(
        a, b, [](char x, char y) { return foldLetter(x) == foldLetter(y); });
}

RegistryKey::RegistryKey(std::vector<std::pair<std::string, std::string>> values)
    : m_values(std::move(values)) {}

std::string RegistryKey::value(std::string_view name) const {
    const auto found = std::ranges::find_if(
        m_values, [name](const auto& entry) { return sameRegistryName(entry.first, name); });
    return found == m_values.end() ? std::string() : found->second;
}

} // namespace platform
