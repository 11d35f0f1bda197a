#pragma once
// The chart widget: shows a ChartModel, lets the user drag a rectangle to zoom (down and to
// the right) or to undo the zoom (up and to the left), reports clicks and double-clicks, and
// shows the model's hint as its tool tip. Drawing is ChartPainter's, so paint() serves the
// screen, images and printers alike.
//
// Page code changes the chart through model(); every non-const access schedules a repaint,
// so a fill or an animation tick never leaves a stale picture on screen.

#include "ui/chart_model.h"
#include "ui/chart_painter.h"

#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

class Chart final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Chart)

public:
    explicit Chart(QWidget* parent = nullptr);

    [[nodiscard]] ChartModel& model();
    [[nodiscard]] const ChartModel& model() const { return m_model; }

    // Draws the chart into rect of any paint device.
    void paint(QPainter& painter, const QRect& rect);

    void undoZoom();

    // The boxes of the value marks of the last paint, in the coordinates it painted in.
    [[nodiscard]] const std::vector<QRectF>& markRects() const { return m_markRects; }

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void zoomTo(const QRectF& pixels);

    ChartModel m_model;
    std::vector<QRectF> m_markRects;
    ChartPainter::Layout m_lastLayout;
    // The plot as last painted on screen, for turning a dragged rectangle into values.
    ChartPainter::Layout m_screenLayout;
    std::optional<QPoint> m_dragStart;
    QPoint m_dragNow;
};
