// The steps of a bar or line chart; see chart_painter.h.
#include "ui/chart_painter.h"

#include "ui/chart_box.h"
#include "ui/chart_frame.h"
#include "ui/chart_text.h"
#include "ui/qt_color.h"

#include <QFontMetricsF>
#include <QLinearGradient>

#include <algorithm>
#include <cmath>

namespace {

using AxisId = ChartModel::AxisId;

// Value ticks of a range, thinned so that labels of the given extent keep apart.
std::vector<double> ticks(const AxisRange& range, double pixels, double labelExtent) {
    std::vector<double> result;
    double step = range.step > 0 ? range.step : 1;
    const double span = range.maximum - range.minimum;
    if (!(span > 0) || !(pixels > 0))
        return result;
    while (step / span * pixels < labelExtent * 1.6 && step < span)
        step *= 2;
    for (double v = std::ceil(range.minimum / step - 1e-9) * step; v <= range.maximum + step * 1e-9;
         v += step)
        result.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    return result;
}

// The length of a line on the device.
double length(const QPointF& vector) {
    return std::hypot(vector.x(), vector.y());
}

QString valueText(const ChartModel& model, AxisId axis, double value) {
    return chartText(model.valueLabel(axis, value));
}

// The widest label of the axis's ticks, before thinning.
double widestTick(const ChartModel& model, const QFontMetricsF& metrics, AxisId axis,
                  const AxisRange& range) {
    double widest = 0;
    const double step = range.step > 0 ? range.step : 1;
    for (double v = range.minimum; v <= range.maximum + step * 1e-9; v += step)
        widest = std::max(widest, metrics.horizontalAdvance(valueText(model, axis, v)));
    return widest;
}

// A category label: the point's own label, or its position as a number.
struct CategoryLabel {
    double position;
    QString text;
};

// The category labels come from the first visible series that has points.
std::vector<CategoryLabel> categoryLabels(const ChartModel& model, bool line,
                                          const AxisRange& range, bool fromPoints) {
    std::vector<CategoryLabel> categories;
    for (int s = 0; s < model.seriesCount() && categories.empty(); ++s) {
        const ChartSeries& series = model.series(s);
        if (!series.visible || series.count() == 0)
            continue;
        const int first = line ? 0 : model.firstPoint();
        const int last = line ? series.count() : first + model.pointsShown();
        for (int i = first; i < last && i < series.count(); ++i) {
            const ChartPoint& p = series.points()[static_cast<std::size_t>(i)];
            const double position = p.x.value_or(i);
            if (position < range.minimum - 1e-9 || position > range.maximum + 1e-9)
                continue;
            categories.push_back(
                CategoryLabel{position, fromPoints ? chartText(p.label) : QString::number(i)});
        }
    }
    return categories;
}

// The points of a line in category and value pixels, those outside the category range or
// without a value left out.
std::vector<QPointF> linePoints(const ChartSeries& series, const AxisRange& categoryRange,
                                const AxisRange& valueRange, const ChartFrame& frame) {
    std::vector<QPointF> points;
    for (int i = 0; i < series.count(); ++i) {
        const ChartPoint& p = series.points()[static_cast<std::size_t>(i)];
        const double x = p.x.value_or(i);
        if (x < categoryRange.minimum - 1e-9 || x > categoryRange.maximum + 1e-9 ||
            !std::isfinite(p.value))
            continue;
        points.emplace_back(frame.categoryPixel(x), frame.valuePixel(valueRange, p.value));
    }
    return points;
}

} // namespace

// What the axes of a bar or line chart show and the room their labels take.
struct ChartPainter::CartesianAxes {
    bool horizontal;
    bool line;
    AxisId valueId;
    AxisId categoryId;
    const ChartAxis& value;
    const ChartAxis& category;
    bool rightShown; // the right axis of a vertical chart
    AxisRange valueRange;
    AxisRange categoryRange;
    AxisRange rightRange;
    QFont labelFont;
    double textHeight; // of a label line
    double gap;        // between labels and the plot
    std::vector<CategoryLabel> categories;
    double valueLabelWidth;
    double categoryLabelWidth;
    double rightLabelWidth;
    QFont titleFont;
    double titleHeight;
};

