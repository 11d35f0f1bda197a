#include "space/space_fill.h"

#include "app/disk_size_bars.h"
#include "app/helpers.h"
#include "collect/drive_scan.h"
#include "ui/chart_model.h"

namespace {

constexpr double bytesToGigabytes = 9.313226e-10;
constexpr const char* gigabyteFormat = "#,##0.0# GB";
constexpr int usedSeries = 0; // the lower part of each stack
constexpr int freeSeries = 1;

void setGradient(ChartModel& chart) {
    chart.background.gradient = true;
    chart.background.startColor = clGray;
    chart.background.endColor = clSilver;
    chart.background.direction = ChartBackground::Direction::BottomTop;
}

void fillPie(ChartModel& pie, const std::string& title, double freeBytes, double totalBytes) {
    pie.title.lines = {title};
    ChartSeries& series = pie.series(0);
    series.clear();
    series.add(totalBytes - freeBytes, " ", clBlue);
    series.add(freeBytes, " ", clFuchsia);
}

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

} // namespace

void setUpSpaceBarChart(ChartModel& chart) {
    chart.clearSeries();
    chart.title.visible = false;
    chart.legend.visible = false;
    chart.allowZoom = false;
    setGradient(chart);
    chart.walls.backFilled = false;
    chart.leftAxis.valueFormat = gigabyteFormat;
    chart.view3D.depthPercent = 1;
    ChartSeries& used = chart.addSeries(ChartSeries::Kind::Bar, "Series5");
    ChartSeries& free = chart.addSeries(ChartSeries::Kind::Bar, "Series4");
    for (ChartSeries* series : {&used, &free}) {
        series->multiBar = ChartSeries::MultiBar::Stacked;
        series->marks.visible = true;
        series->marks.format = gigabyteFormat;
        series->marks.textColor = clWhite;
    }
    used.color = clBlue;
    used.marks.backColor = clBlue;
    free.color = clFuchsia;
    free.marks.backColor = clFuchsia;
}

SpaceFigures fillSpaceBars(ChartModel& chart, const std::vector<std::string>& ticked,
                           bool withTotal, int& drivesShown) {
    const DiskSizeSums sums =
        fillDiskSizeBars(chart.series(usedSeries), chart.series(freeSeries), ticked, withTotal);
    drivesShown = sums.drives;
    SpaceFigures figures;
    const double freeGb = sums.freeBytes * bytesToGigabytes;
    const double totalGb = sums.totalBytes * bytesToGigabytes;
    if (!(totalGb > 0))
        return figures;
    figures.shown = true;
    figures.capacityUnit = "GB";
    figures.freeUnit = "GB ";
    figures.usedUnit = "GB ";
    figures.capacity = formatNumber2(totalGb);
    figures.free = formatNumber2(freeGb);
    figures.used = formatNumber2(totalGb - freeGb);
    figures.freeColor = totalGb - freeGb <= 0.1 ? clRed : clBlack;
    return figures;
}

std::string percentFreeText(double freeBytes, double capacityBytes) {
    const double percent = capacityBytes > 0 ? freeBytes * 100 / capacityBytes : 0;
    std::string text = formatNumber2(percent);
    if (!text.empty())
        text.pop_back();
    return text;
}

void setUpSpacePie(ChartModel& chart) {
    chart.clearSeries();
    chart.showPlotOnly();
    chart.title.visible = true; // the drive and its "% free"
    chart.walls.backFilled = false;
    chart.margins = ChartMargins{0, 2, 0, 2};
    chart.hint = "Click on pie to toggle animation";
    chart.view3D = ChartView3D{true, 65, false, 360, 315, 0, 100};
    setGradient(chart);
    ChartSeries& pie = chart.addSeries(ChartSeries::Kind::Pie);
    pie.marks.visible = false;
    pie.pie.rotationAngle = 60;
}

int fillSpacePies(const std::vector<ChartModel*>& pies, ChartModel& total,
                  const std::vector<std::string>& entries) {
    double freeSum = 0;
    double totalSum = 0;
    int filled = 0;
    for (const std::string& entry : entries) {
        if (filled == static_cast<int>(pies.size()))
            break;
        if (entry.empty() || !driveReady(entry.front()))
            continue;
        const std::string root = std::string(1, entry.front()) + ":\\";
        const DriveSpace space = diskSpace(root);
        freeSum += space.freeBytes;
        totalSum += space.totalBytes;
        fillPie(*pies[static_cast<std::size_t>(filled)],
                upperCase(root) + "  " + percentFreeText(space.freeBytes, space.totalBytes) +
                    "% free",
                space.freeBytes, space.totalBytes);
        ++filled;
    }
    fillPie(total, "TOTAL " + percentFreeText(freeSum, totalSum) + "% free", freeSum, totalSum);
    return filled;
}

SpaceBarGrowth spaceBarGrowth(int drivesShown) {
    if (drivesShown <= 2)
        return {6, 60};
    if (drivesShown <= 4)
        return {3, 30};
    if (drivesShown <= 6)
        return {2, 20};
    return {2, 10};
}
