#include "dates/time_fill.h"

#include "collect/drive_statistics.h"
#include "platform/locale_settings.h"
#include "ui/chart_model.h"

#include <numeric>

namespace {

constexpr ColorRef lightCyan = 16777088;

void fillTimeSeries(ChartSeries& series, const std::array<double, 48>& hours) {
    series.clear();
    for (int slot = 0; slot < 48; ++slot)
        series.addXY(slot, hours[static_cast<std::size_t>(slot)],
                     platform::formatShortTime(slot / 2, slot % 2 == 0 ? 0 : 30), series.color);
}

} // namespace

void setUpTimeChart(ChartModel& chart) {
    chart.clearSeries();
    chart.title.lines.clear();
    chart.legend.visible = true;
    chart.legend.position = ChartLegend::Position::Top;
    chart.legend.content = ChartLegend::Content::SeriesTitles;
    chart.bottomAxis.automatic = false;
    chart.bottomAxis.minimum = 0;
    chart.bottomAxis.maximum = timeAxisMaximum;
    chart.bottomAxis.labelAngle = 90;
    chart.bottomAxis.labelSeparation = 3;
    chart.bottomAxis.labelsFromPoints = true;
    chart.bottomAxis.title = "Time of day file was modified/created/accessed";
    chart.leftAxis.automatic = true;
    chart.leftAxis.title = "Numer of files";
    chart.view3D.depthPercent = timeChartStartDepth;
    chart.walls.backFilled = false;
    chart.walls.leftColor = lightCyan;
    chart.allowZoom = true;
    chart.maxPointsPerPage = 47;
    struct Line {
        const char* title;
        ColorRef color;
    };
    for (const Line line : {Line{"Modified time", clRed}, Line{"Created time", clLime},
                            Line{"Access Time", clBlue}}) {
        auto& series = chart.addSeries(ChartSeries::Kind::Line, line.title);
        series.color = line.color;
        series.pointMarkers = false;
    }
}

void doFileTimes(ChartModel& chart, const DriveStatistics& stats) {
    fillTimeSeries(chart.series(0), stats.modifyHours);
    fillTimeSeries(chart.series(1), stats.createHours);
    ChartSeries& series12 = chart.series(2);
    fillTimeSeries(series12, stats.accessHours);
    series12.visible = std::accumulate(stats.accessHours.begin(), stats.accessHours.end(), 0.0) > 0;
}
