#include "app/main_window.h"

#include "fake_drives.h"
#include "platform/ad_library.h"
#include "ui/chart.h"
#include "ui/effect_label.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

using tally_test::FakeDrives;

namespace {

// Gigabytes are bytes times 9.313226e-10, a little less exact than 2^-30.
constexpr double gbTolerance = 1e-4;

const std::vector<std::string> threeDrives{"c: [system]", "d: [data]", "e: (Removable disk)"};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest()
        : m_drives({{'c', 100, 40}, {'d', 500, 100}, {'e', 2, 1}}),
          m_window([this] { return m_entries; }, [this] { ++m_statisticsShown; }) {
        platform::clearRecordedAdCalls();
    }

    int adCloseCalls() const {
        int calls = 0;
        for (const platform::AdCall& call : platform::recordedAdCalls())
            if (!call.isShow && call.args == std::vector<std::intptr_t>{0, 0, 0})
                ++calls;
        return calls;
    }

    void runZoomTimer() {
        for (int tick = 0; m_window.zoomTimer()->isActive() && tick < 200; ++tick)
            m_window.onZoomTimerTick();
    }
    void runDepthTimer() {
        for (int tick = 0; m_window.depthTimer()->isActive() && tick < 200; ++tick)
            m_window.onDepthTimerTick();
    }
    bool buttonsHidden() const {
        return m_window.statisticsButton()->isHidden() && m_window.aboutButton()->isHidden() &&
               m_window.exitButton()->isHidden();
    }

    FakeDrives m_drives;
    std::vector<std::string> m_entries = threeDrives;
    int m_statisticsShown = 0;
    MainWindow m_window;
};

} // namespace

TEST_F(MainWindowTest, ButtonsSitAtTheBottomRightWhateverTheSize) {
    for (const QSize size : {QSize(642, 482), QSize(900, 700)}) {
        m_window.resize(size);
        m_window.layoutControls();
        const QRect close = m_window.exitButton()->geometry();
        const QRect reach = m_window.aboutButton()->geometry();
        const QRect statistic = m_window.statisticsButton()->geometry();
        EXPECT_EQ(close.x() + close.width(), size.width() - 6);
        EXPECT_EQ(reach.x() + reach.width(), close.x() - 6);
        EXPECT_EQ(statistic.x() + statistic.width(), reach.x() - 6);
        for (const QRect& button : {close, reach, statistic})
            EXPECT_EQ(button.y() + button.height(), size.height() - 5);
        EXPECT_EQ(m_window.chartSpaceBar()->geometry(), QRect(QPoint(0, 0), size));
        EXPECT_EQ(m_window.titleLabel()->geometry().top(), 0);
        EXPECT_EQ(m_window.titleLabel()->height(), 57);
        EXPECT_EQ(m_window.bottomLabel()->geometry().bottom(), size.height() - 1);
        EXPECT_EQ(m_window.bottomLabel()->height(), 41);
    }
}

