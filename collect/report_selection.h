#pragma once
// Which files a report counts: all of them, only those of chosen types, or all but those.
// Two selections count the same files when they have the same mode and the same extensions:
// patterns are not wildcards (only the text after the first character counts) and are
// compared without regard to case, in any order.

#include <string>
#include <string_view>
#include <vector>

class SelectionFilter;

struct ReportSelection {
    enum class Mode { AllFiles, Include, Exclude };

    Mode mode = Mode::AllFiles;
    std::vector<std::string> patterns; // as given, such as *.doc; empty for all files

    bool operator==(const ReportSelection&) const = default;

    // "all", "include" or "exclude": the mode's name in a report file.
    [[nodiscard]] std::string_view modeName() const;
    // For people: "All files", "Selected file types only: *.doc, *.txt", "All files except
    // selected file types: *.tmp".
    [[nodiscard]] std::string description() const;
    [[nodiscard]] bool countsTheSameFilesAs(const ReportSelection& other) const;
};

[[nodiscard]] ReportSelection selectionOf(const SelectionFilter& filter);
