#pragma once
// Draws one ChartModel with a QPainter into a rectangle of any device: the widget on screen,
// a QImage, a printer page. Sizes (fonts, pens, gaps) are in pixels of 96 dpi scaled by the
// device's resolution, so a printed chart looks like the one on screen and keeps vector
// graphics and real text. One painter draws one frame; it keeps what it laid out (the value
// marks' boxes, the plot's front face, the bars' faces) for the widget's mouse zoom and for
// tests.

#include "ui/axis_range.h"
#include "ui/chart_model.h"
#include "ui/chart_projection.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <string>
#include <vector>

class ChartPainter final {
public:
    // Where the plot ended up: its front face on the device and the ranges it shows.
    struct Layout {
        bool cartesian = false;
        bool horizontal = false;
        QRectF frontFace;
        AxisRange category;
        AxisRange value;
    };
    // One bar as drawn: the faces of it that face the viewer, on the device.
    struct BarShape {
        int series = 0;
        int point = 0;
        std::vector<QPolygonF> faces;
    };

    ChartPainter(const ChartModel& model, QPainter& painter, const QRect& rect);

    void paint();

    [[nodiscard]] const std::vector<QRectF>& markRects() const { return m_markRects; }
    [[nodiscard]] const Layout& layout() const { return m_layout; }
    // The bars in the order they were drawn, each over those before it.
    [[nodiscard]] const std::vector<BarShape>& bars() const { return m_bars; }

private:
    struct Mark {
        std::string text;
        QPointF anchor; // where the arrow starts; equal to the box centre without an arrow
        QRectF box;
        const ChartMarks* style = nullptr;
    };

    [[nodiscard]] double px(double pixelsAt96) const { return pixelsAt96 * m_unit; }
    [[nodiscard]] QFont font(double pixelsAt96, bool bold = false) const;

    void paintBackground();
    QRectF paintTitle(QRectF area);
    QRectF paintLegend(QRectF area);
    void paintCartesian(QRectF area);
    void paintPie(const QRectF& area, int seriesIndex);
    void paintMarks(std::vector<Mark>& marks, bool pushUp);

    const ChartModel& m_model;
    QPainter& m_painter;
    QRectF m_rect;
    double m_unit = 1;
    double m_markFontSize = 10; // pixels at 96 dpi
    std::vector<QRectF> m_markRects;
    std::vector<BarShape> m_bars;
    Layout m_layout;
};
