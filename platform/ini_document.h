#pragma once
// One INI file held as its lines, so that a write changes only the line it must and keeps every
// other line (comments, unknown keys, blank lines) in its place and order. The profile functions
// and the drive table both read through this class, so there is one INI dialect in the program:
// section and key names compare without regard to case (letters a-z), names and values are
// trimmed, a value enclosed in a pair of matching quotes loses them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class IniDocument final {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The file's contents, or an empty document when it cannot be read.
    [[nodiscard]] static IniDocument load(const std::string& path);

    // The value of the first matching key of the first matching section; nothing when absent.
    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;

    // Replaces the key's line, or appends the key after the last key line of its section, or
    // appends the section at the end of the document.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    [[nodiscard]] std::string text() const;

    [[nodiscard]] bool hasSection(std::string_view section) const {
        return findSection(section).has_value();
    }

private:
    // Index of the section's header line, or nothing.
    [[nodiscard]] std::optional<std::size_t> findSection(std::string_view section) const;

    std::vector<std::string> m_lines;
    std::string m_newline{"\n"};
};

} // namespace platform
