#pragma once
// The main window: a full-window 3D chart of used and free space per drive, two large
// shadowed labels and three buttons. The chart zooms in and deepens when the window is shown
// and flattens and zooms out before the program ends: the first close request starts that
// closing animation, and its end asks a second time, which closes the window.
//
// The window reads the statistics window's drive list and opens that window, but does not
// know it: start-up hands it a function for each, so either window can be built and tested
// without the other.

#include "app/chart_animation.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class Chart;
class EffectLabel;
class GradientBackground;
class QPushButton;
class QTimer;

class MainWindow final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainWindow)

public:
    // The entries of the statistics window's drive list, in list order.
    using DriveEntries = std::function<std::vector<std::string>()>;

    MainWindow(DriveEntries statDriveEntries, std::function<void()> showStatistics,
               QWidget* parent = nullptr);

    // Handlers, public so that tests can drive the animation tick by tick.
    void layoutControls();
    void onCloseRequested(bool& canClose);
    void onStatisticsClicked();
    void onAboutClicked();
    void onExitClicked();
    void onChartDoubleClicked();
    void onDepthTimerTick();
    void onZoomTimerTick();
    void doDiskSize();

    [[nodiscard]] Chart* chartSpaceBar() const { return m_chartSpaceBar; }
    [[nodiscard]] EffectLabel* titleLabel() const { return m_titleLabel; }
    [[nodiscard]] EffectLabel* bottomLabel() const { return m_bottomLabel; }
    [[nodiscard]] QPushButton* statisticsButton() const { return m_statisticsButton; }
    [[nodiscard]] QPushButton* aboutButton() const { return m_aboutButton; }
    [[nodiscard]] QPushButton* exitButton() const { return m_exitButton; }
    [[nodiscard]] const QTimer* depthTimer() const { return m_depthTimer; }
    [[nodiscard]] const QTimer* zoomTimer() const { return m_zoomTimer; }
    [[nodiscard]] const ChartAnimation& animation() const { return m_animation; }

    // A screen this narrow shows the window maximized.
    static constexpr int narrowScreenWidth = 640;

signals:
    // The window has closed: the program ends.
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpControls();
    void onShown();
    void buildChart();
    void applyHintSettings();
    // Puts the animation's state onto the chart, the labels, the buttons and the timers.
    void showAnimationState();

    DriveEntries m_statDriveEntries;
    std::function<void()> m_showStatistics;
    ChartAnimation m_animation;

    GradientBackground* m_background = nullptr;
    Chart* m_chartSpaceBar = nullptr;
    EffectLabel* m_titleLabel = nullptr;
    EffectLabel* m_bottomLabel = nullptr;
    QPushButton* m_statisticsButton = nullptr;
    QPushButton* m_aboutButton = nullptr;
    QPushButton* m_exitButton = nullptr;
    QTimer* m_depthTimer = nullptr;
    QTimer* m_zoomTimer = nullptr;
};
