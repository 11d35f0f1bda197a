#include "types/type_entry.h"

std::string extractExtension(std::string_view entry) {
    const std::size_t tab = entry.find('\t');
    if (tab == std::string_view::npos || tab < 2)
        return {};
    std::string extension(entry.substr(1, tab - 1));
    for (char& c : extension)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return extension;
}
