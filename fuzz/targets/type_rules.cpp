// The text rules of file types and selection. Input: a first byte for the selection mode,
// then type-entry lines, then (after a line "%%") file names, one a line. Properties:
// - extractExtension is the entry's pattern (the text before its first TAB) without its first
//   character, lower-cased, and empty without a TAB or with the TAB first or second;
// - entryPattern, patternExtension and tabField take the pieces they name (tabField against a
//   plain split at every TAB, trimmed of blanks and control characters);
// - a typed pattern becomes the pattern its rule says, and the typed text stays its end;
// - lineLessIgnoringCase is a strict order whose ties are the lines containsLineIgnoringCase
//   calls equal;
// - isThisSelected follows the mode and the extensions of the entries, and the case of a
//   name's letters never changes the answer;
// - the type table counts every file whose extension has at most five characters in exactly
//   one row, and finds each of those rows again.

#include "app/helpers.h"
#include "fuzz_check.h"
#include "types/file_type_table.h"
#include "types/selection_filter.h"
#include "types/type_entry.h"
#include "types/type_pattern.h"

#include <string>

using tally_fuzz::lowerAscii;
using tally_fuzz::upperAscii;

namespace {

std::string lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = lowerAscii(c);
    return result;
}

std::string uppered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = upperAscii(c);
    return result;
}

std::string_view fromLastDot(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view() : name.substr(dot);
}

std::string_view trimmedOfControls(std::string_view text) {
    const auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

void checkEntryText(std::string_view line) {
    const std::string_view pattern = entryPattern(line);
    FUZZ_CHECK(line.substr(0, pattern.size()) == pattern);
    FUZZ_CHECK(pattern.find('\t') == std::string_view::npos);
    FUZZ_CHECK(pattern.size() == line.size() || line[pattern.size()] == '\t');

    const std::string extension = extractExtension(line);
    if (pattern.size() == line.size() || pattern.size() < 2)
        FUZZ_CHECK(extension.empty());
    else
        FUZZ_CHECK(extension == lowered(pattern.substr(1)));

    const std::string_view described = patternExtension(pattern);
    FUZZ_CHECK(pattern.ends_with(described));
    FUZZ_CHECK(described.empty() ? pattern.find('.') == std::string_view::npos
                                 : described.rfind('.') == 0);

    const auto fields = tally_fuzz::splitOn(line, '\t');
    const int count = static_cast<int>(fields.size());
    for (const int n : {-1, 0, 1, 2, 3, 4, count - 1, count, count + 1}) {
        const bool exists = n >= 1 && n <= static_cast<int>(fields.size());
        const std::string_view field =
            exists ? trimmedOfControls(fields[static_cast<std::size_t>(n - 1)]) : "";
        FUZZ_CHECK(tabField(line, n) == field);
    }
}

void checkTypedPattern(std::string_view typed) {
    const auto pattern = normaliseTypedPattern(typed);
    if (typed == "*.*" || typed == ".*" || typed == "*") {
        FUZZ_CHECK(!pattern);
        return;
    }
    FUZZ_CHECK(pattern.has_value());
    if (!pattern)
        return;
    FUZZ_CHECK(pattern->ends_with(typed));
    const bool star = typed.find('*') != std::string_view::npos;
    const bool dot = typed.find('.') != std::string_view::npos;
    if (star)
        FUZZ_CHECK(*pattern == typed);
    else if (dot)
        FUZZ_CHECK(*pattern == "*" + std::string(typed));
    else
        FUZZ_CHECK(*pattern == "*." + std::string(typed));
    // Without a TAB in it, the entry the picker makes matches files by the typed extension.
    if (!star && typed.find('\t') == std::string_view::npos) {
        const std::string expected = dot ? lowered(typed) : "." + lowered(typed);
        FUZZ_CHECK(extractExtension(*pattern + "\tdescription") == expected);
    }
}

void checkLineOrder(std::string_view a, std::string_view b) {
    const bool same = containsLineIgnoringCase({std::string(a)}, b);
    FUZZ_CHECK(same == (lowered(a) == lowered(b)));
    FUZZ_CHECK(!lineLessIgnoringCase(a, a));
    FUZZ_CHECK(!(lineLessIgnoringCase(a, b) && lineLessIgnoringCase(b, a)));
    FUZZ_CHECK(same == (!lineLessIgnoringCase(a, b) && !lineLessIgnoringCase(b, a)));
}

void checkSelection(const std::vector<std::string>& entries,
                    const std::vector<std::string_view>& names, std::uint8_t mode) {
    SelectionFilter filter;
    filter.allFiles = (mode & 1) != 0;
    filter.includeTypes = (mode & 2) != 0;
    filter.excludeTypes = (mode & 4) != 0;
    filter.setTypeEntries(entries);
    for (const std::string_view name : names) {
        bool matched = false;
        for (const auto& entry : entries)
            matched = matched || extractExtension(entry) == lowered(fromLastDot(name));
        const bool expected =
            filter.allFiles || (matched ? filter.includeTypes : filter.excludeTypes);
        FUZZ_CHECK(filter.isThisSelected(name) == expected);
        FUZZ_CHECK(filter.isThisSelected(uppered(name)) == expected);
        FUZZ_CHECK(filter.isThisSelected(lowered(name)) == expected);
    }
}

void checkTypeTable(const std::vector<std::string_view>& names) {
    FileTypeTable table;
    std::int32_t counted = 0;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string_view extension = fromLastDot(names[i]);
        table.insertType(extension, static_cast<std::int64_t>(i), i % 4 == 3);
        counted += extension.size() <= FileTypeTable::maxExtensionLength && i % 4 != 3 ? 1 : 0;
    }
    std::int32_t total = 0;
    for (const auto& row : table.rows()) {
        FUZZ_CHECK(row.extension == uppered(row.extension));
        FUZZ_CHECK(row.extension.size() <= FileTypeTable::maxExtensionLength);
        FUZZ_CHECK(table.findTypeRow(lowered(row.extension)) == &row - table.rows().data());
        total += row.fileCount;
    }
    FUZZ_CHECK(total == counted);
    for (const std::string_view name : names) {
        const std::string_view extension = fromLastDot(name);
        const int row = table.findTypeRow(extension);
        if (extension.size() > FileTypeTable::maxExtensionLength) {
            FUZZ_CHECK(row == -1);
            continue;
        }
        FUZZ_CHECK(row >= 0);
        if (row >= 0)
            FUZZ_CHECK(table.rows()[static_cast<std::size_t>(row)].extension == uppered(extension));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    const auto [entryText, nameText] =
        tally_fuzz::splitAtMarker(tally_fuzz::asText(data + 1, size - 1));
    std::vector<std::string> entries;
    for (const std::string_view line : tally_fuzz::splitOn(entryText, '\n'))
        entries.emplace_back(line);
    const auto names = tally_fuzz::splitOn(nameText, '\n');

    for (std::size_t i = 0; i < entries.size(); ++i) {
        checkEntryText(entries[i]);
        checkTypedPattern(entries[i]);
        checkLineOrder(entries[i], entries[(i + 1) % entries.size()]);
    }
    for (const std::string_view name : names)
        checkTypedPattern(name);
    checkSelection(entries, names, mode);
    checkTypeTable(names);
    return 0;
}
