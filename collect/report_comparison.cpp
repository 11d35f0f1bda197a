#include "collect/report_comparison.h"

#include <algorithm>
#include <map>

namespace {

std::string folded(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::optional<FigureChange> changeOf(const std::optional<std::int64_t>& before,
                                     const std::optional<std::int64_t>& after) {
    if (!before && !after)
        return std::nullopt;
    return FigureChange{before.value_or(0), after.value_or(0)};
}

std::int64_t size(const std::optional<FigureChange>& change) {
    return change ? (change->difference() < 0 ? -change->difference() : change->difference()) : 0;
}

bool sortedByChange(const std::string& section) {
    return section != "totals" && section != "hours";
}

ComparedReport sideOf(const NamedReport& named) {
    return {named.file, named.report.created, named.report.host, named.report.selection};
}

// The rows of one report by section, each section's rows by their key: the label for types
// (case aside), else the place in the section.
using Keyed = std::map<std::string, std::vector<std::pair<std::string, FigureRow>>>;

Keyed keyedRows(const ReportFigures& figures) {
    Keyed keyed;
    for (auto& row : figureRows(figures)) {
        if (row.section == "combined" || (row.section == "overhang" && !figures.overhang))
            continue;
        std::string key = row.section == "types" ? folded(row.label)
                                                 : std::to_string(row.index) + "/" + row.stamp;
        keyed[row.section].emplace_back(std::move(key), std::move(row));
    }
    return keyed;
}

// Joins one section of the two reports: rows of the newer report in its order, then those only
// the older one has.
void joinSection(ReportComparison& comparison, const std::string& section, const Keyed& older,
                 const Keyed& newer) {
    static const std::vector<std::pair<std::string, FigureRow>> none;
    const auto& before = older.contains(section) ? older.at(section) : none;
    const auto& after = newer.contains(section) ? newer.at(section) : none;
    std::map<std::string, const FigureRow*> beforeByKey;
    for (const auto& [key, row] : before)
        beforeByKey[key] = &row;
    std::vector<ComparisonRow> rows;
    const auto add = [&rows](const FigureRow& shown, const FigureRow* old, const FigureRow* now) {
        rows.push_back({shown.section,
                        shown.index,
                        shown.label,
                        shown.stamp,
                        changeOf(old ? old->files : std::nullopt, now ? now->files : std::nullopt),
                        changeOf(old ? old->bytes : std::nullopt, now ? now->bytes : std::nullopt),
                        {}});
    };
    for (const auto& [key, row] : after) {
        const auto old = beforeByKey.find(key);
        add(row, old == beforeByKey.end() ? nullptr : old->second, &row);
        if (old != beforeByKey.end())
            beforeByKey.erase(old);
    }
    for (const auto& [key, row] : before)
        if (beforeByKey.contains(key))
            add(row, &row, nullptr);
    if (sortedByChange(section))
        std::ranges::stable_sort(rows, [](const ComparisonRow& a, const ComparisonRow& b) {
            if (size(a.bytes) != size(b.bytes))
                return size(a.bytes) > size(b.bytes);
            return size(a.files) > size(b.files);
        });
    comparison.rows.insert(comparison.rows.end(), rows.begin(), rows.end());
}

void markTypes(ReportComparison& comparison) {
    for (auto& row : comparison.rows) {
        if (row.section != "types" || !row.files)
            continue;
        if (row.files->before == 0 && row.files->after > 0) {
            row.note = "appeared";
            comparison.typesAppeared.push_back(row.label);
        } else if (row.files->before > 0 && row.files->after == 0) {
            row.note = "vanished";
            comparison.typesVanished.push_back(row.label);
        }
    }
    const auto byTable = [](const std::string& a, const std::string& b) {
        return folded(a) < folded(b);
    };
    std::ranges::sort(comparison.typesAppeared, byTable);
    std::ranges::sort(comparison.typesVanished, byTable);
}

std::string overhangNote(const NamedReport& older, const NamedReport& newer) {
    for (const NamedReport* named : {&older, &newer})
        if (!named->report.figures.overhang)
            return named->file + " has no overhang figures (" +
                   named->report.figures.overhangLeftOut + ")";
    return {};
}

} // namespace

ReportComparison compareReports(const NamedReport& older, const NamedReport& newer) {
    ReportComparison comparison{sideOf(older), sideOf(newer), {}, {}, {}, {}, {}};
    const ReportSelection& before = older.report.selection;
    const ReportSelection& after = newer.report.selection;
    if (!before.countsTheSameFilesAs(after))
        comparison.selectionNote = "the reports count different files: " + older.file + ": " +
                                   before.description() + "; " + newer.file + ": " +
                                   after.description();
    comparison.overhangNote = overhangNote(older, newer);
    const Keyed olderRows = keyedRows(older.report.figures);
    const Keyed newerRows = keyedRows(newer.report.figures);
    for (const char* section : {"totals", "sizes", "accessed", "created", "modified", "attributes",
                                "overhang", "hours", "types"})
        if (section != std::string("overhang") || comparison.overhangNote.empty())
            joinSection(comparison, section, olderRows, newerRows);
    markTypes(comparison);
    return comparison;
}
