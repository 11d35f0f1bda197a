#pragma once
// The opening and closing animation of the main window's drive chart, as plain state: the 3D
// view it sets, which of its two timers runs, whether the labels and buttons show and the
// chart's hint. The window calls the handlers below from its timers, its double-click and its
// close requests, then copies the state onto its widgets; tests drive it tick by tick.
//
// Opening: zoom in from 20 % while turning to face the viewer (zoom timer), then deepen to a
// depth that suits the number of drives (depth timer), then rest. Closing: flatten to 15 %,
// then zoom out while turning away; when the zoom falls below 1 the window asks to close again.

#include "ui/chart_view_3d.h"

#include <cstdint>
#include <string>

class ChartAnimation final {
public:
    static constexpr int depthTimerMs = 50;
    static constexpr int zoomTimerMs = 55;

    // The depth step per tick and the depth at which deepening stops, from the number of
    // entries of the statistics window's drive list: fewer drives get a deeper, faster chart.
    struct DepthPlan {
        std::int32_t step = 0;
        std::int32_t target = 0;
    };
    [[nodiscard]] static DepthPlan depthPlan(int driveEntries);

    ChartAnimation();

    // When the window is shown: the view the opening starts from, zoom timer on.
    void start();
    // A zoom timer tick. Answers true when the window must ask to close (the closing zoom has
    // ended).
    [[nodiscard]] bool zoomTick();
    // A depth timer tick.
    void depthTick(int driveEntries);
    // A double click on the chart: hide the labels and play the opening again.
    void replay();
    // A close request: the first request since the window was shown is refused and starts the
    // closing animation; every later one is allowed.
    [[nodiscard]] bool closeRequested();

    [[nodiscard]] const ChartView3D& view() const { return m_view; }
    [[nodiscard]] bool depthTimerOn() const { return m_depthTimerOn; }
    [[nodiscard]] bool zoomTimerOn() const { return m_zoomTimerOn; }
    [[nodiscard]] bool labelsVisible() const { return m_labelsVisible; }
    [[nodiscard]] bool buttonsVisible() const { return m_buttonsVisible; }
    [[nodiscard]] const std::string& chartHint() const { return m_chartHint; }
    [[nodiscard]] bool opening() const { return m_opening; }
    [[nodiscard]] std::int32_t closeCount() const { return m_closeCount; }
    [[nodiscard]] std::int32_t animStep() const { return m_animStep; }
    [[nodiscard]] std::int32_t animTarget() const { return m_animTarget; }

private:
    void faceViewer(bool orthogonal);

    ChartView3D m_view;
    std::int32_t m_closeCount = 0;
    bool m_opening = true;
    std::int32_t m_animStep = 0;
    std::int32_t m_animTarget = 0;
    bool m_depthTimerOn = false;
    bool m_zoomTimerOn = false;
    bool m_labelsVisible = false;
    bool m_buttonsVisible = true;
    std::string m_chartHint;
};
