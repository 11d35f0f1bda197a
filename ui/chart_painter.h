#pragma once
// Draws one ChartModel with a QPainter into a rectangle of any device: the widget on screen,
// a QImage, a printer page. Sizes (fonts, pens, gaps) are in pixels of 96 dpi scaled by the
// device's resolution, so a printed chart looks like the one on screen and keeps vector
// graphics and real text. One painter draws one frame; it keeps what it laid out (the value
// marks' boxes, the plot's front face, the bars' faces) for the widget's mouse zoom and for
// tests.

#include "ui/axis_range.h"
#include "ui/chart_model.h"

#include <QFont>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <string>
#include <vector>

class ChartFrame;
class ChartProjection;
struct ChartBox;

// A bar or line chart is painted in steps: lay out the axes, fit the plot and its frame,
// then walls, value ticks, category labels, axis titles, the series, axis lines and marks
// (chart_painter_cartesian.cpp). A pie is fitted into its frame, then drawn as sides, tops and
// marks (chart_painter_pie.cpp).
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

    // Defined with the steps that use them.
    struct LegendLook;
    struct CartesianAxes;
    struct WallsShown;
    struct BarSlot;
    struct BarPlace;
    struct PieFrame;

    void paintBackground();
    QRectF paintTitle(QRectF area);
    QRectF paintLegend(QRectF area);
    // The legend's box, taken off the area.
    [[nodiscard]] QRectF placeLegend(QRectF& area, const std::vector<LegendEntry>& entries,
                                     const LegendLook& look) const;
    void paintLegendBox(const QRectF& box, const std::vector<LegendEntry>& entries,
                        const LegendLook& look);
    void paintMarks(std::vector<Mark>& marks, bool pushUp);

    void paintCartesian(QRectF area);
    [[nodiscard]] CartesianAxes cartesianAxes(const QFont& labelFont) const;
    [[nodiscard]] QRectF plotArea(const CartesianAxes& axes, const QRectF& area) const;
    WallsShown paintWalls(const ChartFrame& frame);
    void paintValueTicks(const CartesianAxes& axes, const ChartFrame& frame,
                         const WallsShown& walls);
    void paintRightTicks(const CartesianAxes& axes, const ChartFrame& frame);
    void paintCategoryLabels(const CartesianAxes& axes, const ChartFrame& frame);
    void paintCategoryLabel(const CartesianAxes& axes, const QPointF& at, const QString& text,
                            double room);
    void paintAxisTitles(const CartesianAxes& axes, const QRectF& area, const QRectF& plot);
    void paintAxisLines(const CartesianAxes& axes, const ChartFrame& frame);
    [[nodiscard]] std::vector<int> shownSeries(bool line) const;

    [[nodiscard]] std::vector<Mark> paintBars(const CartesianAxes& axes, const ChartFrame& frame);
    void addBars(int seriesIndex, const BarSlot& slot, const CartesianAxes& axes,
                 const ChartFrame& frame, std::vector<ChartBox>& boxes,
                 std::vector<Mark>& marks) const;
    [[nodiscard]] Mark barMark(const ChartSeries& series, int point, const BarPlace& place,
                               const ChartFrame& frame) const;
    void paintBar(const ChartBox& box, const ChartProjection& projection);

    void paintLines(const CartesianAxes& axes, const ChartFrame& frame);
    void paintLine(const ChartSeries& series, const CartesianAxes& axes, const ChartFrame& frame,
                   double z0, double z1);

    void paintPie(const QRectF& area, int seriesIndex);
    [[nodiscard]] PieFrame pieFrame(const QRectF& area, int seriesIndex,
                                    const std::vector<PieSlice>& slices) const;
    void paintPieSide(const PieSlice& slice, bool cut, const PieFrame& frame);
    void paintPieTop(const PieSlice& slice, const PieFrame& frame);
    [[nodiscard]] std::vector<Mark> pieMarks(int seriesIndex, const std::vector<PieSlice>& slices,
                                             const PieFrame& frame) const;
    void stackMarks(std::vector<Mark>& column) const;

    const ChartModel& m_model;
    QPainter& m_painter;
    QRectF m_rect;
    double m_unit = 1;
    double m_markFontSize = 10; // pixels at 96 dpi
    std::vector<QRectF> m_markRects;
    std::vector<BarShape> m_bars;
    Layout m_layout;
};
