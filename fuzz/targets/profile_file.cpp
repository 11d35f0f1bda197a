// The settings file through the profile functions, as the file-type lists use it. Input: the
// file's text, then (after a line "%%") one key per line, "section|key|value", written with
// one writePrivateProfileStrings per run of one section. Properties:
// - every write succeeds, and the file then holds exactly what the document it was read into
//   gives with those keys set (the file layer adds, drops and reorders nothing);
// - each key written reads back through getPrivateProfileString and ProfileSection alike, cut
//   at 1,023 characters;
// - numberedValues("File", Number) gives what looking up File1, File2, ... File<Number> in
//   turn finds, as the list loader relies on.

#include "platform/profile_file.h"
#include "fuzz_check.h"
#include "platform/config_folder.h"
#include "platform/ini_document.h"
#include "platform/profile_section.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <sstream>
#include <string>

using platform::IniDocument;
using platform::IniEntry;

namespace {

const std::string fileName = "fuzz.ini";

struct Key {
    std::string section;
    std::string key;
    std::string value;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// A line can hold the key: see ini_document.cpp, whose property this target takes for granted.
bool canHold(const Key& key) {
    const auto hasBreak = [](std::string_view text) {
        return text.find_first_of("\r\n") != std::string_view::npos;
    };
    const std::string_view name = key.key;
    const std::string_view value = key.value;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    const bool valueTrimmed = value.empty() || (!isBlank(value.front()) && !isBlank(value.back()));
    const bool nameTrimmed = !name.empty() && !isBlank(name.front()) && !isBlank(name.back());
    const std::string_view section = key.section;
    const bool sectionTrimmed =
        section.empty() || (!isBlank(section.front()) && !isBlank(section.back()));
    return sectionTrimmed && !hasBreak(key.section) && !hasBreak(name) && !hasBreak(value) &&
           key.section.find(']') == std::string::npos && nameTrimmed &&
           name.find('=') == std::string_view::npos && name.front() != '[' && valueTrimmed &&
           !quoted;
}

std::vector<Key> keysOf(std::string_view text) {
    std::vector<Key> keys;
    for (std::string_view line : tally_fuzz::splitOn(text, '\n')) {
        auto fields = tally_fuzz::splitOn(line, '|');
        fields.resize(3);
        Key key{std::string(fields[0]), std::string(fields[1]), std::string(fields[2])};
        if (!line.empty() && canHold(key))
            keys.push_back(std::move(key));
    }
    return keys;
}

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string decimal(std::int64_t number) {
    char digits[24];
    return {digits, std::to_chars(digits, digits + sizeof digits, number).ptr};
}

// The numbers k of the keys prefix<digits> of the section, leading zeros and all, that fit
// in 64 bits: every k for which a key prefix<k> might exist.
std::set<std::int64_t> numbersOfKeys(const std::vector<IniEntry>& entries,
                                     std::string_view prefix) {
    std::set<std::int64_t> numbers;
    for (const auto& entry : entries) {
        const std::string_view name = entry.name;
        if (name.size() <= prefix.size() ||
            !IniDocument::sameName(name.substr(0, prefix.size()), prefix))
            continue;
        const std::string_view digits = name.substr(prefix.size());
        std::int64_t number = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), number);
        if (error == std::errc() && end == digits.data() + digits.size() && digits[0] != '-')
            numbers.insert(number);
    }
    return numbers;
}

void checkNumberedValues(const std::string& section, const std::string& path) {
    const auto keys = platform::ProfileSection::read(section, fileName);
    std::int64_t last = -1;
    if (const auto number = keys.value("Number")) {
        const auto [end, error] =
            std::from_chars(number->data(), number->data() + number->size(), last);
        if (error != std::errc() || end != number->data() + number->size())
            last = -1;
    }
    std::vector<std::string> lookedUp;
    for (const std::int64_t k : numbersOfKeys(IniDocument::load(path).entries(section), "File"))
        if (k >= 1 && k <= last)
            if (const auto value = keys.value("File" + decimal(k)))
                lookedUp.push_back(*value);
    FUZZ_CHECK(keys.numberedValues("File", last) == lookedUp);
    FUZZ_CHECK(keys.numberedValues("File", std::numeric_limits<std::int64_t>::min()).empty());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // One configuration folder for the whole run, in memory where there is a /dev/shm: each
    // input writes and renames the file.
    const std::string root = std::filesystem::exists("/dev/shm")
                                 ? "/dev/shm"
                                 : std::filesystem::temp_directory_path().string();
    static std::string folder = root + "/tally99-fuzz-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr)
        tally_fuzz::fail("mkdtemp", __FILE__, __LINE__);
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
    std::atexit([] {
        std::error_code error;
        std::filesystem::remove_all(folder, error);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto [startText, keyText] = tally_fuzz::splitAtMarker(tally_fuzz::asText(data, size));
    const std::string path = platform::configFilePath(fileName);
    std::filesystem::create_directories(platform::configFolder());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << startText;

    const auto keys = keysOf(keyText);
    IniDocument expected = IniDocument::load(path);
    for (std::size_t i = 0; i < keys.size();) {
        std::vector<IniEntry> run;
        std::size_t j = i;
        for (; j < keys.size() && keys[j].section == keys[i].section; ++j)
            run.push_back({keys[j].key, keys[j].value});
        FUZZ_CHECK(platform::writePrivateProfileStrings(keys[i].section, run, fileName));
        expected.setValues(keys[i].section, run);
        i = j;
    }
    FUZZ_CHECK(fileText(path) == (keys.empty() ? std::string(startText) : expected.text()));

    std::set<std::string> sections;
    for (const auto& key : keys) {
        // The last write of a key is the one that counts.
        std::string value;
        for (const auto& later : keys)
            if (IniDocument::sameName(later.section, key.section) &&
                IniDocument::sameName(later.key, key.key))
                value = later.value;
        value.resize(std::min(value.size(), platform::maxProfileValueLength));
        FUZZ_CHECK(platform::getPrivateProfileString(key.section, key.key, "-", fileName) == value);
        FUZZ_CHECK(platform::ProfileSection::read(key.section, fileName).value(key.key) == value);
        sections.insert(key.section);
    }
    sections.insert("Include");
    for (const auto& section : sections)
        checkNumberedValues(section, path);
    return 0;
}
