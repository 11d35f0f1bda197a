#pragma once
// Adds reports into one, as if one run had walked every drive of them: every count, byte sum,
// age class, half-hour slot and attribute figure added, the type tables joined by extension
// (case aside), the targets listed in the order of the reports. The overhang sums are kept only
// when every report walked one drive, kept its overhang, and all share one cluster size (the
// arrow of the Overhang page points at one cluster size); otherwise the merged report leaves
// them out and says why.
// Refused, with a message naming the files: no report; reports that count different files
// (their sum would mean nothing); and a walk found in two reports (a report given twice, or
// merged with a merge that already holds it), whose files would count twice. The same folder
// of one host walked at two times (two monthly snapshots) is merged, with a note that its
// files count in both.

#include "collect/report.h"

#include <optional>
#include <string>
#include <vector>

struct ReportMerge {
    std::optional<Report> report;
    std::string error;
    std::vector<std::string> notes; // for the user, on a merge that goes ahead
};

[[nodiscard]] ReportMerge mergeReports(const std::vector<NamedReport>& reports,
                                       const ReportStamp& stamp);
