// The steps of a pie; see chart_painter.h.
#include "ui/chart_painter.h"

#include "ui/chart_text.h"
#include "ui/qt_color.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

// The ellipse a pie is drawn in and its thickness, fitted into the pie's area with room for
// the marks; the geometry of its slices on the device.
struct ChartPainter::PieFrame {
    double ratio; // of the ellipse's height to its width: the pie's tilt
    double rx;
    double ry;
    double thickness; // of the pie's rim
    QPointF centre;

    // How far an exploded slice stands out from the centre.
    [[nodiscard]] QPointF offsetOf(const PieSlice& s) const {
        const double mid = radians(s.startAngle + s.sweepAngle / 2);
        const double e = s.explodePercent / 100.0 * rx;
        return QPointF(e * std::cos(mid), -e * ratio * std::sin(mid));
    }
    // Where a slice's corner lies.
    [[nodiscard]] QPointF centreOf(const PieSlice& s) const { return centre + offsetOf(s); }
    // The rim's point at the angle, dropped by drop towards the pie's underside.
    [[nodiscard]] QPointF rim(const QPointF& c, double degrees, double drop) const {
        return QPointF(c.x() + rx * std::cos(radians(degrees)),
                       c.y() - ry * std::sin(radians(degrees)) + drop);
    }
    [[nodiscard]] QRectF ellipse(const QPointF& c, double drop) const {
        return QRectF(c.x() - rx, c.y() - ry + drop, 2 * rx, 2 * ry);
    }
    // The height on the screen of a slice's middle: larger is nearer the viewer.
    [[nodiscard]] double frontness(const PieSlice& s) const {
        return offsetOf(s).y() - std::sin(radians(s.startAngle + s.sweepAngle / 2)) * ry * 0.5;
    }
};

void ChartPainter::paintPie(const QRectF& area, int seriesIndex) {
    const std::vector<PieSlice> slices = m_model.pieSlices(seriesIndex);
    const PieFrame frame = pieFrame(area, seriesIndex, slices);
    // Slices from back to front: their middles' height on screen.
    std::vector<std::size_t> order(slices.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return frame.frontness(slices[a]) < frame.frontness(slices[b]);
    });
    if (frame.thickness > 0.5)
        for (const std::size_t i : order)
            paintPieSide(slices[i], slices.size() > 1, frame);
    for (const std::size_t i : order)
        paintPieTop(slices[i], frame);
    if (!m_model.series(seriesIndex).marks.visible)
        return;
    std::vector<Mark> marks = pieMarks(seriesIndex, slices, frame);
    paintMarks(marks, true);
}

// The pie's ellipse: as large as the area allows with the rim, the explosion and the marks
// round it, tilted as the view's elevation says.
ChartPainter::PieFrame ChartPainter::pieFrame(const QRectF& area, int seriesIndex,
                                              const std::vector<PieSlice>& slices) const {
    const ChartSeries& series = m_model.series(seriesIndex);
    const ChartView3D& view = m_model.view3D;
    const double depthShare = view.enabled ? std::clamp(view.depthPercent, 0, 100) / 100.0 : 0;
    // Seen from above: elevation 360 faces the pie's top, lower values tilt it towards the eye.
    int elevation = ((view.elevation % 360) + 360) % 360;
    if (elevation == 0)
        elevation = 360;
    const double tilt = view.enabled ? std::clamp(360.0 - elevation, 0.0, 70.0) : 0;
    const double ratio = view.enabled ? std::clamp(1.0 - tilt / 100.0, 0.3, 1.0) : 1.0;
    const double explode = series.pie.explodeBiggest / 100.0;
    const bool marksShown = series.marks.visible;
    const QFontMetricsF mm(font(10));
    double labelWidth = 0;
    for (const PieSlice& slice : slices) {
        labelWidth = std::max(
            labelWidth,
            mm.horizontalAdvance(chartText(m_model.pieMarkText(seriesIndex, slice))) + px(8));
    }
    const double arrow = marksShown ? px(series.marks.arrowLength) + px(6) : 0;
    const double sideRoom = marksShown ? labelWidth + arrow + px(4) : px(2);
    const double heightRoom = marksShown ? mm.height() + px(2) + arrow : px(2);
    // Radius from width and from height (ellipse, rim and explosion included).
    const double byWidth = (area.width() - 2 * sideRoom) / (2 * (1 + explode));
    const double byHeight =
        (area.height() - 2 * heightRoom) / (2 * ratio * (1 + explode) + depthShare * 0.5);
    const double rx = std::max(2.0, std::min(byWidth, byHeight) * view.zoomPercent / 100.0);
    const double thickness = rx * depthShare * 0.5;
    return PieFrame{ratio, rx, rx * ratio, thickness,
                    QPointF(area.center().x(), area.center().y() - thickness / 2)};
}