// Which walls turn their inner side to the viewer.
struct ChartPainter::WallsShown {
    bool back;
    bool left;
    bool floor;
};

// Where the bars of one series stand: their slice of the depth and their slot along a category.
struct ChartPainter::BarSlot {
    double z0;
    double z1;
    double width;
    double shift; // of the slot's centre from the category's
};

// One bar in category and value pixels: its centre across, its foot and its end along.
struct ChartPainter::BarPlace {
    double centre;
    double foot;
    double end;
    double z0;
    double z1;
};

void ChartPainter::paintCartesian(QRectF area) {
    // A small zoomed view (as in an opening animation) writes smaller, within reason.
    const double textScale = std::clamp(m_model.view3D.zoomPercent / 100.0, 0.75, 1.0);
    m_markFontSize = 10 * textScale;
    const CartesianAxes axes = cartesianAxes(font(11 * textScale));
    const QRectF plot = plotArea(axes, area);
    if (plot.width() < 4 || plot.height() < 4)
        return;
    const ChartFrame frame(m_model.view3D, plot, axes.horizontal, axes.categoryRange);
    m_layout =
        Layout{true, axes.horizontal, frame.frontFace(), axes.categoryRange, axes.valueRange};
    const WallsShown walls = paintWalls(frame);
    paintValueTicks(axes, frame, walls);
    paintRightTicks(axes, frame);
    paintCategoryLabels(axes, frame);
    paintAxisTitles(axes, area, plot);
    std::vector<Mark> marks;
    if (axes.line)
        paintLines(axes, frame);
    else
        marks = paintBars(axes, frame);
    paintAxisLines(axes, frame);
    paintMarks(marks, !axes.horizontal);
}

ChartPainter::CartesianAxes ChartPainter::cartesianAxes(const QFont& labelFont) const {
    const bool horizontal = m_model.horizontal();
    const bool line = m_model.layoutKind() == ChartSeries::Kind::Line;
    const AxisId valueId = horizontal ? AxisId::Bottom : AxisId::Left;
    const AxisId categoryId = horizontal ? AxisId::Left : AxisId::Bottom;
    const ChartAxis& categoryAxis = horizontal ? m_model.leftAxis : m_model.bottomAxis;
    const bool rightShown = m_model.rightAxis.visible && !horizontal;
    const AxisRange valueRange = m_model.axisRange(valueId);
    const AxisRange categoryRange = m_model.axisRange(categoryId);
    const AxisRange rightRange = m_model.axisRange(AxisId::Right);
    const QFontMetricsF metrics(labelFont);
    std::vector<CategoryLabel> categories =
        categoryLabels(m_model, line, categoryRange, categoryAxis.labelsFromPoints);
    double categoryLabelWidth = 0;
    for (const auto& c : categories)
        categoryLabelWidth = std::max(categoryLabelWidth, metrics.horizontalAdvance(c.text));
    const QFont titleFont = font(11, true);
    return CartesianAxes{
        horizontal,
        line,
        valueId,
        categoryId,
        horizontal ? m_model.bottomAxis : m_model.leftAxis,
        categoryAxis,
        rightShown,
        valueRange,
        categoryRange,
        rightRange,
        labelFont,
        metrics.height(),
        px(5),
        std::move(categories),
        widestTick(m_model, metrics, valueId, valueRange),
        categoryLabelWidth,
        rightShown ? widestTick(m_model, metrics, AxisId::Right, rightRange) : 0,
        titleFont,
        QFontMetricsF(titleFont).height(),
    };
}

