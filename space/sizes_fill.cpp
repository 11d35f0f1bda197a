#include "space/sizes_fill.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "space/size_classes.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

namespace {

constexpr double bytesToMegabytes = 9.536743e-7;

} // namespace

void fillGridSizes(TextGrid& grid, const DriveStatistics& stats) {
    grid.setColumnCount(sizesGridColumns);
    grid.setRowCount(sizesGridRows);
    grid.setRow(0, {"File size", "Total file size", "Number of files"});
    for (int sizeClass = 12; sizeClass >= 1; --sizeClass) {
        const auto c = static_cast<std::size_t>(sizeClass);
        grid.setRow(13 - sizeClass, {sizeClassLabels()[c - 1], formatBytes(stats.sizeClassBytes[c]),
                                     formatBytes(stats.sizeClassCount[c])});
    }
}

void setUpSizesChart(ChartModel& chart, const std::string& seriesName) {
    chart.clearSeries();
    chart.title.color = clBlue;
    chart.legend.visible = true;
    chart.legend.content = ChartLegend::Content::Values;
    chart.legend.inverted = true;
    chart.walls.backFilled = false;
    chart.view3D.depthPercent = 15;
    chart.allowZoom = true;
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar, seriesName);
    bars.marks.visible = true;
    bars.marks.style = ChartMarks::Style::Percent;
    bars.marks.format = "##0.# %";
    bars.gradientFill = true;
    bars.valueFormat = "#,##0.##";
}

void fillSizesChart(ChartModel& chart, const DriveStatistics& stats, bool byMegabytes,
                    const BarPalette& palette) {
    chart.undoZoom();
    chart.title.lines = {byMegabytes ? "File Sizes in MB" : "Number of Files"};
    ChartSeries& series1 = chart.series(0);
    series1.clear();
    for (int sizeClass = 1; sizeClass <= 12; ++sizeClass) {
        const auto c = static_cast<std::size_t>(sizeClass);
        const double value =
            byMegabytes ? stats.sizeClassBytes[c] * bytesToMegabytes : stats.sizeClassCount[c];
        series1.add(value, sizeClassLabels()[c - 1], palette[sizeClass]);
    }
}
