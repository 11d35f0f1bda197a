#include "space/overhang_fill.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "ui/chart_model.h"

#include <numeric>

namespace {

constexpr double bytesToKilobytes = 0.0009765625;
constexpr double bytesToMegabytes = 9.536743e-7;

[[nodiscard]] std::array<double, 5> overhangSums(const DriveStatistics& stats) {
    return {stats.overhang4K, stats.overhang8K, stats.overhang16K, stats.overhang32K,
            stats.overhang64K};
}

} // namespace

double overhangTotalBytes(const DriveStatistics& stats) {
    return std::accumulate(stats.sizeClassBytes.begin() + 1, stats.sizeClassBytes.end(), 0.0);
}

int clusterArrowRow(std::int32_t clusterSize) {
    for (std::size_t row = 0; row < overhangClusterSizes.size(); ++row)
        if (overhangClusterSizes[row] == clusterSize)
            return static_cast<int>(row) + 1;
    return 0;
}

double overhangFor(const DriveStatistics& stats, std::int32_t clusterSize) {
    const int row = clusterArrowRow(clusterSize);
    return row == 0 ? 0 : overhangSums(stats)[static_cast<std::size_t>(row - 1)];
}

std::string sizeWithUnit(double bytes, double total) {
    if (total < 1048576)
        return formatBytes(bytes * bytesToKilobytes) + " KB";
    return formatBytes(bytes * bytesToMegabytes) + " MB";
}

OverhangFigures overhangFigures(const DriveStatistics& stats) {
    OverhangFigures figures;
    const auto sums = overhangSums(stats);
    for (std::size_t i = 0; i < sums.size(); ++i)
        figures.wasted[i] = formatBytes(sums[i]);
    const double total = overhangTotalBytes(stats);
    figures.arrowRow = clusterArrowRow(stats.clusterSize);
    figures.totalSize = sizeWithUnit(total, total);
    figures.numFiles = "Number of files scanned: " + formatCount(stats.filesSelected);
    if (figures.arrowRow != 0)
        figures.actualSpace = "Actual space used " +
                              sizeWithUnit(total + overhangFor(stats, stats.clusterSize), total);
    return figures;
}

void setUpOverhangChart(ChartModel& chart) {
    chart.clearSeries();
    chart.showPlotOnly();
    chart.walls.visible = false;
    chart.maxPointsPerPage = 5;
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar, "Series9");
    bars.color = clRed;
    bars.marks.visible = true;
    bars.marks.style = ChartMarks::Style::Value;
    bars.marks.format = "#,##0. %";
}

void fillOverhangChart(ChartModel& chart, const DriveStatistics& stats) {
    ChartSeries& series9 = chart.series(0);
    series9.clear();
    const double total = overhangTotalBytes(stats);
    const auto sums = overhangSums(stats);
    for (auto wasted = sums.rbegin(); wasted != sums.rend(); ++wasted)
        series9.add(100.0 * *wasted / (total + *wasted), {}, clRed);
}
