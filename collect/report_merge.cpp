#include "collect/report_merge.h"

#include "app/helpers.h"
#include "collect/name_escapes.h"

#include <limits>
#include <map>

namespace {

// Figures of a file are at most 2^53 - 1, so thousands of them cannot wrap; a sum beyond 64
// bits stays at the largest value, which the JSON writer then refuses by name.
void addTo(std::int64_t& sum, std::int64_t value) {
    if (__builtin_add_overflow(sum, value, &sum))
        sum = std::numeric_limits<std::int64_t>::max();
}

std::string folded(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// The walk two reports both hold, as "/home on host at time"; nothing when they share none.
std::optional<std::string> sharedWalk(const Report& a, const Report& b) {
    for (const auto& first : a.targets)
        for (const auto& second : b.targets)
            if (first.sameWalkAs(second))
                return printableName(first.folder) + " on " + printableName(first.host) + " at " +
                       printableName(first.created);
    return std::nullopt;
}

std::optional<std::string> refusal(const std::vector<NamedReport>& reports) {
    if (reports.empty())
        return "no report to merge";
    const auto name = [&reports](std::size_t i) { return printableName(reports[i].file); };
    const NamedReport& first = reports.front();
    for (std::size_t i = 1; i < reports.size(); ++i)
        if (!reports[i].report.selection.countsTheSameFilesAs(first.report.selection))
            return name(0) + " and " + name(i) + " count different files (" +
                   printableName(first.report.selection.description()) + "; " +
                   printableName(reports[i].report.selection.description()) +
                   "): only reports of one selection can be merged";
    for (std::size_t i = 0; i < reports.size(); ++i)
        for (std::size_t j = i + 1; j < reports.size(); ++j)
            if (const auto walk = sharedWalk(reports[i].report, reports[j].report))
                return reports[i].file == reports[j].file
                           ? name(i) + " is named twice: merged with itself, its files would "
                                       "count twice"
                           : name(j) + " holds the walk of " + *walk + " that " + name(i) +
                                 " holds too: merged, its files would count twice";
    return std::nullopt;
}

// The folders that two reports walked on one host at different times.
std::vector<std::string> foldersWalkedTwice(const std::vector<NamedReport>& reports) {
    std::vector<std::string> notes;
    for (std::size_t i = 0; i < reports.size(); ++i)
        for (std::size_t j = i + 1; j < reports.size(); ++j)
            for (const auto& a : reports[i].report.targets)
                for (const auto& b : reports[j].report.targets)
                    if (a.host == b.host && a.folder == b.folder)
                        notes.push_back(printableName(reports[i].file) + " and " +
                                        printableName(reports[j].file) + " both walked " +
                                        printableName(a.folder) + " on " + printableName(a.host) +
                                        " (at " + printableName(a.created) + " and " +
                                        printableName(b.created) + "): its files count in both");
    return notes;
}

// Why the merged report has no overhang figures; empty when it keeps them.
std::string overhangLeftOut(const std::vector<NamedReport>& reports) {
    for (const auto& named : reports) {
        const Report& report = named.report;
        if (report.targets.size() != 1)
            return named.file + " covers " + std::to_string(report.targets.size()) +
                   " drives, and the overhang is kept only for reports of one drive each";
        if (!report.figures.overhang)
            return named.file + " has none (" + report.figures.overhangLeftOut + ")";
    }
    const NamedReport& first = reports.front();
    for (const auto& named : reports)
        if (named.report.figures.clusterSize != first.report.figures.clusterSize)
            return "the cluster sizes differ (" + formatCount(first.report.figures.clusterSize) +
                   " in " + first.file + ", " + formatCount(named.report.figures.clusterSize) +
                   " in " + named.file + ")";
    return {};
}

void addFigures(ReportFigures& sum, const ReportFigures& figures) {
    forEachFigureArray(
        [](const char*, auto into, auto values) {
            for (std::size_t i = 0; i < into.size(); ++i)
                addTo(into[i], values[i]);
        },
        sum, figures);
    forEachFigureSum(
        [](const char*, std::int64_t& into, std::int64_t value) { addTo(into, value); }, sum,
        figures);
}

} // namespace

ReportMerge mergeReports(const std::vector<NamedReport>& reports, const ReportStamp& stamp) {
    if (auto problem = refusal(reports))
        return {std::nullopt, std::move(*problem), {}};
    Report merged;
    merged.stamp(stamp);
    merged.selection = reports.front().report.selection;
    ReportFigures& sum = merged.figures;
    std::map<std::string, TypeFigures> types;
    for (const auto& named : reports) {
        const ReportFigures& figures = named.report.figures;
        merged.targets.insert(merged.targets.end(), named.report.targets.begin(),
                              named.report.targets.end());
        addFigures(sum, figures);
        for (const auto& type : figures.fileTypes) {
            TypeFigures& row = types[folded(type.extension)];
            row.extension = folded(type.extension);
            addTo(row.fileCount, type.fileCount);
            addTo(row.totalBytes, type.totalBytes);
        }
    }
    for (auto& [key, row] : types)
        sum.fileTypes.push_back(std::move(row));
    sum.overhangLeftOut = overhangLeftOut(reports);
    sum.clusterSize = reports.front().report.figures.clusterSize;
    for (const auto& named : reports)
        if (named.report.figures.clusterSize != sum.clusterSize)
            sum.clusterSize = 0;
    if (sum.overhangLeftOut.empty()) {
        sum.overhang = ReportFigures::Overhang{};
        for (const auto& named : reports)
            for (std::size_t i = 0; i < sum.overhang->size(); ++i)
                addTo((*sum.overhang)[i], (*named.report.figures.overhang)[i]);
    }
    merged.status = closingStatus("Merged " + std::to_string(reports.size()) + " reports", sum);
    return {std::move(merged), {}, foldersWalkedTwice(reports)};
}
