#include "platform/profile_section.h"

#include "platform/config_folder.h"
#include "platform/profile_file.h"

#include <algorithm>
#include <charconv>

namespace platform {

namespace {

// The number k that the text after a numbered key's prefix spells when k is written in decimal:
// digits only, no sign, no leading zero, small enough for 64 bits. Any other text (File01,
// File-1, "File 1") names no numbered key, as a look-up of File1 would not find it.
std::optional<std::int64_t> decimalNumber(std::string_view digits) {
    if (digits.empty() || digits.front() < '1' || digits.front() > '9')
        return std::nullopt;
    std::int64_t number = 0;
    const auto end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, number);
    if (error != std::errc() || stop != end)
        return std::nullopt;
    return number;
}

} // namespace

ProfileSection ProfileSection::read(const std::string& section, const std::string& fileName) {
    std::vector<IniEntry> entries = IniDocument::load(configFilePath(fileName)).entries(section);
    for (IniEntry& entry : entries)
        if (entry.value.size() > maxProfileValueLength)
            entry.value.resize(maxProfileValueLength);
    return ProfileSection(std::move(entries));
}

std::optional<std::string> ProfileSection::value(std::string_view key) const {
    for (const IniEntry& entry : m_entries)
        if (IniDocument::sameName(entry.name, key))
            return entry.value;
    return std::nullopt;
}

std::vector<std::string> ProfileSection::numberedValues(std::string_view prefix,
                                                        std::int64_t last) const {
    struct Numbered {
        std::int64_t number;
        const std::string* value;
    };
    std::vector<Numbered> found;
    for (const IniEntry& entry : m_entries) {
        const std::string_view name = entry.name;
        if (name.size() <= prefix.size() ||
            !IniDocument::sameName(name.substr(0, prefix.size()), prefix))
            continue;
        const auto number = decimalNumber(name.substr(prefix.size()));
        if (number && *number <= last)
            found.push_back({*number, &entry.value});
    }
    // Stable, so that of two keys with one number the first in the file comes first.
    std::ranges::stable_sort(found, {}, &Numbered::number);
    std::vector<std::string> values;
    for (std::size_t i = 0; i < found.size(); ++i)
        if (i == 0 || found[i].number != found[i - 1].number)
            values.push_back(*found[i].value);
    return values;
}

} // namespace platform
