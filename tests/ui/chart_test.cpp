#include "ui/chart.h"
#include "ui/chart_gallery.h"
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
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            colours.insert(image.pixel(x, y));
        }
    }
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
        for (int y = inside.top(); y <= inside.bottom(); ++y) {
            for (int x = inside.left(); x <= inside.right(); ++x) {
                dark += qGray(image.pixel(x, y)) < 90 ? 1 : 0;
            }
        }
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
    for (std::size_t i = 1; i < marks.size(); ++i) {
        EXPECT_LT(marks[i].center().y(), marks[i - 1].center().y()) << "bar " << i;
    }
    // The biggest bar's mark stands furthest right.
    for (std::size_t i = 0; i + 1 < marks.size(); ++i) {
        EXPECT_LT(marks[i].right(), marks[11].right());
    }
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
