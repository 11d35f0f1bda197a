#include "ui/chart_gallery.h"

#include "platform/locale_settings.h"
#include "types/types_fill.h"
#include "ui/chart.h"
#include "ui/chart_previewer.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPrinter>

#include <array>
#include <cmath>

namespace chart_gallery {

namespace {

constexpr std::array<ColorRef, 12> palette{clRed,     clMaroon, clBlue, clYellow, clGreen, clLime,
                                           clFuchsia, clTeal,   clNavy, clAqua,   clWhite, clGray};

struct Drive {
    const char* letter;
    double total;
    double free;
};
constexpr std::array<Drive, 4> drives{
    {{"C", 237.4, 81.25}, {"D", 931.5, 402.7}, {"E", 14.9, 12.31}, {"F", 465.7, 20.4}}};

const std::array<const char*, 12> sizeClasses{
    "0 - 16K",    "16K - 32K", "32K - 64K", "64K - 128K", "128K - 256K", "256K - 512K",
    "512K - 1MB", "1MB - 2MB", "2MB - 4MB", "4MB - 8MB",  "8MB - 16MB",  "Over 16MB"};

const std::array<const char*, 10> ageClasses{"Not recorded",      "Today",        "1 - 7 days",
                                             "8 - 30 days",       "31 - 90 days", "91 - 180 days",
                                             "6 months - 1 year", "1 - 2 years",  "2 - 4 years",
                                             "Over 4 years"};

ColorRef grey = 0x808080;

void greySilverBackground(ChartModel& chart) {
    chart.background.gradient = true;
    chart.background.startColor = grey;
    chart.background.endColor = clSilver;
    chart.background.direction = ChartBackground::Direction::BottomTop;
}

} // namespace

void fillDriveSpaceBars(ChartModel& chart) {
    chart.title.visible = false;
    chart.legend.visible = false;
    chart.background.gradient = true;
    chart.background.startColor = clBlack;
    chart.background.endColor = clBlue;
    chart.background.direction = ChartBackground::Direction::BottomTop;
    chart.walls.bottomColor = 16744576;
    chart.walls.leftColor = 12615808;
    chart.walls.backFilled = false;
    for (ChartAxis* axis : {&chart.leftAxis, &chart.rightAxis}) {
        axis->visible = true;
        axis->valueFormat = "#,##0.0## GB";
        axis->labelColor = clWhite;
    }
    chart.leftAxis.axisLineVisible = false;
    chart.bottomAxis.labelColor = clWhite;
    chart.clearSeries();
    auto& used = chart.addSeries(ChartSeries::Kind::Bar, "Used");
    auto& free = chart.addSeries(ChartSeries::Kind::Bar, "Free");
    for (ChartSeries* s : {&used, &free}) {
        s->multiBar = ChartSeries::MultiBar::Stacked;
        s->barWidthPercent = 65;
        s->axis = ChartSeries::AxisBinding::Both;
        s->marks.visible = true;
        s->marks.format = "#,##0.00 GB";
    }
    used.color = clBlue;
    used.gradientFill = true;
    free.color = clFuchsia;
    double total = 0;
    double freeSum = 0;
    for (const Drive& d : drives) {
        free.add(d.free, d.letter, clFuchsia);
        used.add(d.total - d.free, d.letter, clBlue);
        total += d.total;
        freeSum += d.free;
    }
    free.add(freeSum, "Total", clFuchsia);
    used.add(total - freeSum, "Total", clBlue);
}

void setOpeningStart(ChartModel& chart) {
    chart.view3D = ChartView3D{true, 25, false, 280, 280, 15, 20};
}

void setOpeningMiddle(ChartModel& chart) {
    chart.view3D = ChartView3D{true, 25, false, 320, 320, 15, 60};
}

void setAtRest(ChartModel& chart) {
    chart.view3D = ChartView3D{true, 60, true, 360, 360, 15, 100};
}

void fillTypesPie(ChartModel& chart, int rotationAngle) {
    setUpTypesPie(chart);
    auto& pie = chart.series(0);
    pie.pie.rotationAngle = rotationAngle;
    const std::array<std::pair<const char*, double>, 12> types{{{".mp4", 4210},
                                                                {".iso", 2630},
                                                                {".so", 1502},
                                                                {".jpg", 930},
                                                                {".pdf", 610},
                                                                {".zip", 480},
                                                                {".png", 260},
                                                                {".txt", 140},
                                                                {".cpp", 95},
                                                                {".h", 60},
                                                                {".html", 41},
                                                                {".md", 12}}};
    for (std::size_t k = 0; k < types.size(); ++k)
        pie.add(types[k].second, types[k].first, palette[k]);
}

void fillSizeBars(ChartModel& chart) {
    chart.title.lines = {"File Sizes in MB"};
    chart.legend.inverted = true;
    chart.legend.content = ChartLegend::Content::Values;
    chart.walls.backFilled = false;
    chart.view3D.depthPercent = 15;
    chart.clearSeries();
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar);
    bars.marks.visible = true;
    bars.marks.style = ChartMarks::Style::Percent;
    bars.marks.format = "##0.# %";
    bars.gradientFill = true;
    bars.valueFormat = "#,##0.##";
    const std::array<double, 12> megabytes{12.5,  8.25,  14.0,  27.5,  48.0,  91.2,
                                           150.4, 212.9, 260.0, 301.7, 350.2, 1820.6};
    for (std::size_t i = 0; i < megabytes.size(); ++i)
        bars.add(megabytes[i], sizeClasses[i], palette[i]);
}

