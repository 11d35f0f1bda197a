#include "dates/date_fill.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "dates/age_classes.h"
#include "space/bar_palette.h"
#include "space/sizes_fill.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

namespace {

constexpr double bytesPerMegabyte = 1048576.0;

} // namespace

const AgeArray& ageBytes(const DriveStatistics& stats, DateKind kind) {
    switch (kind) {
    case DateKind::Accessed:
        return stats.accessAgeBytes;
    case DateKind::Created:
        return stats.createAgeBytes;
    case DateKind::Modified:
        break;
    }
    return stats.modifyAgeBytes;
}

const AgeArray& ageCounts(const DriveStatistics& stats, DateKind kind) {
    switch (kind) {
    case DateKind::Accessed:
        return stats.accessAgeCount;
    case DateKind::Created:
        return stats.createAgeCount;
    case DateKind::Modified:
        break;
    }
    return stats.modifyAgeCount;
}

std::string dateGridHeading(DateKind kind) {
    switch (kind) {
    case DateKind::Accessed:
        return "Accessed Date";
    case DateKind::Created:
        return "Created Date";
    case DateKind::Modified:
        break;
    }
    return "Modified Date";
}

void fillGridDates(const std::string& heading, TextGrid& grid, const AgeArray& bytes,
                   const AgeArray& counts) {
    grid.setColumnCount(datesGridColumns);
    grid.setRowCount(datesGridRows);
    grid.setRow(0, {heading, "Total file size", "Number of files"});
    for (int row = 1; row < datesGridRows; ++row) {
        const auto ageClass = static_cast<std::size_t>(10 - row);
        grid.setRow(row, {ageClassLabels()[ageClass], formatBytes(bytes[ageClass]),
                          formatBytes(counts[ageClass])});
    }
}

void fillAgeSeries(ChartSeries& series, const AgeArray& values, bool inMegabytes, ColorRef color,
                   bool oneColor, BarPalette& barColors) {
    barColors.initAColors(!oneColor, color);
    series.clear();
    const double divisor = inMegabytes ? bytesPerMegabyte : 1.0;
    for (std::size_t ageClass = 0; ageClass < values.size(); ++ageClass)
        series.add(values[ageClass] / divisor, ageClassLabels()[ageClass],
                   barColors[static_cast<int>(ageClass) + 1]);
}

void setUpDateChart(ChartModel& chart, DateKind kind) {
    // The age charts look like the Sizes chart: ten classes instead of twelve.
    setUpSizesChart(chart, "HorizBarSeries" + std::to_string(static_cast<int>(kind) + 1));
}

void fillDateChart(ChartModel& chart, DateKind kind, const DriveStatistics& stats, bool byMegabytes,
                   BarPalette& barColors) {
    static const std::array<std::string, 3> names{"Access Date", "Created Date", "Modified Date"};
    const std::string& name = names.at(static_cast<std::size_t>(kind));
    chart.undoZoom();
    chart.title.lines = {name + (byMegabytes ? " (file sizes in MB)" : " (Number of files)")};
    fillAgeSeries(chart.series(0), byMegabytes ? ageBytes(stats, kind) : ageCounts(stats, kind),
                  byMegabytes, 0, false, barColors);
}
