#include "space/attribute_fill.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "ui/chart_model.h"

#include <numeric>

namespace {

// Shares in the order the bars are added: archive, system, read-only, hidden.
void fillShares(ChartSeries& series, const std::array<double, 4>& bottomUp, ColorRef color) {
    series.clear();
    const double sum = std::accumulate(bottomUp.begin(), bottomUp.end(), 0.0);
    if (!(sum > 0))
        return;
    for (const double part : bottomUp)
        series.add(100.0 * part / sum, {}, color);
}

} // namespace

AttributeFigures attributeFigures(const DriveStatistics& stats) {
    return {{formatCount(stats.hiddenCount), formatCount(stats.readOnlyCount),
             formatCount(stats.systemCount), formatCount(stats.archiveCount)},
            {formatBytes(stats.hiddenBytes), formatBytes(stats.readOnlyBytes),
             formatBytes(stats.systemBytes), formatBytes(stats.archiveBytes)}};
}

void setUpAttributeChart(ChartModel& chart) {
    chart.clearSeries();
    chart.showPlotOnly();
    chart.walls.visible = false;
    chart.maxPointsPerPage = 4;
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar);
    bars.marks.visible = true;
    bars.marks.style = ChartMarks::Style::Value;
    bars.marks.format = "#,##0.## %";
}

void fillAttributeCharts(ChartModel& countChart, ChartModel& bytesChart,
                         const DriveStatistics& stats) {
    fillShares(countChart.series(0),
               {static_cast<double>(stats.archiveCount), static_cast<double>(stats.systemCount),
                static_cast<double>(stats.readOnlyCount), static_cast<double>(stats.hiddenCount)},
               clRed);
    fillShares(bytesChart.series(0),
               {stats.archiveBytes, stats.systemBytes, stats.readOnlyBytes, stats.hiddenBytes},
               clBlue);
}
