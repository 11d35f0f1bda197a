#pragma once
// One INI file held as its lines, so that a write changes only the line it must and keeps every
// other line (comments, unknown keys, blank lines) in its place and order. The profile functions
// and the drive table both read through this class, so there is one INI dialect in the program:
// section and key names compare without regard to case (letters a-z), names and values are
// trimmed, a value enclosed in a pair of matching quotes loses them. Lines may end in LF, CR LF
// or CR alone (the first line end found is the one written), and a UTF-8 byte order mark at
// the start is accepted and kept. Files are read through readRegularFile (regular_file.h): a
// FIFO, a device or a file over 1 MB is never read.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One key line: its name and its value as a look-up reads it (trimmed, quotes taken off).
struct IniEntry {
    std::string name;
    std::string value;
};

class IniDocument final {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The file's contents; an empty document when it is missing, and also when it cannot be
    // taken (not a regular file, too large, unreadable), which the user is told once, with the
    // consequence given (see reportIgnoredFile).
    [[nodiscard]] static IniDocument load(const std::string& path,
                                          std::string_view consequence = {});
    // For a change of the file: an empty document when it is missing, nothing (and no message:
    // the writer says that it cannot write) when a file is there that cannot be taken, as
    // replacing it would lose what it holds.
    [[nodiscard]] static std::optional<IniDocument> loadForUpdate(const std::string& path);

    // The value of the first matching key of the first matching section; nothing when absent.
    [[nodiscard]] std::optional<std::string> value(std::string_view section,
                                                   std::string_view key) const;

    // Every key line of the first matching section, in the order of the file.
    [[nodiscard]] std::vector<IniEntry> entries(std::string_view section) const;

    // Replaces the key's line, or appends the key after the last key line of its section, or
    // appends the section at the end of the document.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // setValue for each entry in turn, with the section's lines gone over once for them all,
    // so that a list of a thousand keys costs about as much as one key.
    void setValues(std::string_view section, const std::vector<IniEntry>& entries);

    [[nodiscard]] std::string text() const;

    [[nodiscard]] bool hasSection(std::string_view section) const {
        return findSection(section).has_value();
    }
    // True when every line is blank or a comment (starting with ';' or '#').
    [[nodiscard]] bool isBlank() const;

    // Section and key names are equal when they differ at most in the case of letters a-z.
    [[nodiscard]] static bool sameName(std::string_view a, std::string_view b);

private:
    // Index of the section's header line, or nothing.
    [[nodiscard]] std::optional<std::size_t> findSection(std::string_view section) const;

    std::vector<std::string> m_lines;
    std::string m_newline{"\n"};
    bool m_byteOrderMark = false;
};

} // namespace platform
