#include "collect/report_selection.h"

#include "types/selection_filter.h"
#include "types/type_entry.h"

#include <algorithm>

namespace {

std::vector<std::string> extensionsOf(const std::vector<std::string>& patterns) {
    std::vector<std::string> extensions;
    for (const auto& pattern : patterns)
        extensions.push_back(extractExtension(pattern + "\t"));
    std::sort(extensions.begin(), extensions.end());
    extensions.erase(std::unique(extensions.begin(), extensions.end()), extensions.end());
    return extensions;
}

} // namespace

std::string_view ReportSelection::modeName() const {
    switch (mode) {
    case Mode::Include:
        return "include";
    case Mode::Exclude:
        return "exclude";
    case Mode::AllFiles:
        break;
    }
    return "all";
}

std::string ReportSelection::description() const {
    if (mode == Mode::AllFiles)
        return "All files";
    std::string text = mode == Mode::Include ? "Selected file types only:"
                                             : "All files except selected file types:";
    for (std::size_t i = 0; i < patterns.size(); ++i)
        text += (i == 0 ? " " : ", ") + patterns[i];
    return text;
}

bool ReportSelection::countsTheSameFilesAs(const ReportSelection& other) const {
    return mode == other.mode &&
           (mode == Mode::AllFiles || extensionsOf(patterns) == extensionsOf(other.patterns));
}

ReportSelection selectionOf(const SelectionFilter& filter) {
    ReportSelection selection;
    if (filter.allFiles)
        return selection;
    selection.mode =
        filter.includeTypes ? ReportSelection::Mode::Include : ReportSelection::Mode::Exclude;
    for (const auto& entry : filter.typeEntries())
        selection.patterns.push_back(entry.substr(0, entry.find('\t')));
    return selection;
}