// The area left for the plot by the labels and titles round it.
QRectF ChartPainter::plotArea(const CartesianAxes& axes, const QRectF& area) const {
    const ChartAxis& leftSide = m_model.leftAxis;
    const ChartAxis& bottomSide = m_model.bottomAxis;
    const double leftLabels = axes.horizontal ? axes.categoryLabelWidth : axes.valueLabelWidth;
    double left = leftSide.visible ? leftLabels + axes.gap * 1.5 : 0;
    if (leftSide.visible && !leftSide.title.empty())
        left += axes.titleHeight + axes.gap;
    double bottom = 0;
    if (bottomSide.visible) {
        const bool turned = !axes.horizontal && bottomSide.labelAngle == 90;
        bottom = (turned ? axes.categoryLabelWidth : axes.textHeight) + axes.gap * 1.5;
        if (!bottomSide.title.empty())
            bottom += axes.titleHeight + axes.gap;
    }
    const double right =
        axes.rightShown ? axes.rightLabelWidth + axes.gap * 1.5 : axes.textHeight * 0.5;
    const double top = axes.textHeight * 0.6;
    return area.adjusted(left, top, -right, -bottom);
}

// Walls are drawn where their inner side faces the viewer; a flat chart without walls gets a
// frame.
ChartPainter::WallsShown ChartPainter::paintWalls(const ChartFrame& frame) {
    const ChartProjection& proj = frame.projection();
    const double W = proj.width();
    const double H = proj.height();
    const double D = proj.depth();
    const ChartWalls& walls = m_model.walls;
    const QPolygonF backWall{proj.project(0, 0, D), proj.project(0, H, D), proj.project(W, H, D),
                             proj.project(W, 0, D)};
    const QPolygonF leftWall{proj.project(0, 0, 0), proj.project(0, H, 0), proj.project(0, H, D),
                             proj.project(0, 0, D)};
    const QPolygonF floorWall{proj.project(0, 0, 0), proj.project(0, 0, D), proj.project(W, 0, D),
                              proj.project(W, 0, 0)};
    const WallsShown shown{!ChartProjection::facesViewer(backWall),
                           D > 0 && !ChartProjection::facesViewer(leftWall),
                           D > 0 && !ChartProjection::facesViewer(floorWall)};
    const QPen wallPen(QColor(90, 90, 90), px(1));
    if (walls.visible) {
        m_painter.setPen(wallPen);
        if (shown.back) {
            m_painter.setBrush(walls.backFilled ? QBrush(toQColor(walls.backColor)) : QBrush());
            m_painter.drawPolygon(backWall);
        }
        if (shown.left) {
            m_painter.setBrush(toQColor(walls.leftColor));
            m_painter.drawPolygon(leftWall);
        }
        if (shown.floor) {
            m_painter.setBrush(toQColor(walls.bottomColor));
            m_painter.drawPolygon(floorWall);
        }
    } else if (m_model.frameVisible && D == 0) {
        m_painter.setPen(wallPen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolygon(backWall);
    }
    return shown;
}

// Grid lines of the value ticks on the walls, and the value labels. Labels keep apart on the
// screen, so thinning measures the axis as projected.
void ChartPainter::paintValueTicks(const CartesianAxes& axes, const ChartFrame& frame,
                                   const WallsShown& walls) {
    const ChartAxis& axis = axes.value;
    const double D = frame.depth();
    const double pixels = length(frame.place(0, frame.valueLength(), 0) - frame.place(0, 0, 0));
    const std::vector<double> valueTicks =
        ticks(axes.valueRange, pixels, axes.horizontal ? axes.valueLabelWidth : axes.textHeight);
    const QColor gridColor(128, 128, 128, 150);
    const double width = axes.valueLabelWidth;
    m_painter.setFont(axes.labelFont);
    for (const double v : valueTicks) {
        const double p = frame.valuePixel(axes.valueRange, v);
        if (m_model.walls.visible && axis.visible) {
            m_painter.setPen(QPen(gridColor, px(1), Qt::DotLine));
            if (walls.back)
                m_painter.drawLine(frame.place(0, p, D), frame.place(frame.categoryLength(), p, D));
            if (axes.horizontal ? walls.floor : walls.left)
                m_painter.drawLine(frame.place(0, p, 0), frame.place(0, p, D));
        }
        if (!axis.visible)
            continue;
        m_painter.setPen(toQColor(axis.labelColor));
        const QString text = valueText(m_model, axes.valueId, v);
        const QPointF at = frame.place(0, p, 0);
        if (axes.horizontal) {
            m_painter.drawText(
                QRectF(at.x() - width, at.y() + axes.gap, 2 * width, axes.textHeight),
                Qt::AlignHCenter | Qt::AlignTop, text);
        } else {
            m_painter.drawText(QRectF(at.x() - axes.gap - width, at.y() - axes.textHeight / 2,
                                      width, axes.textHeight),
                               Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
}

// The right axis's labels stand beside the back wall's right edge.
void ChartPainter::paintRightTicks(const CartesianAxes& axes, const ChartFrame& frame) {
    if (!axes.rightShown)
        return;
    const ChartProjection& proj = frame.projection();
    const double W = proj.width();
    const double D = proj.depth();
    m_painter.setPen(toQColor(m_model.rightAxis.labelColor));
    const double pixels = length(proj.project(W, proj.height(), D) - proj.project(W, 0, D));
    for (const double v : ticks(axes.rightRange, pixels, axes.textHeight)) {
        const QPointF at = proj.project(W, frame.valuePixel(axes.rightRange, v), D);
        m_painter.drawText(QRectF(at.x() + axes.gap, at.y() - axes.textHeight / 2,
                                  axes.rightLabelWidth, axes.textHeight),
                           Qt::AlignLeft | Qt::AlignVCenter, valueText(m_model, AxisId::Right, v));
    }
}

// Category labels, thinned so that they keep their separation.
void ChartPainter::paintCategoryLabels(const CartesianAxes& axes, const ChartFrame& frame) {
    const ChartAxis& axis = axes.category;
    const std::vector<CategoryLabel>& categories = axes.categories;
    if (!axis.visible || categories.empty())
        return;
    const bool turned = !axes.horizontal && axis.labelAngle == 90;
    const double extent = turned || axes.horizontal ? axes.textHeight : axes.categoryLabelWidth;
    const QPointF step = categories.size() > 1
                             ? frame.place(frame.categoryPixel(categories[1].position), 0, 0) -
                                   frame.place(frame.categoryPixel(categories[0].position), 0, 0)
                             : frame.place(frame.categoryLength(), 0, 0) - frame.place(0, 0, 0);
    const double spacing = length(step);
    const double wanted = extent * (1 + axis.labelSeparation / 100.0);
    const auto every =
        static_cast<std::size_t>(std::max(1.0, std::ceil(wanted / std::max(spacing, 1e-6) - 1e-9)));
    m_painter.setPen(toQColor(axis.labelColor));
    for (std::size_t i = 0; i < categories.size(); i += every) {
        const QPointF at = frame.place(frame.categoryPixel(categories[i].position), 0, 0);
        paintCategoryLabel(axes, at, categories[i].text, spacing * every);
    }
}

// One category label at its place on the axis; room is the distance to the next label shown.
void ChartPainter::paintCategoryLabel(const CartesianAxes& axes, const QPointF& at,
                                      const QString& text, double room) {
    const double width = axes.categoryLabelWidth;
    const double height = axes.textHeight;
    if (axes.horizontal) {
        m_painter.drawText(QRectF(at.x() - axes.gap - width, at.y() - height / 2, width, height),
                           Qt::AlignRight | Qt::AlignVCenter, text);
    } else if (axes.category.labelAngle == 90) {
        m_painter.save();
        m_painter.translate(at.x(), at.y() + axes.gap);
        m_painter.rotate(-90);
        m_painter.drawText(QRectF(-width, -height / 2, width, height),
                           Qt::AlignRight | Qt::AlignVCenter, text);
        m_painter.restore();
    } else {
        m_painter.drawText(
            QRectF(at.x() - room / 2 - width, at.y() + axes.gap, room + 2 * width, height),
            Qt::AlignHCenter | Qt::AlignTop, text);
    }
}

void ChartPainter::paintAxisTitles(const CartesianAxes& axes, const QRectF& area,
                                   const QRectF& plot) {
    const ChartAxis& leftSide = m_model.leftAxis;
    const ChartAxis& bottomSide = m_model.bottomAxis;
    const double height = axes.titleHeight;
    m_painter.setFont(axes.titleFont);
    if (leftSide.visible && !leftSide.title.empty()) {
        m_painter.setPen(toQColor(leftSide.labelColor));
        m_painter.save();
        m_painter.translate(area.left() + height / 2, plot.center().y());
        m_painter.rotate(-90);
        m_painter.drawText(QRectF(-plot.height() / 2, -height / 2, plot.height(), height),
                           Qt::AlignCenter, chartText(leftSide.title));
        m_painter.restore();
    }
    if (bottomSide.visible && !bottomSide.title.empty()) {
        m_painter.setPen(toQColor(bottomSide.labelColor));
        m_painter.drawText(QRectF(plot.left(), area.bottom() - height, plot.width(), height),
                           Qt::AlignCenter, chartText(bottomSide.title));
    }
}

// Axis lines along the front edges.
void ChartPainter::paintAxisLines(const CartesianAxes& axes, const ChartFrame& frame) {
    if (axes.value.visible && axes.value.axisLineVisible) {
        m_painter.setPen(QPen(toQColor(axes.value.labelColor), px(1.5)));
        m_painter.drawLine(frame.place(0, 0, 0), frame.place(0, frame.valueLength(), 0));
    }
    if (axes.category.visible && axes.category.axisLineVisible) {
        m_painter.setPen(QPen(toQColor(axes.category.labelColor), px(1.5)));
        m_painter.drawLine(frame.place(0, 0, 0), frame.place(frame.categoryLength(), 0, 0));
    }
}

// The visible series a bar chart (line false) or a line chart (line true) draws.
std::vector<int> ChartPainter::shownSeries(bool line) const {
    std::vector<int> shown;
    for (int s = 0; s < m_model.seriesCount(); ++s) {
        const ChartSeries& series = m_model.series(s);
        if (series.visible && series.kind() != ChartSeries::Kind::Pie &&
            (series.kind() == ChartSeries::Kind::Line) == line)
            shown.push_back(s);
    }
    return shown;
}

// Bars are collected as boxes with their marks, then painted back to front.
std::vector<ChartPainter::Mark> ChartPainter::paintBars(const CartesianAxes& axes,
                                                        const ChartFrame& frame) {
    const std::vector<int> shown = shownSeries(false);
    const bool stacked = m_model.stacked();
    const double zFront = frame.depth() * 0.04;
    const double zBack = frame.depth() * 0.96;
    const double categoryPixels =
        frame.categoryLength() / (axes.categoryRange.maximum - axes.categoryRange.minimum);
    const double slotCount = stacked ? 1.0 : static_cast<double>(shown.size());
    // Bars side by side each take their own slice of the depth, one behind the other in the
    // order they stand along the category axis, in the direction the view moves the depth.
    // The shift of each slice then carries a bar's top and side faces exactly up to its
    // neighbour's front, so none covers another. A single series keeps the whole depth.
    const double slice = (zBack - zFront) / slotCount;
    const QPointF depthShift = frame.place(0, 0, 1) - frame.place(0, 0, 0);
    const QPointF categoryShift = frame.place(1, 0, 0) - frame.place(0, 0, 0);
    const bool laterBehind = QPointF::dotProduct(depthShift, categoryShift) >= 0;
    std::vector<ChartBox> boxes;
    std::vector<Mark> marks;
    for (std::size_t k = 0; k < shown.size(); ++k) {
        const ChartSeries& series = m_model.series(shown[k]);
        const double sliceIndex =
            stacked ? 0.0 : static_cast<double>(laterBehind ? k : shown.size() - 1 - k);
        const double z0 = zFront + sliceIndex * slice;
        const double width = categoryPixels * series.barWidthPercent / 100.0 / slotCount;
        const double shift = stacked ? 0.0 : (static_cast<double>(k) - (slotCount - 1) / 2) * width;
        addBars(shown[k], BarSlot{z0, z0 + slice, width, shift}, axes, frame, boxes, marks);
    }
    ChartBox::sortForPainting(boxes, frame.projection());
    for (const ChartBox& box : boxes)
        paintBar(box, frame.projection());
    return marks;
}

// The boxes of one series' bars on the page, and their marks.
void ChartPainter::addBars(int seriesIndex, const BarSlot& slot, const CartesianAxes& axes,
                           const ChartFrame& frame, std::vector<ChartBox>& boxes,
                           std::vector<Mark>& marks) const {
    const ChartSeries& series = m_model.series(seriesIndex);
    const AxisRange& range = series.axis == ChartSeries::AxisBinding::Right && !axes.horizontal
                                 ? axes.rightRange
                                 : axes.valueRange;
    const bool stacked = m_model.stacked();
    const int first = m_model.firstPoint();
    const int last = first + m_model.pointsShown();
    for (int i = first; i < last && i < series.count(); ++i) {
        if (i < axes.categoryRange.minimum - 0.5 || i > axes.categoryRange.maximum + 0.5)
            continue;
        const double centre =
            frame.categoryPixel(i) + slot.shift + series.barOffsetPercent / 100.0 * slot.width;
        const double base = stacked ? m_model.stackBase(seriesIndex, i) : 0.0;
        const double v = series.value(i);
        if (!std::isfinite(v))
            continue;
        const double p0 = frame.valuePixel(range, base);
        const double p1 = frame.valuePixel(range, base + v);
        const QColor color = toQColor(series.points()[static_cast<std::size_t>(i)].color);
        const double c0 = std::max(0.0, centre - slot.width / 2);
        const double c1 = std::min(frame.categoryLength(), centre + slot.width / 2);
        if (c1 <= c0)
            continue;
        const double low = std::min(p0, p1);
        const double high = std::max(p0, p1);
        if (axes.horizontal) {
            boxes.push_back(ChartBox{low, high, c0, c1, slot.z0, slot.z1, color,
                                     series.gradientFill, true, seriesIndex, i});
        } else {
            boxes.push_back(ChartBox{c0, c1, low, high, slot.z0, slot.z1, color,
                                     series.gradientFill, false, seriesIndex, i});
        }
        // Marks of a view zoomed far out would only heap up.
        if (series.marks.visible && m_model.view3D.zoomPercent >= 70)
            marks.push_back(barMark(series, i, BarPlace{centre, p0, p1, slot.z0, slot.z1}, frame));
    }
}

// A stacked bar's mark sits on its middle; any other stands off its end by the arrow.
ChartPainter::Mark ChartPainter::barMark(const ChartSeries& series, int point,
                                         const BarPlace& place, const ChartFrame& frame) const {
    const QString text = chartText(series.markText(point));
    const QFontMetricsF mm(font(m_markFontSize));
    const QSizeF size(mm.horizontalAdvance(text) + px(8), mm.height() + px(2));
    Mark mark{series.markText(point), {}, {}, &series.marks};
    if (m_model.stacked()) {
        const QPointF at = frame.place(place.centre, (place.foot + place.end) / 2, place.z0);
        mark.anchor = at;
        mark.box = QRectF(at.x() - size.width() / 2, at.y() - size.height() / 2, size.width(),
                          size.height());
        return mark;
    }
    const double arrow = px(series.marks.arrowLength);
    const QPointF at = frame.place(place.centre, place.end, (place.z0 + place.z1) / 2);
    const bool negative = series.value(point) < 0;
    mark.anchor = at;
    if (m_model.horizontal()) {
        mark.box = QRectF(negative ? at.x() - arrow - size.width() : at.x() + arrow,
                          at.y() - size.height() / 2, size.width(), size.height());
    } else {
        mark.box = QRectF(at.x() - size.width() / 2,
                          negative ? at.y() + arrow : at.y() - arrow - size.height(), size.width(),
                          size.height());
    }
    return mark;
}

// The faces of a bar that face the viewer, the front one shaded along the bar if it asks for
// a gradient; they are kept for the widget's hints.
void ChartPainter::paintBar(const ChartBox& box, const ChartProjection& projection) {
    const QPen edge(box.color.darker(200), px(0.8));
    BarShape& shape = m_bars.emplace_back(BarShape{box.series, box.point, {}});
    for (const ChartBox::Face& face : box.faces(projection)) {
        if (!ChartProjection::facesViewer(face.polygon))
            continue;
        shape.faces.push_back(face.polygon);
        QBrush brush(face.color);
        if (box.gradient && face.front) {
            // Along the bar: deep at its foot, bright at its end.
            QLinearGradient gradient(box.foot(projection), box.end(projection));
            gradient.setColorAt(0, face.color.darker(150));
            gradient.setColorAt(1, face.color.lighter(150));
            brush = QBrush(gradient);
        }
        m_painter.setPen(edge);
        m_painter.setBrush(brush);
        m_painter.drawPolygon(face.polygon);
    }
}

// Each line runs in its own band of the depth, the first series in front.
void ChartPainter::paintLines(const CartesianAxes& axes, const ChartFrame& frame) {
    const std::vector<int> shown = shownSeries(true);
    const double D = frame.depth();
    const double band = shown.empty() ? 0 : D / static_cast<double>(shown.size());
    for (auto k = static_cast<int>(shown.size()) - 1; k >= 0; --k) {
        const ChartSeries& series = m_model.series(shown[static_cast<std::size_t>(k)]);
        paintLine(series, axes, frame, band * k + band * 0.15, band * (k + 1) - band * 0.15);
    }
}

// A line with depth is a ribbon from z0 to z1 with the line itself along its front edge.
void ChartPainter::paintLine(const ChartSeries& series, const CartesianAxes& axes,
                             const ChartFrame& frame, double z0, double z1) {
    const ChartProjection& proj = frame.projection();
    const std::vector<QPointF> points =
        linePoints(series, axes.categoryRange, axes.valueRange, frame);
    const QColor color = toQColor(series.color);
    const double D = frame.depth();
    if (D > 0) {
        m_painter.setPen(QPen(color.darker(160), px(0.6)));
        for (std::size_t i = 1; i < points.size(); ++i) {
            const QPointF a = points[i - 1];
            const QPointF b = points[i];
            const QPolygonF ribbon{proj.project(a.x(), a.y(), z0), proj.project(b.x(), b.y(), z0),
                                   proj.project(b.x(), b.y(), z1), proj.project(a.x(), a.y(), z1)};
            m_painter.setBrush(ChartProjection::facesViewer(ribbon) ? color.darker(125)
                                                                    : color.lighter(115));
            m_painter.drawPolygon(ribbon);
        }
    }
    QPolygonF front;
    for (const QPointF& p : points)
        front << proj.project(p.x(), p.y(), z0);
    m_painter.setPen(QPen(color, px(D > 0 ? 1.2 : 2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawPolyline(front);
    if (series.pointMarkers) {
        m_painter.setBrush(color);
        m_painter.setPen(QPen(color.darker(180), px(0.8)));
        for (const QPointF& p : front)
            m_painter.drawRect(QRectF(p.x() - px(2.5), p.y() - px(2.5), px(5), px(5)));
    }
}