TEST_F(MainWindowTest, ShowingFillsTheChartAndStartsTheOpening) {
    m_window.show();
    const ChartModel& chart = m_window.chartSpaceBar()->model();
    ASSERT_EQ(chart.seriesCount(), 2);
    EXPECT_EQ(chart.series(0).color, clBlue) << "used space first, at the bottom of the stack";
    EXPECT_EQ(chart.series(1).color, clFuchsia);
    ASSERT_EQ(chart.series(0).count(), 4);
    EXPECT_EQ(chart.series(1).points()[3].label, "Total");
    EXPECT_EQ(chart.view3D.zoomPercent, 20);
    EXPECT_EQ(chart.view3D.rotation, 280);
    EXPECT_TRUE(m_window.zoomTimer()->isActive());
    EXPECT_EQ(m_window.zoomTimer()->interval(), 55);
    EXPECT_FALSE(m_window.depthTimer()->isActive());
    EXPECT_EQ(m_window.depthTimer()->interval(), 50);
    EXPECT_TRUE(m_window.titleLabel()->isHidden());
    EXPECT_TRUE(m_window.bottomLabel()->isHidden());
    EXPECT_EQ(m_window.windowTitle(), QStringLiteral("Tally 99"));
    ASSERT_GT(QGuiApplication::primaryScreen()->geometry().width(), MainWindow::narrowScreenWidth);
    EXPECT_FALSE(m_window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(m_window.size(), QSize(642, 482));
}

TEST_F(MainWindowTest, DoDiskSizeWithOneDriveHasNoTotal) {
    m_entries = {"d: [data]"};
    m_window.doDiskSize();
    const ChartModel& chart = m_window.chartSpaceBar()->model();
    ASSERT_EQ(chart.series(1).count(), 1);
    EXPECT_EQ(chart.series(1).points()[0].label, "d");
    EXPECT_NEAR(chart.series(0).value(0), 400, gbTolerance);
}

TEST_F(MainWindowTest, OpeningThenTwoStepClose) {
    int closedSignals = 0;
    QObject::connect(&m_window, &MainWindow::closed, [&] { ++closedSignals; });
    m_window.show();
    runZoomTimer();
    EXPECT_TRUE(m_window.chartSpaceBar()->model().view3D.orthogonal);
    EXPECT_TRUE(m_window.depthTimer()->isActive());
    runDepthTimer();
    EXPECT_EQ(m_window.chartSpaceBar()->model().view3D.depthPercent, 61);
    EXPECT_FALSE(m_window.titleLabel()->isHidden());
    EXPECT_FALSE(m_window.bottomLabel()->isHidden());
    EXPECT_EQ(m_window.chartSpaceBar()->model().hint, "Double click chart to view animation");

    m_window.exitButton()->click();
    EXPECT_TRUE(m_window.isVisible()) << "the first close request is refused";
    EXPECT_EQ(adCloseCalls(), 1);
    EXPECT_TRUE(buttonsHidden());
    EXPECT_TRUE(m_window.titleLabel()->isHidden());
    EXPECT_TRUE(m_window.depthTimer()->isActive());
    EXPECT_EQ(closedSignals, 0);

    runDepthTimer();
    EXPECT_LE(m_window.chartSpaceBar()->model().view3D.depthPercent, 15);
    EXPECT_TRUE(m_window.zoomTimer()->isActive());
    runZoomTimer();
    EXPECT_FALSE(m_window.isVisible()) << "the end of the zoom-out closes the window";
    EXPECT_EQ(adCloseCalls(), 2);
    EXPECT_EQ(closedSignals, 1);
}

TEST_F(MainWindowTest, CloseRequestWhileZoomingInKeepsBothTimers) {
    m_window.show();
    for (int tick = 0; tick < 5; ++tick)
        m_window.onZoomTimerTick();
    bool canClose = true;
    m_window.onCloseRequested(canClose);
    EXPECT_FALSE(canClose);
    EXPECT_TRUE(m_window.depthTimer()->isActive());
    EXPECT_TRUE(m_window.zoomTimer()->isActive());
    EXPECT_TRUE(buttonsHidden());
    const int zoom = m_window.chartSpaceBar()->model().view3D.zoomPercent;
    m_window.onZoomTimerTick();
    EXPECT_EQ(m_window.chartSpaceBar()->model().view3D.zoomPercent, zoom - 3);

    canClose = false;
    m_window.onCloseRequested(canClose);
    EXPECT_TRUE(canClose) << "the second request is allowed at once";
    EXPECT_EQ(adCloseCalls(), 2);
}

TEST_F(MainWindowTest, DoubleClickOnTheRestingChartReplaysTheOpening) {
    m_window.show();
    runZoomTimer();
    runDepthTimer();
    ASSERT_FALSE(m_window.titleLabel()->isHidden());

    Chart* chart = m_window.chartSpaceBar();
    const QPointF at(100, 100);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, at, chart->mapToGlobal(at), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(chart, &doubleClick);

    EXPECT_TRUE(m_window.titleLabel()->isHidden());
    EXPECT_TRUE(m_window.bottomLabel()->isHidden());
    EXPECT_TRUE(chart->model().hint.empty());
    EXPECT_EQ(chart->model().view3D.zoomPercent, 20);
    EXPECT_EQ(chart->model().view3D.depthPercent, 25);
    EXPECT_FALSE(chart->model().view3D.orthogonal);
    EXPECT_TRUE(m_window.zoomTimer()->isActive());
    EXPECT_FALSE(buttonsHidden());
    runZoomTimer();
    runDepthTimer();
    EXPECT_FALSE(m_window.titleLabel()->isHidden());
}

TEST_F(MainWindowTest, CollectButtonShowsTheStatisticsWindow) {
    m_window.show();
    EXPECT_TRUE(m_window.statisticsButton()->isDefault());
    m_window.statisticsButton()->click();
    EXPECT_EQ(m_statisticsShown, 1);
    EXPECT_EQ(m_window.exitButton()->toolTip(), QStringLiteral("Quit and close "));
}
