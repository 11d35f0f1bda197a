#include "types/selection_filter.h"

#include "platform/hot_path.h"
#include "types/type_entry.h"

namespace {

// The entry extensions are already lower case; the name's extension is folded on the fly.
bool equalsLowered(std::string_view nameExtension, const std::string& entryExtension) {
    if (nameExtension.size() != entryExtension.size())
        return false;
    for (std::size_t i = 0; i < nameExtension.size(); ++i) {
        char c = nameExtension[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != entryExtension[i])
            return false;
    }
    return true;
}

} // namespace

void SelectionFilter::setTypeEntries(std::vector<std::string> entries) {
    m_typeEntries = std::move(entries);
    m_extensions.clear();
    for (const auto& entry : m_typeEntries)
        m_extensions.push_back(extractExtension(entry));
}

TALLY_WALK_PATH bool SelectionFilter::isThisSelected(std::string_view fileName) const {
    if (allFiles)
        return true;
    const std::size_t dot = fileName.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : fileName.substr(dot);
    for (const auto& entryExtension : m_extensions)
        if (equalsLowered(extension, entryExtension))
            return includeTypes;
    return excludeTypes;
}
