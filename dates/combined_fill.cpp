#include "dates/combined_fill.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "dates/date_fill.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

#include <cmath>
#include <limits>

namespace {

struct CombinedSeries {
    DateKind kind;
    const char* name;
    const char* title;
    ColorRef color;
    int offsetPercent;
};

// In the chart's order: the legend, inverted, lists Accessed first.
constexpr CombinedSeries combinedSeries[] = {
    {DateKind::Modified, "Series8", "Modified", clYellow, -25},
    {DateKind::Created, "Series7", "Created", clGreen, 0},
    {DateKind::Accessed, "Series6", "Accessed", clRed, 25},
};

constexpr ColorRef lightCyan = 16777088;

// Counts are cut to whole numbers before they are written; a value out of range of a whole
// number leaves the cell empty rather than showing a wrapped figure.
std::string wholeCount(double value) {
    const double whole = std::trunc(value);
    if (!std::isfinite(whole) || std::fabs(whole) > 9.0e18)
        return {};
    return formatCount(static_cast<std::int64_t>(whole));
}

} // namespace

void fillCombinedGridDates(TextGrid& grid, const TextGrid& gridModify,
                           const DriveStatistics& stats) {
    grid.setColumnCount(combinedGridColumns);
    grid.setRowCount(combinedGridRows);
    grid.setRow(0, {"Combined dates", "Access Size", "Access # files", "Create Size",
                    "Create # files", "Modify Size", "Modify # files"});
    for (int row = combinedGridRows - 1; row >= 1; --row) {
        const auto ageClass = static_cast<std::size_t>(10 - row);
        const bool labelled = row < gridModify.rowCount() && gridModify.columnCount() > 0;
        grid.setRow(row, {labelled ? gridModify.cell(0, row) : std::string{},
                          formatBytes(stats.accessAgeBytes[ageClass]),
                          wholeCount(stats.accessAgeCount[ageClass]),
                          formatBytes(stats.createAgeBytes[ageClass]),
                          wholeCount(stats.createAgeCount[ageClass]),
                          formatBytes(stats.modifyAgeBytes[ageClass]),
                          wholeCount(stats.modifyAgeCount[ageClass])});
    }
}

void setUpCombinedChart(ChartModel& chart) {
    chart.clearSeries();
    chart.title.lines = {"Combination Access/Created/Modified Chart"};
    chart.title.color = clBlue;
    chart.view3D.depthPercent = 20;
    chart.walls.backFilled = false;
    chart.walls.leftColor = lightCyan;
    chart.legend.visible = true;
    chart.legend.content = ChartLegend::Content::SeriesTitles;
    chart.legend.inverted = true;
    chart.allowZoom = true;
    for (const CombinedSeries& entry : combinedSeries) {
        auto& series = chart.addSeries(ChartSeries::Kind::HorizBar, entry.title);
        series.color = entry.color;
        series.barWidthPercent = 40;
        series.barOffsetPercent = entry.offsetPercent;
        series.multiBar = ChartSeries::MultiBar::SideBySide;
        series.gradientFill = true;
        series.marks.visible = false;
        series.valueFormat = "#,##0.##";
    }
}

int combinedSeriesIndex(DateKind kind) {
    for (int index = 0; index < 3; ++index)
        if (combinedSeries[index].kind == kind)
            return index;
    return 0;
}

void fillCombinedSeries(ChartModel& chart, DateKind kind, const DriveStatistics& stats,
                        bool byMegabytes, BarPalette& barColors) {
    const int index = combinedSeriesIndex(kind);
    fillAgeSeries(chart.series(index), byMegabytes ? ageBytes(stats, kind) : ageCounts(stats, kind),
                  byMegabytes, combinedSeries[index].color, true, barColors);
}
