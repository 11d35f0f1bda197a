#include "app/chart_animation.h"

namespace {

constexpr int startZoom = 20;
constexpr int startTurn = 280; // rotation and elevation at the start of the opening
constexpr int startDepth = 25;
constexpr int facingTurn = 360;
constexpr int flatDepth = 15;
constexpr const char* restingHint = "Double click chart to view animation";

} // namespace

ChartAnimation::DepthPlan ChartAnimation::depthPlan(int driveEntries) {
    const int n = driveEntries - 1;
    if (n <= 2)
        return {4, 60};
    if (n <= 7)
        return {2, 36};
    if (n <= 11)
        return {1, 20};
    return {1, 10};
}

ChartAnimation::ChartAnimation() {
    m_view.zoomPercent = startZoom;
}

void ChartAnimation::start() {
    m_closeCount = 0;
    m_opening = true;
    m_view.zoomPercent = startZoom;
    m_view.rotation = startTurn;
    m_view.elevation = startTurn;
    m_view.orthogonal = false;
    m_view.depthPercent = startDepth;
    m_zoomTimerOn = true;
}

bool ChartAnimation::zoomTick() {
    if (m_opening && m_view.zoomPercent >= 100) {
        faceViewer(true);
        m_zoomTimerOn = false;
        m_depthTimerOn = true;
        return false;
    }
    if (!m_opening && m_view.zoomPercent < 1) {
        m_zoomTimerOn = false;
        return true;
    }
    const int turn = m_opening ? 2 : -2;
    m_view.zoomPercent += m_opening ? 2 : -3;
    m_view.rotation += turn;
    m_view.elevation += turn;
    return false;
}

void ChartAnimation::depthTick(int driveEntries) {
    const DepthPlan plan = depthPlan(driveEntries);
    m_animStep = plan.step;
    m_animTarget = plan.target;
    if (m_opening) {
        if (m_view.depthPercent >= m_animTarget) {
            m_labelsVisible = true;
            m_chartHint = restingHint;
            m_depthTimerOn = false;
        } else {
            m_view.depthPercent += m_animStep;
        }
        return;
    }
    if (m_view.depthPercent <= flatDepth) {
        faceViewer(false);
        m_depthTimerOn = false;
        m_zoomTimerOn = true;
    } else {
        m_view.depthPercent -= m_animStep;
    }
}

void ChartAnimation::replay() {
    m_labelsVisible = false;
    m_chartHint.clear();
    m_view.rotation = startTurn;
    m_view.elevation = startTurn;
    m_view.orthogonal = false;
    m_view.zoomPercent = startZoom;
    m_view.depthPercent = startDepth;
    m_zoomTimerOn = true;
    m_opening = true;
}

bool ChartAnimation::closeRequested() {
    ++m_closeCount;
    if (m_closeCount >= 2)
        return true;
    m_opening = false;
    m_buttonsVisible = false;
    m_labelsVisible = false;
    m_depthTimerOn = true;
    return false;
}

void ChartAnimation::faceViewer(bool orthogonal) {
    m_view.orthogonal = orthogonal;
    m_view.rotation = facingTurn;
    m_view.elevation = facingTurn;
}
