// The INI dialect read, changed and written again. Input: a document, then (after a line "%%")
// one change per line, "section|key|value". Properties:
// - writing keeps the document: a text with "\n" line ends that ends with a line end is
//   written back byte for byte, and reading what was written gives the same text again
//   (lines end at LF, CR LF or a lone CR; the first line end found is the one written);
// - every change the dialect can hold reads back as written, every other key of the document
//   reads as it did before, and sections no change names keep all their keys in order;
// - setValues for a run of keys of one section does what setValue for each in turn does.

#include "platform/ini_document.h"
#include "fuzz_check.h"

#include <map>
#include <string>
#include <utility>

using platform::IniDocument;
using platform::IniEntry;
using tally_fuzz::lowerAscii;

namespace {

struct Change {
    std::string section;
    std::string key;
    std::string value;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool isTrimmed(std::string_view text) {
    return text.empty() || (!isBlank(text.front()) && !isBlank(text.back()));
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string folded(std::string_view name) {
    std::string result(trimmed(name));
    for (char& c : result)
        c = lowerAscii(c);
    return result;
}

// The lines as the reader takes them: a line ends at LF, at CR LF or at a lone CR.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        const bool crLf = end + 1 < text.size() && text[end] == '\r' && text[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

// What a line holds can say: no line break (LF or CR) anywhere; a section name without "]"; a key
// without "=" that does not open like a section line; a value that keeps its outer blanks and
// is not enclosed in a pair of quotes (a reader takes both off, as the profile functions do).
bool canHold(const Change& change) {
    const auto hasBreak = [](std::string_view text) {
        return text.find_first_of("\r\n") != std::string_view::npos;
    };
    const std::string_view key = trimmed(change.key);
    const std::string_view value = change.value;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !hasBreak(change.section) && !hasBreak(change.key) && !hasBreak(value) &&
           change.section.find(']') == std::string::npos && !key.empty() &&
           key.find('=') == std::string_view::npos && key.front() != '[' && isTrimmed(value) &&
           !quoted;
}

// The section names of the document's header lines, first spelling of each: a line whose
// first non-blank character is "[" and that has a "]".
std::vector<std::string> sectionNames(std::string_view text) {
    std::vector<std::string> names;
    for (std::string_view line : linesOf(text)) {
        line = trimmed(line);
        const std::size_t close = line.find(']');
        if (line.empty() || line.front() != '[' || close == std::string_view::npos)
            continue;
        const std::string name(trimmed(line.substr(1, close - 1)));
        bool known = false;
        for (const auto& each : names)
            known = known || IniDocument::sameName(each, name);
        if (!known)
            names.push_back(name);
    }
    return names;
}

std::vector<Change> changesOf(std::string_view text) {
    std::vector<Change> changes;
    for (std::string_view line : tally_fuzz::splitOn(text, '\n')) {
        if (line.empty())
            continue;
        auto fields = tally_fuzz::splitOn(line, '|');
        fields.resize(3);
        changes.push_back({std::string(fields[0]), std::string(fields[1]), std::string(fields[2])});
    }
    return changes;
}

void checkKeptAsWritten(std::string_view input, const IniDocument& document) {
    const std::string text = document.text();
    FUZZ_CHECK(IniDocument(text).text() == text);
    const bool plainLineEnds = input.find('\r') == std::string_view::npos;
    if (plainLineEnds && (input.empty() || input.back() == '\n'))
        FUZZ_CHECK(text == input);
}

// Applies the changes one by one and, for each run of one section, in one setValues; the two
// documents must come out the same.
IniDocument applied(const IniDocument& start, const std::vector<Change>& changes) {
    IniDocument oneByOne = start;
    IniDocument batched = start;
    for (std::size_t i = 0; i < changes.size();) {
        std::vector<IniEntry> run;
        std::size_t j = i;
        while (j < changes.size() &&
               IniDocument::sameName(trimmed(changes[j].section), trimmed(changes[i].section))) {
            oneByOne.setValue(changes[j].section, changes[j].key, changes[j].value);
            run.push_back({changes[j].key, changes[j].value});
            ++j;
        }
        batched.setValues(changes[i].section, run);
        i = j;
    }
    FUZZ_CHECK(oneByOne.text() == batched.text());
    return oneByOne;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [documentText, changeText] =
        tally_fuzz::splitAtMarker(tally_fuzz::asText(data, size));
    const IniDocument before(documentText);
    checkKeptAsWritten(documentText, before);

    std::vector<Change> changes;
    std::vector<Change> unholdable;
    for (auto& change : changesOf(changeText))
        (canHold(change) ? changes : unholdable).push_back(std::move(change));
    // Changes the dialect cannot hold only have to be survived.
    IniDocument spoilt = before;
    for (const auto& change : unholdable)
        spoilt.setValue(change.section, change.key, change.value);
    static_cast<void>(IniDocument(spoilt.text()).text());

    const IniDocument after(applied(before, changes).text());
    std::map<std::pair<std::string, std::string>, std::string> written;
    for (const auto& change : changes)
        written[{folded(change.section), folded(change.key)}] = change.value;
    for (const auto& [name, value] : written)
        FUZZ_CHECK(after.value(name.first, name.second) == value);

    for (const auto& section : sectionNames(documentText)) {
        FUZZ_CHECK(before.hasSection(section));
        const auto entries = before.entries(section);
        bool touched = false;
        for (const auto& change : changes)
            touched = touched || IniDocument::sameName(trimmed(change.section), section);
        if (!touched) {
            const auto kept = after.entries(section);
            FUZZ_CHECK(kept.size() == entries.size());
            for (std::size_t i = 0; i < kept.size() && i < entries.size(); ++i)
                FUZZ_CHECK(kept[i].name == entries[i].name && kept[i].value == entries[i].value);
            continue;
        }
        for (const auto& entry : entries)
            if (!written.contains({folded(section), folded(entry.name)}))
                FUZZ_CHECK(after.value(section, entry.name) == before.value(section, entry.name));
    }
    return 0;
}