void fillCombinedBars(ChartModel& chart) {
    chart.title.lines = {"Combination Access/Created/Modified Chart"};
    chart.view3D.depthPercent = 20;
    chart.walls.backFilled = false;
    chart.walls.leftColor = 16777088;
    chart.legend.content = ChartLegend::Content::SeriesTitles;
    chart.legend.inverted = true;
    chart.clearSeries();
    struct Kind {
        const char* title;
        ColorRef color;
        int offset;
        std::array<double, 10> values;
    };
    const std::array<Kind, 3> kinds{{
        {"Modified", clYellow, -25, {0, 3.5, 12, 30, 55, 40, 80, 120, 90, 210}},
        {"Created", clGreen, 0, {0, 8.2, 20, 44, 70, 52, 95, 110, 60, 140}},
        {"Accessed", clRed, 25, {0, 60, 120, 90, 75, 40, 30, 20, 10, 5}},
    }};
    for (const Kind& k : kinds) {
        auto& s = chart.addSeries(ChartSeries::Kind::HorizBar, k.title);
        s.color = k.color;
        s.barWidthPercent = 40;
        s.barOffsetPercent = k.offset;
        s.gradientFill = true;
        for (std::size_t i = 0; i < k.values.size(); ++i)
            s.add(k.values[i], ageClasses[i], k.color);
    }
}

void fillTimeLines(ChartModel& chart) {
    chart.title.visible = false;
    chart.legend.position = ChartLegend::Position::Top;
    chart.legend.content = ChartLegend::Content::SeriesTitles;
    chart.bottomAxis.automatic = false;
    chart.bottomAxis.minimum = 0;
    chart.bottomAxis.maximum = 47.9583333333333;
    chart.bottomAxis.labelAngle = 90;
    chart.bottomAxis.labelSeparation = 3;
    chart.bottomAxis.title = "Time of day file was modified/created/accessed";
    chart.leftAxis.title = "Numer of files";
    chart.view3D.depthPercent = 20;
    chart.walls.backFilled = false;
    chart.walls.leftColor = 16777088;
    chart.maxPointsPerPage = 47;
    chart.clearSeries();
    const std::array<std::pair<const char*, ColorRef>, 3> series{
        {{"Modified time", clRed}, {"Created time", clLime}, {"Access Time", clBlue}}};
    for (std::size_t k = 0; k < series.size(); ++k) {
        auto& s = chart.addSeries(ChartSeries::Kind::Line, series[k].first);
        s.color = series[k].second;
        for (int slot = 0; slot < 48; ++slot) {
            const double hour = slot / 2.0;
            const double busy = std::exp(-std::pow((hour - 10.5 - 3.0 * k) / 3.2, 2)) * 320 +
                                std::exp(-std::pow((hour - 16.0) / 2.0, 2)) * 180 / (k + 1);
            const double value = slot == 0 ? 0 : std::round(busy + 10 * ((slot * 7 + k * 3) % 5));
            s.addXY(slot, value, platform::formatShortTime(slot / 2, slot % 2 * 30), s.color);
        }
    }
}

