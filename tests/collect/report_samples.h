#pragma once
// Reports for the tests of the report readers, writers, merge and comparison: one whose every
// figure differs from every other (so a figure read into the wrong place shows), and small
// ones whose figures a test sets.

#include "collect/report.h"

#include <numeric>
#include <string>

namespace tally_test {

inline ReportTarget sampleTarget(const std::string& folder, std::int64_t clusterSize = 4096) {
    return {"box", "2024-05-01T02:00:00Z", folder, 'd', 500107862016, 123456789012, clusterSize};
}

// Figures 1, 2, 3, ... in the order of the report file, so no two are alike.
inline Report numberedReport() {
    Report report;
    report.programVersion = "1.7";
    report.created = "2024-05-01T02:00:00Z";
    report.host = "box";
    report.targets = {sampleTarget("/home")};
    report.selection = {ReportSelection::Mode::Exclude, {"*.tmp", "*.bak"}};
    report.status = "Finished - 100 files processed 90 files found";
    ReportFigures& f = report.figures;
    std::int64_t next = 1;
    forEachFigureArray(
        [&next](const char*, auto values) {
            std::iota(values.begin(), values.end(), next);
            next += std::int64_t(values.size());
        },
        f);
    forEachFigureSum([&next](const char*, std::int64_t& value) { value = next++; }, f);
    f.overhang = ReportFigures::Overhang{next, next + 1, next + 2, next + 3, next + 4};
    f.clusterSize = 4096;
    f.fileTypes = {{"", 3, 30}, {".DOC", 4, 4000}, {".TXT", 5, 500}};
    return report;
}

// A report of one drive with the given types and nothing else counted.
inline Report reportWithTypes(const std::string& folder, std::vector<TypeFigures> types) {
    Report report;
    report.programVersion = "1.7";
    report.created = "2024-05-01T02:00:00Z";
    report.host = "box";
    report.targets = {sampleTarget(folder)};
    report.figures.overhang = ReportFigures::Overhang{};
    report.figures.clusterSize = 4096;
    for (const auto& type : types) {
        report.figures.filesFound += type.fileCount;
        report.figures.filesSelected += type.fileCount;
        report.figures.sizeClassCount[0] += type.fileCount;
        report.figures.sizeClassBytes[0] += type.totalBytes;
    }
    report.figures.fileTypes = std::move(types);
    return report;
}

} // namespace tally_test
