#include "ui/chart.h"
#include "ui/chart_gallery.h"
#include "ui/chart_painter.h"
#include "ui/chart_previewer.h"

#include "platform/locale_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

class ChartTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrentLocale(platform::Locale{",", ".", "h:mm AP"}); }

    QImage render(Chart& chart, QSize size = QSize(800, 500)) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        chart.paint(painter, image.rect());
        return image;
    }
};

int distinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    return static_cast<int>(colours.size());
}

// Marks lie inside the picture, apart from each other, and hold dark text on their box.
void expectMarksWellPlaced(const Chart& chart, const QImage& image) {
    const auto& marks = chart.markRects();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        EXPECT_TRUE(QRectF(image.rect()).contains(marks[i]))
            << "mark " << i << " leaves the picture";
        for (std::size_t j = 0; j < i; ++j) {
            EXPECT_FALSE(marks[i].intersects(marks[j]))
                << "marks " << j << " and " << i << " overlap";
        }
        int dark = 0;
        const QRect inside = marks[i].toAlignedRect().adjusted(2, 2, -2, -2) & image.rect();
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x)
                dark += qGray(image.pixel(x, y)) < 90 ? 1 : 0;
        EXPECT_GT(dark, 5) << "mark " << i << " shows no text";
    }
}

TEST_F(ChartTest, EveryKindDrawsAPicture) {
    const std::vector<std::function<void(ChartModel&)>> fills{
        [](ChartModel& m) {
            chart_gallery::fillDriveSpaceBars(m);
            chart_gallery::setAtRest(m);
        },
        [](ChartModel& m) { chart_gallery::fillTypesPie(m, 45); },
        chart_gallery::fillSizeBars,
        chart_gallery::fillCombinedBars,
        chart_gallery::fillTimeLines,
        [](ChartModel& m) { chart_gallery::fillDrivePie(m, "C:\\  30.0% free", 70, 30); }};
    for (std::size_t i = 0; i < fills.size(); ++i) {
        Chart chart;
        fills[i](chart.model());
        const QImage image = render(chart);
        EXPECT_GT(distinctColours(image), 40) << "chart " << i << " looks blank";
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 255)
            << "chart " << i << " leaves its corner unpainted";
        expectMarksWellPlaced(chart, image);
    }
}

TEST_F(ChartTest, EmptyAndDegenerateChartsDrawWithoutMarks) {
    Chart empty;
    render(empty);
    EXPECT_TRUE(empty.markRects().empty());

    Chart zeroPie;
    chart_gallery::fillTypesPie(zeroPie.model(), 0);
    zeroPie.model().series(0).clear();
    zeroPie.model().series(0).add(0, ".txt");
    EXPECT_GT(distinctColours(render(zeroPie)), 10) << "the background still shows";
    EXPECT_TRUE(zeroPie.markRects().empty());

    Chart fixedFlat;
    chart_gallery::fillTimeLines(fixedFlat.model());
    fixedFlat.model().bottomAxis.maximum = fixedFlat.model().bottomAxis.minimum;
    fixedFlat.model().leftAxis.automatic = false;
    render(fixedFlat, QSize(50, 40)); // an axis without span in a chart too small for a plot
    EXPECT_TRUE(fixedFlat.markRects().empty());

    Chart notANumber;
    chart_gallery::fillSizeBars(notANumber.model());
    notANumber.model().series(0).add(std::nan(""), "broken");
    render(notANumber);
    EXPECT_EQ(notANumber.markRects().size(), 12u) << "a value that is no number draws no bar";
    EXPECT_TRUE(std::isfinite(notANumber.model().axisRange(ChartModel::AxisId::Bottom).maximum));
}

TEST_F(ChartTest, HorizontalBarMarksFollowTheirBarsUpwards) {
    Chart chart;
    chart_gallery::fillSizeBars(chart.model());
    const QImage image = render(chart);
    const auto& marks = chart.markRects();
    ASSERT_EQ(marks.size(), 12u);
    for (std::size_t i = 1; i < marks.size(); ++i)
        EXPECT_LT(marks[i].center().y(), marks[i - 1].center().y()) << "bar " << i;
    // The biggest bar's mark stands furthest right.
    for (std::size_t i = 0; i + 1 < marks.size(); ++i)
        EXPECT_LT(marks[i].right(), marks[11].right());
}

