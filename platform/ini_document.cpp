#include "platform/ini_document.h"

#include "platform/regular_file.h"

#include <iterator>
#include <unordered_map>

namespace platform {

namespace {

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char foldLetter(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string foldedName(std::string_view name) {
    std::string folded(name);
    for (char& c : folded)
        c = foldLetter(c);
    return folded;
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trimmed(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    KeyLine result{trimmed(line.substr(0, equals)), trimmed(line.substr(equals + 1))};
    if (result.key.empty())
        return std::nullopt;
    const auto& v = result.value;
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        result.value = v.substr(1, v.size() - 2);
    return result;
}

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

} // namespace

bool IniDocument::sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (foldLetter(a[i]) != foldLetter(b[i]))
            return false;
    return true;
}

IniDocument::IniDocument(std::string_view text) {
    if (text.starts_with(byteOrderMark)) {
        m_byteOrderMark = true;
        text.remove_prefix(byteOrderMark.size());
    }
    const auto firstEnd = text.find_first_of("\r\n");
    if (firstEnd != std::string_view::npos && text[firstEnd] == '\r')
        m_newline = text.substr(firstEnd + 1).starts_with('\n') ? "\r\n" : "\r";
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        m_lines.emplace_back(text.substr(start, end - start));
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
}

IniDocument IniDocument::load(const std::string& path, std::string_view consequence) {
    auto contents = readRegularFile(path);
    if (contents.status == FileContents::Status::Refused)
        reportIgnoredFile(path, contents.problem, consequence);
    return IniDocument(contents.text);
}

std::optional<IniDocument> IniDocument::loadForUpdate(const std::string& path) {
    auto contents = readRegularFile(path);
    if (contents.status == FileContents::Status::Refused)
        return std::nullopt;
    return IniDocument(contents.text);
}

bool IniDocument::isBlank() const {
    for (const auto& line : m_lines) {
        const auto text = trimmed(line);
        if (!text.empty() && text.front() != ';' && text.front() != '#')
            return false;
    }
    return true;
}

std::optional<std::size_t> IniDocument::findSection(std::string_view section) const {
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionName(m_lines[i]);
        if (name && sameName(*name, trimmed(section)))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const auto start = findSection(section);
    if (!start)
        return std::nullopt;
    for (std::size_t i = *start + 1; i < m_lines.size() && !sectionName(m_lines[i]); ++i) {
        const auto line = keyLine(m_lines[i]);
        if (line && sameName(line->key, trimmed(key)))
            return std::string(line->value);
    }
    return std::nullopt;
}

std::vector<IniEntry> IniDocument::entries(std::string_view section) const {
    std::vector<IniEntry> result;
    const auto start = findSection(section);
    if (!start)
        return result;
    for (std::size_t i = *start + 1; i < m_lines.size() && !sectionName(m_lines[i]); ++i)
        if (const auto line = keyLine(m_lines[i]))
            result.push_back({std::string(line->key), std::string(line->value)});
    return result;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    setValues(section, {{std::string(key), std::string(value)}});
}

void IniDocument::setValues(std::string_view section, const std::vector<IniEntry>& entries) {
    if (entries.empty())
        return;
    auto start = findSection(section);
    if (!start) {
        start = m_lines.size();
        m_lines.push_back("[" + std::string(trimmed(section)) + "]");
    }
    // Where each key of the section is: an index below m_lines.size() is a line of the
    // document, one above it a line still to be appended to the section.
    std::unordered_map<std::string, std::size_t> lineOfKey;
    std::size_t insertAt = *start + 1;
    for (std::size_t i = *start + 1; i < m_lines.size() && !sectionName(m_lines[i]); ++i) {
        if (const auto line = keyLine(m_lines[i])) {
            lineOfKey.try_emplace(foldedName(line->key), i);
            insertAt = i + 1;
        }
    }
    std::vector<std::string> appended;
    for (const auto& entry : entries) {
        const auto key = trimmed(entry.name);
        std::string newLine = std::string(key) + "=" + entry.value;
        const auto [place, isNew] =
            lineOfKey.try_emplace(foldedName(key), m_lines.size() + appended.size());
        if (isNew)
            appended.push_back(std::move(newLine));
        else if (place->second < m_lines.size())
            m_lines[place->second] = std::move(newLine);
        else
            appended[place->second - m_lines.size()] = std::move(newLine);
    }
    m_lines.insert(m_lines.begin() + std::ptrdiff_t(insertAt),
                   std::make_move_iterator(appended.begin()),
                   std::make_move_iterator(appended.end()));
}

std::string IniDocument::text() const {
    std::string result(m_byteOrderMark ? byteOrderMark : std::string_view());
    for (const auto& line : m_lines) {
        result += line;
        result += m_newline;
    }
    return result;
}

} // namespace platform