// The slice's cut faces and the part of its rim that faces the viewer.
void ChartPainter::paintPieSide(const PieSlice& slice, bool cut, const PieFrame& frame) {
    const double thickness = frame.thickness;
    const QPointF c = frame.centreOf(slice);
    const QColor color = toQColor(slice.color);
    m_painter.setPen(QPen(QColor(30, 30, 30, 160), px(0.8)));
    // Cut faces: the start edge shows on the right half, the end edge on the left half.
    if (cut) {
        for (const double angle : {slice.startAngle, slice.startAngle + slice.sweepAngle}) {
            const bool start = angle == slice.startAngle;
            const double cosine = std::cos(radians(angle));
            if ((start && cosine <= 0) || (!start && cosine >= 0))
                continue;
            m_painter.setBrush(color.darker(150));
            m_painter.drawPolygon(QPolygonF{c, frame.rim(c, angle, 0),
                                            frame.rim(c, angle, thickness),
                                            c + QPointF(0, thickness)});
        }
    }
    // The rim where it faces the viewer (the lower half of the ellipse).
    const double from = slice.startAngle;
    const double to = slice.startAngle + slice.sweepAngle;
    for (int k = -1; k <= 2; ++k) {
        const double a1 = std::max(from, 180.0 + 360.0 * k);
        const double a2 = std::min(to, 360.0 + 360.0 * k);
        if (a2 <= a1)
            continue;
        QPainterPath path;
        path.moveTo(frame.rim(c, a1, 0));
        path.arcTo(frame.ellipse(c, 0), a1, a2 - a1);
        path.lineTo(frame.rim(c, a2, thickness));
        path.arcTo(frame.ellipse(c, thickness), a2, -(a2 - a1));
        path.closeSubpath();
        QLinearGradient shade(c.x() - frame.rx, 0, c.x() + frame.rx, 0);
        shade.setColorAt(0, color.darker(190));
        shade.setColorAt(0.45, color.darker(115));
        shade.setColorAt(1, color.darker(190));
        m_painter.setBrush(shade);
        m_painter.drawPath(path);
    }
}

// The slice's top, lit from the upper left.
void ChartPainter::paintPieTop(const PieSlice& slice, const PieFrame& frame) {
    const QPointF c = frame.centreOf(slice);
    QPainterPath path;
    path.moveTo(c);
    path.arcTo(frame.ellipse(c, 0), slice.startAngle, slice.sweepAngle);
    path.closeSubpath();
    const QColor color = toQColor(slice.color);
    QLinearGradient light(c.x() - frame.rx, c.y() - frame.ry, c.x() + frame.rx, c.y() + frame.ry);
    light.setColorAt(0, color.lighter(118));
    light.setColorAt(1, color);
    m_painter.setPen(QPen(QColor(30, 30, 30, 160), px(0.8)));
    m_painter.setBrush(light);
    m_painter.drawPath(path);
}

// Marks beside the slices' middles, each on its slice's side, stacked apart on each side.
std::vector<ChartPainter::Mark> ChartPainter::pieMarks(int seriesIndex,
                                                       const std::vector<PieSlice>& slices,
                                                       const PieFrame& frame) const {
    const ChartSeries& series = m_model.series(seriesIndex);
    const QFontMetricsF mm(font(10));
    const double labelHeight = mm.height() + px(2);
    std::vector<Mark> left;
    std::vector<Mark> right;
    for (const PieSlice& s : slices) {
        const double mid = s.startAngle + s.sweepAngle / 2;
        const QPointF c = frame.centreOf(s);
        const double sine = std::sin(radians(mid));
        const QPointF from = frame.rim(c, mid, sine < 0 ? frame.thickness * 0.5 : 0);
        const double reach = px(series.marks.arrowLength) + px(4);
        const QPointF to(from.x() + reach * std::cos(radians(mid)),
                         from.y() - reach * std::sin(radians(mid)));
        const std::string text = m_model.pieMarkText(seriesIndex, s);
        const double width = mm.horizontalAdvance(chartText(text)) + px(8);
        const bool onRight = std::cos(radians(mid)) >= 0;
        Mark mark{text, from, {}, &series.marks};
        mark.box = QRectF(onRight ? to.x() + px(2) : to.x() - px(2) - width,
                          to.y() - labelHeight / 2, width, labelHeight);
        (onRight ? right : left).push_back(mark);
    }
    stackMarks(left);
    stackMarks(right);
    left.insert(left.end(), right.begin(), right.end());
    return left;
}

// Marks of one side top to bottom, each below the one above; a column pushed past the bottom
// moves back up as a whole.
void ChartPainter::stackMarks(std::vector<Mark>& column) const {
    std::stable_sort(column.begin(), column.end(),
                     [](const Mark& a, const Mark& b) { return a.box.top() < b.box.top(); });
    for (std::size_t i = 1; i < column.size(); ++i) {
        QRectF& box = column[i].box;
        const QRectF& above = column[i - 1].box;
        if (box.top() < above.bottom() + px(1))
            box.moveTop(above.bottom() + px(1));
    }
    if (!column.empty()) {
        const double overflow = column.back().box.bottom() - (m_rect.bottom() - 1);
        if (overflow > 0)
            for (Mark& mark : column)
                mark.box.translate(0, -overflow);
    }
}