TEST_F(ChartTest, PieMarksOneForEachSliceAfterMerging) {
    Chart chart;
    chart_gallery::fillTypesPie(chart.model(), 0);
    const auto slices = chart.model().pieSlices(0);
    for (const int angle : {0, 90, 181, 275, 359}) {
        chart.model().series(0).pie.rotationAngle = angle;
        const QImage image = render(chart, QSize(640, 420));
        EXPECT_EQ(chart.markRects().size(), slices.size()) << "angle " << angle;
        expectMarksWellPlaced(chart, image);
    }
}

TEST_F(ChartTest, StackedMarksSitOnTheirSegmentsAndHideWhenZoomedFarOut) {
    Chart chart;
    chart_gallery::fillDriveSpaceBars(chart.model());
    chart_gallery::setAtRest(chart.model());
    const QImage image = render(chart, QSize(900, 600));
    const int bars = chart.model().series(0).count();
    EXPECT_GE(static_cast<int>(chart.markRects().size()), bars) << "at least the used marks show";
    expectMarksWellPlaced(chart, image);
    chart_gallery::setOpeningStart(chart.model());
    render(chart, QSize(900, 600));
    EXPECT_TRUE(chart.markRects().empty());
}

double area(const QPolygonF& polygon) {
    double twice = 0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF& a = polygon[i];
        const QPointF& b = polygon[(i + 1) % polygon.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2;
}

// Three series of ten bars side by side, as on the Combined page: Created as long as Accessed,
// shorter and longer in turn, Modified longer than both.
ChartModel sideBySide(ChartSeries::Kind kind, int depthPercent) {
    ChartModel model;
    model.view3D.depthPercent = depthPercent;
    const std::pair<ColorRef, int> kinds[] = {{clYellow, -25}, {clGreen, 0}, {clRed, 25}};
    for (const auto& [color, offset] : kinds) {
        auto& series = model.addSeries(kind);
        series.barWidthPercent = 40;
        series.barOffsetPercent = offset;
        series.gradientFill = true;
    }
    for (int i = 0; i < 10; ++i) {
        const double accessed = 20.0 + 10.0 * i;
        const double created = i % 3 == 0 ? accessed : i % 3 == 1 ? accessed / 2 : accessed * 1.5;
        model.series(0).add(200, "class", clYellow);
        model.series(1).add(created, "class", clGreen);
        model.series(2).add(accessed, "class", clRed);
    }
    return model;
}

// Where a face of a bar lies under a face of a later-drawn bar of the same class.
std::vector<std::string> coveredFaces(const ChartModel& model) {
    QImage image(800, 500, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    ChartPainter chartPainter(model, painter, image.rect());
    chartPainter.paint();
    const auto& bars = chartPainter.bars();
    EXPECT_EQ(bars.size(), 30U);
    std::vector<std::string> covered;
    for (std::size_t a = 0; a < bars.size(); ++a) {
        EXPECT_GE(bars[a].faces.size(), 3U) << "front, end and top of bar " << a;
        for (std::size_t b = a + 1; b < bars.size(); ++b) {
            if (bars[a].point != bars[b].point)
                continue;
            for (const QPolygonF& under : bars[a].faces) {
                for (const QPolygonF& over : bars[b].faces) {
                    const double shared = area(under.intersected(over));
                    if (shared > 0.5) {
                        covered.push_back("class " + std::to_string(bars[a].point) + ": series " +
                                          std::to_string(bars[a].series) + " under series " +
                                          std::to_string(bars[b].series) + ", " +
                                          std::to_string(std::lround(shared)) + " px");
                    }
                }
            }
        }
    }
    return covered;
}

TEST_F(ChartTest, SideBySideBarsOfOneClassKeepTheirFacesInSight) {
    const std::vector<std::string> none;
    EXPECT_EQ(coveredFaces(sideBySide(ChartSeries::Kind::HorizBar, 20)), none);
    EXPECT_EQ(coveredFaces(sideBySide(ChartSeries::Kind::HorizBar, 60)), none);
    EXPECT_EQ(coveredFaces(sideBySide(ChartSeries::Kind::Bar, 20)), none);
    // Turned either way, the depth runs to the other side; the slices follow it.
    for (const int rotation : {345, 30}) {
        for (const auto kind : {ChartSeries::Kind::HorizBar, ChartSeries::Kind::Bar}) {
            ChartModel turned = sideBySide(kind, 20);
            turned.view3D.orthogonal = false;
            turned.view3D.rotation = rotation;
            EXPECT_EQ(coveredFaces(turned), none) << "rotation " << rotation;
        }
    }
}

TEST_F(ChartTest, EveryAnimationStepDrawsInsideTheChart) {
    Chart chart;
    chart_gallery::fillDriveSpaceBars(chart.model());
    chart_gallery::setOpeningStart(chart.model());
    ChartView3D& view = chart.model().view3D;
    // Opening: zoom, rotation and elevation +2 until zoom 100, then orthogonal deepening.
    while (view.zoomPercent < 100) {
        view.zoomPercent += 2;
        view.rotation += 2;
        view.elevation += 2;
        const QImage image = render(chart, QSize(900, 600));
        EXPECT_GT(distinctColours(image), 10) << "zoom " << view.zoomPercent;
        expectMarksWellPlaced(chart, image);
    }
    view.orthogonal = true;
    for (view.depthPercent = 25; view.depthPercent <= 60; view.depthPercent += 5) {
        const QImage image = render(chart, QSize(900, 600));
        expectMarksWellPlaced(chart, image);
    }
}

TEST_F(ChartTest, DraggingZoomsAndDraggingBackUndoes) {
    Chart chart;
    chart.resize(600, 400);
    chart_gallery::fillSizeBars(chart.model());
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    chart.render(&image);
    int clicks = 0;
    QObject::connect(&chart, &Chart::clicked, [&clicks] { ++clicks; });
    auto mouse = [&chart](QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, chart.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&chart, &event);
    };
    const double wholeMaximum = chart.model().axisRange(ChartModel::AxisId::Bottom).maximum;
    mouse(QEvent::MouseButtonPress, QPoint(150, 100));
    mouse(QEvent::MouseMove, QPoint(300, 250));
    mouse(QEvent::MouseButtonRelease, QPoint(300, 250));
    ASSERT_TRUE(chart.model().zoomed());
    EXPECT_LT(chart.model().axisRange(ChartModel::AxisId::Bottom).maximum, wholeMaximum);
    EXPECT_EQ(clicks, 0);
    mouse(QEvent::MouseButtonPress, QPoint(300, 250));
    mouse(QEvent::MouseButtonRelease, QPoint(200, 150));
    EXPECT_FALSE(chart.model().zoomed());
    mouse(QEvent::MouseButtonPress, QPoint(300, 250));
    mouse(QEvent::MouseButtonRelease, QPoint(301, 250));
    EXPECT_EQ(clicks, 1);
    chart.model().allowZoom = false;
    mouse(QEvent::MouseButtonPress, QPoint(150, 100));
    mouse(QEvent::MouseButtonRelease, QPoint(300, 250));
    EXPECT_FALSE(chart.model().zoomed()) << "a chart without zoom takes a drag for a click";
    EXPECT_EQ(clicks, 2);
}

TEST_F(ChartTest, PrintingGivesOnePdfPage) {
    const QString dir =
        QDir(qEnvironmentVariable("TALLY_TEST_TMP", QDir::tempPath()))
            .filePath(QStringLiteral("chart_test_%1").arg(QCoreApplication::applicationPid()));
    ASSERT_TRUE(QDir().mkpath(dir));
    const QString path = QDir(dir).filePath("chart.pdf");
    Chart chart;
    chart_gallery::fillCombinedBars(chart.model());
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printChart(chart, printer);
    }
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "),
              1);
    EXPECT_TRUE(pdf.contains("/Count 1"));
    EXPECT_FALSE(pdf.contains("/Subtype /Image")) << "the chart prints as vectors, not a bitmap";
    QDir(dir).removeRecursively();
}

} // namespace
