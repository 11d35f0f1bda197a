#include "collect/figure_rows.h"

#include "dates/age_classes.h"
#include "space/size_classes.h"

namespace {

struct AgeTable {
    const char* stamp;
    const ReportFigures::Ages& counts;
    const ReportFigures::Ages& bytes;
};

struct HourTable {
    const char* stamp;
    const ReportFigures::Hours& counts;
};

void addAges(std::vector<FigureRow>& rows, const ReportFigures& f) {
    const AgeTable tables[] = {{"accessed", f.accessAgeCount, f.accessAgeBytes},
                               {"created", f.createAgeCount, f.createAgeBytes},
                               {"modified", f.modifyAgeCount, f.modifyAgeBytes}};
    for (const auto& table : tables)
        for (std::size_t c = 0; c < 10; ++c)
            rows.push_back({table.stamp,
                            int(c),
                            ageClassLabels()[c],
                            {},
                            table.counts[c],
                            table.bytes[c],
                            {}});
    for (std::size_t c = 0; c < 10; ++c)
        for (const auto& table : tables)
            rows.push_back({"combined",
                            int(c),
                            ageClassLabels()[c],
                            table.stamp,
                            table.counts[c],
                            table.bytes[c],
                            {}});
}

void addHours(std::vector<FigureRow>& rows, const ReportFigures& f) {
    const HourTable tables[] = {
        {"modified", f.modifyHours}, {"created", f.createHours}, {"accessed", f.accessHours}};
    for (const auto& table : tables)
        for (int slot = 0; slot < 48; ++slot)
            rows.push_back({"hours",
                            slot,
                            slotLabel(slot),
                            table.stamp,
                            table.counts[std::size_t(slot)],
                            std::nullopt,
                            {}});
}

void addOverhang(std::vector<FigureRow>& rows, const ReportFigures& f) {
    if (!f.overhang) {
        rows.push_back(
            {"overhang", 0, {}, {}, std::nullopt, std::nullopt, "left out: " + f.overhangLeftOut});
        return;
    }
    const char* labels[] = {"4K", "8K", "16K", "32K", "64K"};
    for (std::size_t i = 0; i < 5; ++i)
        rows.push_back({"overhang", int(i) + 1, labels[i], {}, std::nullopt, (*f.overhang)[i], {}});
}

} // namespace

std::string slotLabel(int slot) {
    const int hour = slot / 2;
    return std::string(1, char('0' + hour / 10)) + char('0' + hour % 10) +
           (slot % 2 == 0 ? ":00" : ":30");
}

std::vector<FigureRow> figureRows(const ReportFigures& f) {
    std::vector<FigureRow> rows;
    rows.push_back({"totals", 1, "Files found", {}, f.filesFound, std::nullopt, {}});
    rows.push_back({"totals", 2, "Files selected", {}, f.filesSelected, f.totalBytes(), {}});
    rows.push_back({"totals", 3, "Cluster size", {}, std::nullopt, f.clusterSize, {}});
    for (std::size_t c = 1; c <= 12; ++c)
        rows.push_back({"sizes",
                        int(c),
                        sizeClassLabels()[c - 1],
                        {},
                        f.sizeClassCount[c - 1],
                        f.sizeClassBytes[c - 1],
                        {}});
    addAges(rows, f);
    addHours(rows, f);
    const std::pair<const char*, std::pair<std::int64_t, std::int64_t>> attributes[] = {
        {"Hidden", {f.hiddenCount, f.hiddenBytes}},
        {"Read-only", {f.readOnlyCount, f.readOnlyBytes}},
        {"System", {f.systemCount, f.systemBytes}},
        {"Archive", {f.archiveCount, f.archiveBytes}}};
    int index = 0;
    for (const auto& [label, figures] : attributes)
        rows.push_back({"attributes", ++index, label, {}, figures.first, figures.second, {}});
    addOverhang(rows, f);
    index = 0;
    for (const auto& type : f.fileTypes)
        rows.push_back({"types", ++index, type.extension, {}, type.fileCount, type.totalBytes, {}});
    return rows;
}
