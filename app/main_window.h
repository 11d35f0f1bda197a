#pragma once
// The main window, TfrmMain: a full-window 3D chart of used and free space per drive, two large
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

class TfrmMain final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmMain)

public:
    // The entries of the statistics window's drive list, in list order.
    using DriveEntries = std::function<std::vector<std::string>()>;

    TfrmMain(DriveEntries statDriveEntries, std::function<void()> showStatistics,
             QWidget* parent = nullptr);

    // Handlers, public so that tests can drive the animation tick by tick.
    void FormResize();
    void FormCloseQuery(bool& canClose);
    void btStatisticClick();
    void btReachClick();
    void btCloseClick();
    void chartSpaceBarDblClick();
    void Timer1Timer();
    void Timer2Timer();
    void doDiskSize();

    [[nodiscard]] Chart* chartSpaceBar() const { return m_chartSpaceBar; }
    [[nodiscard]] EffectLabel* lblTitle() const { return m_lblTitle; }
    [[nodiscard]] EffectLabel* lblBottom() const { return m_lblBottom; }
    [[nodiscard]] QPushButton* btStatistic() const { return m_btStatistic; }
    [[nodiscard]] QPushButton* btReach() const { return m_btReach; }
    [[nodiscard]] QPushButton* btClose() const { return m_btClose; }
    [[nodiscard]] const QTimer* timer1() const { return m_timer1; }
    [[nodiscard]] const QTimer* timer2() const { return m_timer2; }
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
    void FormCreate();
    void FormShow();
    void buildChart();
    void applyHintSettings();
    // Puts the animation's state onto the chart, the labels, the buttons and the timers.
    void showAnimationState();

    DriveEntries m_statDriveEntries;
    std::function<void()> m_showStatistics;
    ChartAnimation m_animation;

    GradientBackground* m_gradientBack1 = nullptr;
    Chart* m_chartSpaceBar = nullptr;
    EffectLabel* m_lblTitle = nullptr;
    EffectLabel* m_lblBottom = nullptr;
    QPushButton* m_btStatistic = nullptr;
    QPushButton* m_btReach = nullptr;
    QPushButton* m_btClose = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
};
