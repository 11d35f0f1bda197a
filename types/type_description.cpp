#include "types/type_description.h"

#include "platform/class_registry.h"

#include <algorithm>

namespace {

char upperLetter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Opens a key and reads the value named like the key, then the value named by what that first
// read gave. Normally no value is named like the key, so this is the key's default value.
std::string readKeyTwice(std::string_view keyName) {
    const auto key = platform::classRegistry().openKey(keyName);
    if (!key)
        return {};
    return key->value(key->value(keyName));
}

bool lessIgnoringCase(const std::string& a, const std::string& b) {
    return std::ranges::lexicographical_compare(
        a, b,
        [](char x, char y) {
            return static_cast<unsigned char>(upperLetter(x)) <
                   static_cast<unsigned char>(upperLetter(y));
        });
}

} // namespace

std::string typeDescription(std::string_view extension) {
    if (extension == "*.")
        return "No extension";
    const std::string className = readKeyTwice(extension);
    // An empty class name opens the root, as the registry does; its default value is empty.
    std::string description = readKeyTwice(className);
    if (description.empty())
        description = className;
    if (description.empty() && !extension.empty() &&
        extension.find('*') == std::string_view::npos) {
        for (const char c : extension.substr(1))
            description.push_back(upperLetter(c));
        description += " File";
    }
    return description;
}

std::vector<std::string> listRegisteredExtensions() {
    std::vector<std::string> names = platform::classRegistry().subkeyNames();
    std::ranges::stable_sort(names, lessIgnoringCase);
    std::vector<std::string> patterns;
    for (const std::string& name : names)
        if (!name.empty() && name.front() == '.' && name.size() <= 5)
            patterns.push_back("*" + name);
    return patterns;
}
