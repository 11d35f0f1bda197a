#pragma once
// One section of a profile file read with a single parse of the file, for a reader that looks
// up many keys (a file-type list of a thousand entries). Its look-ups answer what
// getPrivateProfileString would: names compare without regard to case (letters a-z), the first
// key of a name counts, values are cut at 1,023 characters. It is a copy: later writes to the
// file do not change it.

#include "platform/ini_document.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class ProfileSection final {
public:
    // fileName without a directory lives in the configuration folder. A missing file or
    // section gives an empty section.
    [[nodiscard]] static ProfileSection read(const std::string& section,
                                             const std::string& fileName);

    [[nodiscard]] std::optional<std::string> value(std::string_view key) const;

    // The values (empty ones too) of the keys prefix1, prefix2, ... up to prefix followed by
    // last that the section has, in the order of their numbers: what looking each of them up
    // in turn would find, at a cost set by the keys in the file, never by last.
    [[nodiscard]] std::vector<std::string> numberedValues(std::string_view prefix,
                                                          std::int64_t last) const;

private:
    explicit ProfileSection(std::vector<IniEntry> entries) : m_entries(std::move(entries)) {}

    std::vector<IniEntry> m_entries; // in the order of the file
};

} // namespace platform
