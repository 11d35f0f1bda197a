#pragma once
// The small free routines that every window and the walk share: number formatting with the
// user's thousands separators, forgiving text-to-number conversions, the two message boxes,
// entry classification, TAB fields, packed local time stamps, drive type names and the
// drive-ready test. None keeps state; none raises, except driveReady for a character that is
// not a letter.

#include "collect/file_record.h"
#include "platform/file_time.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

enum class EntryKind { Directory = 0, DotEntry = 1, File = 2 };

// Raised by driveReady for a character outside a-z and A-Z.
class ConversionError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[nodiscard]] std::string digitsOnly(std::string_view text);
[[nodiscard]] std::int32_t safeStrToInt(std::string_view text);
[[nodiscard]] double safeStrToFloat(std::string_view text);
[[nodiscard]] std::string formatCount(std::int64_t value);
[[nodiscard]] std::string formatBytes(double value);
// A number with thousands separators and two decimals: the "%n" format.
[[nodiscard]] std::string formatNumber2(double value);

void showError(const std::string& text);
void showInfo(const std::string& text);

// Inline: asked of every entry the walk meets.
[[nodiscard]] inline EntryKind classifyEntry(const FileRecord& entry) {
    if (entry.name == "." || entry.name == "..")
        return EntryKind::DotEntry;
    if ((entry.attributes & 0x10) != 0)
        return EntryKind::Directory;
    return EntryKind::File;
}

[[nodiscard]] std::string tabField(std::string_view text, int n);

// One of the entry's stamps in local time: its packed() is the MS-DOS date (high 16 bits) and
// time (low 16 bits), 0 when the stamp is not recorded or lies outside 1980 to 2107.
// Inline: the walk converts three stamps a file.
[[nodiscard]] inline platform::LocalStamp accessDosTime(const FileRecord& entry) {
    return platform::fileTimeToLocal(entry.lastAccessTime);
}
[[nodiscard]] inline platform::LocalStamp createDosTime(const FileRecord& entry) {
    return platform::fileTimeToLocal(entry.creationTime);
}
[[nodiscard]] inline platform::LocalStamp modifyDosTime(const FileRecord& entry) {
    return platform::fileTimeToLocal(entry.lastWriteTime);
}

[[nodiscard]] std::string driveTypeName(int driveType);
// Throws ConversionError("Not a valid drive ID") for a character that is not a letter.
[[nodiscard]] bool driveReady(char letter);
