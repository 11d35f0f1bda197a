#pragma once
// What a collection run counts: the chosen drive entries, one of three modes, and the chosen
// type entries. isThisSelected runs once per file, so the entries' extensions are worked out
// when the entries are set and the per-file test allocates nothing.

#include <string>
#include <string_view>
#include <vector>

class SelectionFilter final {
public:
    std::vector<std::string> drives; // drive entries in the wizard's order (first char = letter)
    bool allFiles = false;
    bool includeTypes = false;
    bool excludeTypes = false;

    void setTypeEntries(std::vector<std::string> entries);
    [[nodiscard]] const std::vector<std::string>& typeEntries() const { return m_typeEntries; }

    [[nodiscard]] bool isThisSelected(std::string_view fileName) const;

private:
    std::vector<std::string> m_typeEntries;
    std::vector<std::string> m_extensions; // extractExtension of each entry
};