void fillAttributeBars(ChartModel& chart) {
    chart.title.visible = false;
    chart.legend.visible = false;
    chart.leftAxis.visible = chart.bottomAxis.visible = false;
    chart.walls.visible = false;
    chart.frameVisible = false;
    chart.allowZoom = false;
    chart.background.color = clSilver;
    chart.maxPointsPerPage = 4;
    chart.clearSeries();
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar);
    bars.marks.visible = true;
    bars.marks.format = "#,##0.## %";
    for (const double share : {61.25, 3.5, 10.0, 25.25})
        bars.add(share, {}, clRed);
}

void fillDrivePie(ChartModel& chart, const std::string& title, double used, double free) {
    chart.title.lines = {title};
    chart.title.color = clBlack;
    chart.legend.visible = false;
    chart.leftAxis.visible = chart.bottomAxis.visible = false;
    chart.margins = ChartMargins{2, 2, 2, 2};
    chart.hint = "Click on pie to toggle animation";
    chart.view3D = ChartView3D{true, 65, false, 360, 315, 0, 100};
    greySilverBackground(chart);
    chart.clearSeries();
    auto& pie = chart.addSeries(ChartSeries::Kind::Pie);
    pie.pie.rotationAngle = 60;
    pie.add(used, " ", clBlue);
    pie.add(free, " ", clFuchsia);
}

QStringList renderChartGallery(const QString& outDir) {
    QDir().mkpath(outDir);
    QStringList written;
    auto save = [&](Chart& chart, const QSize& size, const QString& name) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        chart.paint(painter, image.rect());
        painter.end();
        const QString path = QDir(outDir).filePath(name);
        if (image.save(path))
            written << path;
    };
    const QSize large(900, 600);
    {
        Chart chart;
        fillDriveSpaceBars(chart.model());
        setOpeningStart(chart.model());
        save(chart, large, "chart_main_opening_start.png");
        setOpeningMiddle(chart.model());
        save(chart, large, "chart_main_opening_middle.png");
        setAtRest(chart.model());
        save(chart, large, "chart_main_at_rest.png");
    }
    {
        Chart chart;
        fillTypesPie(chart.model(), 0);
        save(chart, QSize(700, 460), "chart_types_pie_0.png");
        fillTypesPie(chart.model(), 130);
        save(chart, QSize(700, 460), "chart_types_pie_130.png");
    }
    {
        Chart chart;
        fillSizeBars(chart.model());
        save(chart, large, "chart_sizes_bars.png");
    }
    {
        Chart chart;
        fillCombinedBars(chart.model());
        save(chart, large, "chart_combined_bars.png");
    }
    {
        Chart chart;
        fillTimeLines(chart.model());
        save(chart, large, "chart_time_lines.png");
    }
    {
        Chart chart;
        fillAttributeBars(chart.model());
        save(chart, QSize(260, 130), "chart_attribute_bars.png");
    }
    {
        // The Space page's pie panel: eleven small pies and the total pie.
        QImage panel(QSize(3 * 103 + 250 + 20, 3 * 99 + 10), QImage::Format_ARGB32_Premultiplied);
        panel.fill(QColor(192, 192, 192));
        QPainter painter(&panel);
        double usedSum = 0;
        double freeSum = 0;
        for (int i = 0; i < 11; ++i) {
            const double total = 40 + 37 * i;
            const double free = total * (0.1 + 0.08 * i);
            usedSum += total - free;
            freeSum += free;
            Chart pie;
            const std::string root(1, static_cast<char>('C' + i));
            fillDrivePie(pie.model(), root + ":\\  " + std::to_string(10 + 8 * i) + ".0% free",
                         total - free, free);
            pie.model().series(0).pie.rotationAngle = 60 + 25 * i;
            const QRect cell = i < 5 ? QRect(i * 103, 0, 103, 99)
                                     : QRect(((i - 5) % 3) * 103, 99 * (1 + (i - 5) / 3), 103, 99);
            pie.paint(painter, cell.translated(5, 5));
        }
        Chart total;
        fillDrivePie(total.model(), "TOTAL 43.2% free", usedSum, freeSum);
        total.paint(painter, QRect(3 * 103 + 15, 104, 235, 183));
        painter.end();
        const QString path = QDir(outDir).filePath("chart_space_pies.png");
        if (panel.save(path))
            written << path;
    }
    {
        Chart chart;
        fillSizeBars(chart.model());
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Landscape);
        const QString path = QDir(outDir).filePath("chart_sizes_printed.pdf");
        printer.setOutputFileName(path);
        printChart(chart, printer);
        written << path;
    }
    return written;
}

} // namespace chart_gallery
