#include "types/type_list_store.h"

#include "app/helpers.h"
#include "platform/config_folder.h"
#include "platform/profile_file.h"
#include "platform/profile_section.h"
#include "types/type_description.h"
#include "types/type_pattern.h"

#include <charconv>
#include <cstdint>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

namespace {

// A whole number in 32 bits: decimal, or hexadecimal after "0x" or "0X", with an optional sign.
std::optional<std::int32_t> parseWholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    }
    if (text.empty() || text.front() == '-' || text.front() == '+')
        return std::nullopt;
    std::int64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::string decimalText(std::size_t value) {
    char digits[24];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::string(digits, end);
}

std::string fileKey(std::size_t k) {
    return "File" + decimalText(k);
}

std::string describedEntry(std::string_view pattern) {
    return std::string(pattern) + '\t' + typeDescription(patternExtension(pattern));
}

} // namespace

void ReadStatFilesFromDisk(std::vector<std::string>& list, const std::string& section) {
    const auto keys = platform::ProfileSection::read(section, settingsFileName);
    const std::int32_t count = parseWholeNumber(keys.value("Number").value_or("")).value_or(-1);
    list.clear();
    // File1 to File<count> in turn, each kept when present and not empty; a hand-edited
    // "Number" of two billion costs no more than the keys the file really has.
    for (const std::string& pattern : keys.numberedValues("File", count))
        if (!pattern.empty())
            list.push_back(describedEntry(pattern));
    if (count < 0)
        for (const char* pattern : {"*.doc", "*.exe", "*.dll"})
            list.push_back(describedEntry(pattern));
}

bool WriteStatFilesToDisk(const std::vector<std::string>& list, const std::string& section) {
    std::vector<platform::IniEntry> keys;
    keys.reserve(list.size() + 1);
    keys.push_back({"Number", decimalText(list.size())});
    for (std::size_t k = 1; k <= list.size(); ++k)
        keys.push_back({fileKey(k), std::string(entryPattern(list[k - 1]))});
    if (platform::writePrivateProfileStrings(section, keys, settingsFileName))
        return true;
    showError("Unable to write to " + platform::configFilePath(settingsFileName));
    return false;
}
