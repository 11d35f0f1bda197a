#include "ui/chart_painter.h"

#include "ui/font_twins.h"
#include "ui/format_float.h"
#include "ui/qt_color.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using AxisId = ChartModel::AxisId;

QString qs(const std::string& text) {
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// A box in plot coordinates with its colour, for bars.
struct Box {
    double x0, x1, y0, y1, z0, z1;
    QColor color;
    bool gradient;
    bool horizontal;
    int series;
    int point;
};

// Value ticks of a range, thinned so that labels of the given extent keep apart.
std::vector<double> ticks(const AxisRange& range, double pixels, double labelExtent) {
    std::vector<double> result;
    double step = range.step > 0 ? range.step : 1;
    const double span = range.maximum - range.minimum;
    if (!(span > 0) || !(pixels > 0)) {
        return result;
    }
    while (step / span * pixels < labelExtent * 1.6 && step < span) {
        step *= 2;
    }
    for (double v = std::ceil(range.minimum / step - 1e-9) * step; v <= range.maximum + step * 1e-9;
         v += step) {
        result.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    }
    return result;
}

// A category label: the point's own label, or its position as a number.
struct CategoryLabel {
    double position;
    QString text;
};

} // namespace

ChartPainter::ChartPainter(const ChartModel& model, QPainter& painter, const QRect& rect)
    : m_model(model), m_painter(painter), m_rect(rect) {
    const QPaintDevice* device = painter.device();
    m_unit = device != nullptr ? std::max(0.5, device->logicalDpiY() / 96.0) : 1.0;
}

QFont ChartPainter::font(double pixelsAt96, bool bold) const {
    return pixelFont(QStringLiteral("Arial"), static_cast<int>(std::lround(px(pixelsAt96))), bold);
}

void ChartPainter::paint() {
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
    m_painter.setClipRect(m_rect);
    paintBackground();
    const ChartMargins& margins = m_model.margins;
    QRectF area = m_rect.adjusted(
        m_rect.width() * margins.left / 100.0, m_rect.height() * margins.top / 100.0,
        -m_rect.width() * margins.right / 100.0, -m_rect.height() * margins.bottom / 100.0);
    area = paintTitle(area);
    area = paintLegend(area);
    if (m_model.layoutKind() == ChartSeries::Kind::Pie) {
        for (int i = 0; i < m_model.seriesCount(); ++i) {
            if (m_model.series(i).visible && m_model.series(i).kind() == ChartSeries::Kind::Pie) {
                paintPie(area, i);
                break;
            }
        }
    } else {
        paintCartesian(area);
    }
    m_painter.restore();
}

void ChartPainter::paintBackground() {
    const ChartBackground& back = m_model.background;
    if (!back.gradient) {
        m_painter.fillRect(m_rect, toQColor(back.color));
        return;
    }
    QPointF from = m_rect.topLeft();
    QPointF to = m_rect.bottomLeft();
    switch (back.direction) {
    case ChartBackground::Direction::TopBottom:
        break;
    case ChartBackground::Direction::BottomTop:
        std::swap(from, to);
        break;
    case ChartBackground::Direction::LeftRight:
        to = m_rect.topRight();
        break;
    case ChartBackground::Direction::RightLeft:
        from = m_rect.topRight();
        to = m_rect.topLeft();
        break;
    }
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, toQColor(back.startColor));
    gradient.setColorAt(1, toQColor(back.endColor));
    m_painter.fillRect(m_rect, gradient);
}

QRectF ChartPainter::paintTitle(QRectF area) {
    const ChartTitle& title = m_model.title;
    if (!title.visible || title.lines.empty()) {
        return area;
    }
    // Small charts (the Space page's pies) get a title to their size.
    const QFont f = font(std::min(14.0, m_rect.height() / m_unit / 9), true);
    const QFontMetricsF metrics(f);
    m_painter.setFont(f);
    m_painter.setPen(toQColor(title.color));
    for (const auto& line : title.lines) {
        m_painter.drawText(QRectF(area.left(), area.top(), area.width(), metrics.height()),
                           Qt::AlignCenter, qs(line));
        area.setTop(area.top() + metrics.height());
    }
    area.setTop(area.top() + px(6));
    return area;
}

QRectF ChartPainter::paintLegend(QRectF area) {
    const ChartLegend& legend = m_model.legend;
    const std::vector<LegendEntry> entries = m_model.legendEntries();
    if (!legend.visible || entries.empty()) {
        return area;
    }
    const QFont f = font(11);
    const QFontMetricsF metrics(f);
    const double swatch = px(14);
    const double pad = px(6);
    const double line = metrics.height() + px(2);
    auto entryWidth = [&](const LegendEntry& e) {
        return swatch + pad + metrics.horizontalAdvance(qs(e.text));
    };
    QRectF box;
    if (legend.position == ChartLegend::Position::Right) {
        double widest = 0;
        for (const auto& e : entries) {
            widest = std::max(widest, entryWidth(e));
        }
        const double width = std::min(widest + 2 * pad, area.width() * 0.45);
        const double height = std::min(entries.size() * line + 2 * pad, area.height());
        box = QRectF(area.right() - width, area.top() + px(4), width, height);
        area.setRight(box.left() - px(8));
    } else {
        double total = 0;
        for (const auto& e : entries) {
            total += entryWidth(e) + 2 * pad;
        }
        const double width = std::min(total + pad, area.width());
        box = QRectF(area.center().x() - width / 2, area.top(), width, line + 2 * pad);
        area.setTop(box.bottom() + px(6));
    }
    // A soft shadow lifts the box off the chart.
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0, 0, 0, 60));
    m_painter.drawRect(box.translated(px(3), px(3)));
    m_painter.setBrush(Qt::white);
    m_painter.setPen(QPen(QColor(64, 64, 64), px(1)));
    m_painter.drawRect(box);
    m_painter.setFont(f);
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    QPointF at(box.left() + pad, box.top() + pad);
    for (const auto& e : entries) {
        const QRectF sample(at.x(), at.y() + (line - px(9)) / 2, swatch, px(9));
        m_painter.setBrush(toQColor(e.color));
        m_painter.setPen(QPen(QColor(40, 40, 40), px(1) * 0.8));
        m_painter.drawRect(sample);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRectF(sample.right() + pad, at.y(), box.width(), line),
                           Qt::AlignLeft | Qt::AlignVCenter, qs(e.text));
        if (legend.position == ChartLegend::Position::Right) {
            at.setY(at.y() + line);
        } else {
            at.setX(at.x() + entryWidth(e) + 2 * pad);
        }
    }
    m_painter.restore();
    return area;
}

void ChartPainter::paintCartesian(QRectF area) {
    const bool horizontal = m_model.horizontal();
    const AxisId valueAxisId = horizontal ? AxisId::Bottom : AxisId::Left;
    const AxisId categoryAxisId = horizontal ? AxisId::Left : AxisId::Bottom;
    const ChartAxis& valueAxis = horizontal ? m_model.bottomAxis : m_model.leftAxis;
    const ChartAxis& categoryAxis = horizontal ? m_model.leftAxis : m_model.bottomAxis;
    const ChartAxis& rightAxis = m_model.rightAxis;
    const bool rightShown = rightAxis.visible && !horizontal;
    const AxisRange valueRange = m_model.axisRange(valueAxisId);
    const AxisRange categoryRange = m_model.axisRange(categoryAxisId);
    const AxisRange rightRange = m_model.axisRange(AxisId::Right);
    const bool line = m_model.layoutKind() == ChartSeries::Kind::Line;

    // A small zoomed view (as in an opening animation) writes smaller, within reason.
    const double textScale = std::clamp(m_model.view3D.zoomPercent / 100.0, 0.75, 1.0);
    m_markFontSize = 10 * textScale;
    const QFont labelFont = font(11 * textScale);
    const QFontMetricsF metrics(labelFont);
    const double gap = px(5);

    // The category labels come from the first visible series that has points.
    std::vector<CategoryLabel> categories;
    for (int s = 0; s < m_model.seriesCount() && categories.empty(); ++s) {
        const ChartSeries& series = m_model.series(s);
        if (!series.visible || series.count() == 0) {
            continue;
        }
        const int first = line ? 0 : m_model.firstPoint();
        const int last = line ? series.count() : first + m_model.pointsShown();
        for (int i = first; i < last && i < series.count(); ++i) {
            const ChartPoint& p = series.points()[static_cast<std::size_t>(i)];
            const double position = p.x.value_or(i);
            if (position < categoryRange.minimum - 1e-9 ||
                position > categoryRange.maximum + 1e-9) {
                continue;
            }
            categories.push_back(CategoryLabel{
                position, categoryAxis.labelsFromPoints ? qs(p.label) : QString::number(i)});
        }
    }
    auto valueText = [this](AxisId axis, double v) { return qs(m_model.valueLabel(axis, v)); };

    // Room for labels and titles round the plot.
    auto widestTick = [&](AxisId axis, const AxisRange& range) {
        double widest = 0;
        const double step = range.step > 0 ? range.step : 1;
        for (double v = range.minimum; v <= range.maximum + step * 1e-9; v += step) {
            widest = std::max(widest, metrics.horizontalAdvance(valueText(axis, v)));
        }
        return widest;
    };
    const double valueLabelWidth = widestTick(valueAxisId, valueRange);
    double categoryLabelWidth = 0;
    for (const auto& c : categories) {
        categoryLabelWidth = std::max(categoryLabelWidth, metrics.horizontalAdvance(c.text));
    }
    const double rightLabelWidth = rightShown ? widestTick(AxisId::Right, rightRange) : 0;
    const QFont titleFont = font(11, true);
    const double titleHeight = QFontMetricsF(titleFont).height();
    const ChartAxis& leftSide = m_model.leftAxis;
    const ChartAxis& bottomSide = m_model.bottomAxis;
    const double leftLabels = horizontal ? categoryLabelWidth : valueLabelWidth;
    double left = leftSide.visible ? leftLabels + gap * 1.5 : 0;
    if (leftSide.visible && !leftSide.title.empty()) {
        left += titleHeight + gap;
    }
    double bottom = 0;
    if (bottomSide.visible) {
        const bool turned = !horizontal && bottomSide.labelAngle == 90;
        bottom = (turned ? categoryLabelWidth : metrics.height()) + gap * 1.5;
        if (!bottomSide.title.empty()) {
            bottom += titleHeight + gap;
        }
    }
    const double right = rightShown ? rightLabelWidth + gap * 1.5 : metrics.height() * 0.5;
    const double top = metrics.height() * 0.6;
    const QRectF plotArea = area.adjusted(left, top, -right, -bottom);
    if (plotArea.width() < 4 || plotArea.height() < 4) {
        return;
    }
    const ChartProjection proj(m_model.view3D, plotArea);
    const double W = proj.width();
    const double H = proj.height();
    const double D = proj.depth();
    const double valueLength = horizontal ? W : H;
    const double categoryLength = horizontal ? H : W;
    auto valuePixel = [&](const AxisRange& r, double v) {
        if (!(r.maximum > r.minimum)) {
            return 0.0;
        }
        const double clamped = std::clamp(v, r.minimum, r.maximum);
        return (clamped - r.minimum) / (r.maximum - r.minimum) * valueLength;
    };
    auto categoryPixel = [&](double c) {
        if (!(categoryRange.maximum > categoryRange.minimum)) {
            return 0.0;
        }
        return (c - categoryRange.minimum) / (categoryRange.maximum - categoryRange.minimum) *
               categoryLength;
    };
    // Plot coordinates of a (category, value) place at depth z.
    auto place = [&](double c, double v, double z) {
        return horizontal ? proj.project(v, c, z) : proj.project(c, v, z);
    };
    m_layout =
        Layout{true, horizontal, QRectF(proj.project(0, H, 0), proj.project(W, 0, 0)).normalized(),
               categoryRange, valueRange};

    // Walls: drawn where their inner side faces the viewer.
    const ChartWalls& walls = m_model.walls;
    const QPolygonF backWall{proj.project(0, 0, D), proj.project(0, H, D), proj.project(W, H, D),
                             proj.project(W, 0, D)};
    const QPolygonF leftWall{proj.project(0, 0, 0), proj.project(0, H, 0), proj.project(0, H, D),
                             proj.project(0, 0, D)};
    const QPolygonF floorWall{proj.project(0, 0, 0), proj.project(0, 0, D), proj.project(W, 0, D),
                              proj.project(W, 0, 0)};
    const bool backShown = !ChartProjection::facesViewer(backWall);
    const bool leftShown = D > 0 && !ChartProjection::facesViewer(leftWall);
    const bool floorShown = D > 0 && !ChartProjection::facesViewer(floorWall);
    const QPen wallPen(QColor(90, 90, 90), px(1));
    if (walls.visible) {
        m_painter.setPen(wallPen);
        if (backShown) {
            m_painter.setBrush(walls.backFilled ? QBrush(toQColor(walls.backColor)) : QBrush());
            m_painter.drawPolygon(backWall);
        }
        if (leftShown) {
            m_painter.setBrush(toQColor(walls.leftColor));
            m_painter.drawPolygon(leftWall);
        }
        if (floorShown) {
            m_painter.setBrush(toQColor(walls.bottomColor));
            m_painter.drawPolygon(floorWall);
        }
    } else if (m_model.frameVisible && D == 0) {
        m_painter.setPen(wallPen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolygon(backWall);
    }

    // Grid lines of the value ticks on the walls, and the value labels.
    // Labels keep apart on the screen, so thinning measures the axes as projected.
    const QPointF valueAxisVector = place(0, valueLength, 0) - place(0, 0, 0);
    const double valueAxisPixels = std::hypot(valueAxisVector.x(), valueAxisVector.y());
    const std::vector<double> valueTicks =
        ticks(valueRange, valueAxisPixels, horizontal ? valueLabelWidth : metrics.height());
    const QColor gridColor(128, 128, 128, 150);
    m_painter.setFont(labelFont);
    for (const double v : valueTicks) {
        const double p = valuePixel(valueRange, v);
        if (walls.visible && valueAxis.visible) {
            m_painter.setPen(QPen(gridColor, px(1), Qt::DotLine));
            if (backShown) {
                m_painter.drawLine(place(0, p, D), place(categoryLength, p, D));
            }
            if (horizontal ? floorShown : leftShown) {
                m_painter.drawLine(place(0, p, 0), place(0, p, D));
            }
        }
        if (!valueAxis.visible) {
            continue;
        }
        m_painter.setPen(toQColor(valueAxis.labelColor));
        const QString text = valueText(valueAxisId, v);
        const QPointF at = place(0, p, 0);
        if (horizontal) {
            m_painter.drawText(QRectF(at.x() - valueLabelWidth, at.y() + gap, 2 * valueLabelWidth,
                                      metrics.height()),
                               Qt::AlignHCenter | Qt::AlignTop, text);
        } else {
            m_painter.drawText(QRectF(at.x() - gap - valueLabelWidth, at.y() - metrics.height() / 2,
                                      valueLabelWidth, metrics.height()),
                               Qt::AlignRight | Qt::AlignVCenter, text);
        }
    }
    if (rightShown) {
        m_painter.setPen(toQColor(rightAxis.labelColor));
        const QPointF rightVector = proj.project(W, H, D) - proj.project(W, 0, D);
        for (const double v :
             ticks(rightRange, std::hypot(rightVector.x(), rightVector.y()), metrics.height())) {
            const QPointF at = proj.project(W, valuePixel(rightRange, v), D);
            m_painter.drawText(QRectF(at.x() + gap, at.y() - metrics.height() / 2, rightLabelWidth,
                                      metrics.height()),
                               Qt::AlignLeft | Qt::AlignVCenter, valueText(AxisId::Right, v));
        }
    }

    // Category labels, thinned so that they keep their separation.
    if (categoryAxis.visible && !categories.empty()) {
        const bool turned = !horizontal && categoryAxis.labelAngle == 90;
        const double extent = turned || horizontal ? metrics.height() : categoryLabelWidth;
        const QPointF step = categories.size() > 1
                                 ? place(categoryPixel(categories[1].position), 0, 0) -
                                       place(categoryPixel(categories[0].position), 0, 0)
                                 : place(categoryLength, 0, 0) - place(0, 0, 0);
        const double spacing = std::hypot(step.x(), step.y());
        const double wanted = extent * (1 + categoryAxis.labelSeparation / 100.0);
        const auto every = static_cast<std::size_t>(
            std::max(1.0, std::ceil(wanted / std::max(spacing, 1e-6) - 1e-9)));
        m_painter.setPen(toQColor(categoryAxis.labelColor));
        for (std::size_t i = 0; i < categories.size(); i += every) {
            const QPointF at = place(categoryPixel(categories[i].position), 0, 0);
            const QString& text = categories[i].text;
            if (horizontal) {
                m_painter.drawText(QRectF(at.x() - gap - categoryLabelWidth,
                                          at.y() - metrics.height() / 2, categoryLabelWidth,
                                          metrics.height()),
                                   Qt::AlignRight | Qt::AlignVCenter, text);
            } else if (turned) {
                m_painter.save();
                m_painter.translate(at.x(), at.y() + gap);
                m_painter.rotate(-90);
                m_painter.drawText(QRectF(-categoryLabelWidth, -metrics.height() / 2,
                                          categoryLabelWidth, metrics.height()),
                                   Qt::AlignRight | Qt::AlignVCenter, text);
                m_painter.restore();
            } else {
                m_painter.drawText(QRectF(at.x() - spacing * every / 2 - categoryLabelWidth,
                                          at.y() + gap, spacing * every + 2 * categoryLabelWidth,
                                          metrics.height()),
                                   Qt::AlignHCenter | Qt::AlignTop, text);
            }
        }
    }

    // Axis titles.
    m_painter.setFont(titleFont);
    if (leftSide.visible && !leftSide.title.empty()) {
        m_painter.setPen(toQColor(leftSide.labelColor));
        m_painter.save();
        m_painter.translate(area.left() + titleHeight / 2, plotArea.center().y());
        m_painter.rotate(-90);
        m_painter.drawText(
            QRectF(-plotArea.height() / 2, -titleHeight / 2, plotArea.height(), titleHeight),
            Qt::AlignCenter, qs(leftSide.title));
        m_painter.restore();
    }
    if (bottomSide.visible && !bottomSide.title.empty()) {
        m_painter.setPen(toQColor(bottomSide.labelColor));
        m_painter.drawText(
            QRectF(plotArea.left(), area.bottom() - titleHeight, plotArea.width(), titleHeight),
            Qt::AlignCenter, qs(bottomSide.title));
    }

    // The series.
    std::vector<int> shown;
    for (int s = 0; s < m_model.seriesCount(); ++s) {
        const ChartSeries& series = m_model.series(s);
        if (series.visible && series.kind() != ChartSeries::Kind::Pie &&
            (series.kind() == ChartSeries::Kind::Line) == line) {
            shown.push_back(s);
        }
    }
    std::vector<Mark> marks;
    const double zFront = D * 0.04;
    const double zBack = D * 0.96;
    if (!line) {
        const bool stacked = m_model.stacked();
        std::vector<Box> boxes;
        const double categoryPixels =
            categoryLength / (categoryRange.maximum - categoryRange.minimum);
        const int first = m_model.firstPoint();
        const int last = first + m_model.pointsShown();
        const double slotCount = stacked ? 1.0 : static_cast<double>(shown.size());
        // Bars side by side each take their own slice of the depth, one behind the other in the
        // order they stand along the category axis, in the direction the view moves the depth.
        // The shift of each slice then carries a bar's top and side faces exactly up to its
        // neighbour's front, so none covers another. A single series keeps the whole depth.
        const double slice = (zBack - zFront) / slotCount;
        const QPointF depthShift = place(0, 0, 1) - place(0, 0, 0);
        const QPointF categoryShift = place(1, 0, 0) - place(0, 0, 0);
        const bool laterBehind = QPointF::dotProduct(depthShift, categoryShift) >= 0;
        for (std::size_t k = 0; k < shown.size(); ++k) {
            const int s = shown[k];
            const ChartSeries& series = m_model.series(s);
            const AxisRange& range = series.axis == ChartSeries::AxisBinding::Right && !horizontal
                                         ? rightRange
                                         : valueRange;
            const double sliceIndex =
                stacked ? 0.0 : static_cast<double>(laterBehind ? k : shown.size() - 1 - k);
            const double z0 = zFront + sliceIndex * slice;
            const double z1 = z0 + slice;
            const double slot = categoryPixels * series.barWidthPercent / 100.0 / slotCount;
            const double slotShift =
                stacked ? 0.0 : (static_cast<double>(k) - (slotCount - 1) / 2) * slot;
            for (int i = first; i < last && i < series.count(); ++i) {
                if (i < categoryRange.minimum - 0.5 || i > categoryRange.maximum + 0.5) {
                    continue;
                }
                const double centre =
                    categoryPixel(i) + slotShift + series.barOffsetPercent / 100.0 * slot;
                const double base = stacked ? m_model.stackBase(s, i) : 0.0;
                const double v = series.value(i);
                if (!std::isfinite(v)) {
                    continue;
                }
                const double p0 = valuePixel(range, base);
                const double p1 = valuePixel(range, base + v);
                const QColor color = toQColor(series.points()[static_cast<std::size_t>(i)].color);
                const double c0 = std::max(0.0, centre - slot / 2);
                const double c1 = std::min(categoryLength, centre + slot / 2);
                if (c1 <= c0) {
                    continue;
                }
                if (horizontal) {
                    boxes.push_back(Box{std::min(p0, p1), std::max(p0, p1), c0, c1, z0, z1, color,
                                        series.gradientFill, true, s, i});
                } else {
                    boxes.push_back(Box{c0, c1, std::min(p0, p1), std::max(p0, p1), z0, z1, color,
                                        series.gradientFill, false, s, i});
                }
                // Marks of a view zoomed far out would only heap up.
                if (!series.marks.visible || m_model.view3D.zoomPercent < 70) {
                    continue;
                }
                const QString text = qs(series.markText(i));
                const QFontMetricsF mm(font(m_markFontSize));
                const QSizeF size(mm.horizontalAdvance(text) + px(8), mm.height() + px(2));
                const double zMid = (z0 + z1) / 2;
                Mark mark{series.markText(i), {}, {}, &series.marks};
                if (stacked) {
                    const QPointF at = place(centre, (p0 + p1) / 2, z0);
                    mark.anchor = at;
                    mark.box = QRectF(at.x() - size.width() / 2, at.y() - size.height() / 2,
                                      size.width(), size.height());
                } else {
                    const double arrow = px(series.marks.arrowLength);
                    const QPointF at = place(centre, p1, zMid);
                    mark.anchor = at;
                    if (horizontal) {
                        const bool back = v < 0;
                        mark.box = QRectF(back ? at.x() - arrow - size.width() : at.x() + arrow,
                                          at.y() - size.height() / 2, size.width(), size.height());
                    } else {
                        const bool down = v < 0;
                        mark.box = QRectF(at.x() - size.width() / 2,
                                          down ? at.y() + arrow : at.y() - arrow - size.height(),
                                          size.width(), size.height());
                    }
                }
                marks.push_back(mark);
            }
        }
        // Painter's order: a box goes before every box it lies behind. Boxes that a plane
        // along an axis separates are ordered by the side the viewer is on; the rest by the
        // distance of their centres.
        const double origin = proj.distance(0, 0, 0);
        const double towards[3] = {proj.distance(1, 0, 0) - origin, proj.distance(0, 1, 0) - origin,
                                   proj.distance(0, 0, 1) - origin};
        auto behind = [&](const Box& a, const Box& b) {
            const double lows[2][3] = {{a.x0, a.y0, a.z0}, {b.x0, b.y0, b.z0}};
            const double highs[2][3] = {{a.x1, a.y1, a.z1}, {b.x1, b.y1, b.z1}};
            for (int k = 0; k < 3; ++k) {
                if (highs[0][k] <= lows[1][k] + 1e-6) {
                    return towards[k] < 0;
                }
                if (highs[1][k] <= lows[0][k] + 1e-6) {
                    return towards[k] > 0;
                }
            }
            return proj.distance((a.x0 + a.x1) / 2, (a.y0 + a.y1) / 2, (a.z0 + a.z1) / 2) >
                   proj.distance((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, (b.z0 + b.z1) / 2);
        };
        std::vector<Box> ordered;
        for (const Box& box : boxes) {
            auto at = std::find_if(ordered.begin(), ordered.end(),
                                   [&](const Box& other) { return behind(box, other); });
            ordered.insert(at, box);
        }
        boxes = std::move(ordered);
        for (const Box& b : boxes) {
            auto P = [&](double x, double y, double z) { return proj.project(x, y, z); };
            struct Face {
                QPolygonF polygon;
                QColor color;
                bool front;
            };
            const Face faces[] = {
                {{P(b.x0, b.y0, b.z0), P(b.x1, b.y0, b.z0), P(b.x1, b.y1, b.z0),
                  P(b.x0, b.y1, b.z0)},
                 b.color,
                 true},
                {{P(b.x0, b.y0, b.z1), P(b.x0, b.y1, b.z1), P(b.x1, b.y1, b.z1),
                  P(b.x1, b.y0, b.z1)},
                 b.color.darker(110),
                 false},
                {{P(b.x0, b.y0, b.z0), P(b.x0, b.y1, b.z0), P(b.x0, b.y1, b.z1),
                  P(b.x0, b.y0, b.z1)},
                 b.color.darker(140),
                 false},
                {{P(b.x1, b.y0, b.z0), P(b.x1, b.y0, b.z1), P(b.x1, b.y1, b.z1),
                  P(b.x1, b.y1, b.z0)},
                 b.color.darker(140),
                 false},
                {{P(b.x0, b.y1, b.z0), P(b.x1, b.y1, b.z0), P(b.x1, b.y1, b.z1),
                  P(b.x0, b.y1, b.z1)},
                 b.color.lighter(125),
                 false},
                {{P(b.x0, b.y0, b.z0), P(b.x0, b.y0, b.z1), P(b.x1, b.y0, b.z1),
                  P(b.x1, b.y0, b.z0)},
                 b.color.darker(160),
                 false},
            };
            const QPen edge(b.color.darker(200), px(0.8));
            BarShape& shape = m_bars.emplace_back(BarShape{b.series, b.point, {}});
            for (const Face& face : faces) {
                if (!ChartProjection::facesViewer(face.polygon)) {
                    continue;
                }
                shape.faces.push_back(face.polygon);
                QBrush brush(face.color);
                if (b.gradient && face.front) {
                    // Along the bar: deep at its foot, bright at its end.
                    const QPointF foot = b.horizontal ? P(b.x0, (b.y0 + b.y1) / 2, b.z0)
                                                      : P((b.x0 + b.x1) / 2, b.y0, b.z0);
                    const QPointF end = b.horizontal ? P(b.x1, (b.y0 + b.y1) / 2, b.z0)
                                                     : P((b.x0 + b.x1) / 2, b.y1, b.z0);
                    QLinearGradient gradient(foot, end);
                    gradient.setColorAt(0, face.color.darker(150));
                    gradient.setColorAt(1, face.color.lighter(150));
                    brush = QBrush(gradient);
                }
                m_painter.setPen(edge);
                m_painter.setBrush(brush);
                m_painter.drawPolygon(face.polygon);
            }
        }
    } else {
        const double band = shown.empty() ? 0 : D / static_cast<double>(shown.size());
        for (auto k = static_cast<int>(shown.size()) - 1; k >= 0; --k) {
            const ChartSeries& series = m_model.series(shown[static_cast<std::size_t>(k)]);
            const double z0 = band * k + band * 0.15;
            const double z1 = band * (k + 1) - band * 0.15;
            std::vector<QPointF> points; // (x, y) in plot coordinates
            for (int i = 0; i < series.count(); ++i) {
                const ChartPoint& p = series.points()[static_cast<std::size_t>(i)];
                const double x = p.x.value_or(i);
                if (x < categoryRange.minimum - 1e-9 || x > categoryRange.maximum + 1e-9 ||
                    !std::isfinite(p.value)) {
                    continue;
                }
                points.emplace_back(categoryPixel(x), valuePixel(valueRange, p.value));
            }
            const QColor color = toQColor(series.color);
            if (D > 0) {
                std::vector<QPolygonF> ribbons;
                for (std::size_t i = 1; i < points.size(); ++i) {
                    const QPointF a = points[i - 1];
                    const QPointF b = points[i];
                    ribbons.push_back(
                        QPolygonF{proj.project(a.x(), a.y(), z0), proj.project(b.x(), b.y(), z0),
                                  proj.project(b.x(), b.y(), z1), proj.project(a.x(), a.y(), z1)});
                }
                m_painter.setPen(QPen(color.darker(160), px(0.6)));
                for (const QPolygonF& r : ribbons) {
                    m_painter.setBrush(ChartProjection::facesViewer(r) ? color.darker(125)
                                                                       : color.lighter(115));
                    m_painter.drawPolygon(r);
                }
            }
            QPolygonF front;
            for (const QPointF& p : points) {
                front << proj.project(p.x(), p.y(), z0);
            }
            m_painter.setPen(
                QPen(color, px(D > 0 ? 1.2 : 2), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawPolyline(front);
            if (series.pointMarkers) {
                m_painter.setBrush(color);
                m_painter.setPen(QPen(color.darker(180), px(0.8)));
                for (const QPointF& p : front) {
                    m_painter.drawRect(QRectF(p.x() - px(2.5), p.y() - px(2.5), px(5), px(5)));
                }
            }
        }
    }

    // Axis lines along the front edges.
    if (valueAxis.visible && valueAxis.axisLineVisible) {
        m_painter.setPen(QPen(toQColor(valueAxis.labelColor), px(1.5)));
        m_painter.drawLine(place(0, 0, 0), place(0, valueLength, 0));
    }
    if (categoryAxis.visible && categoryAxis.axisLineVisible) {
        m_painter.setPen(QPen(toQColor(categoryAxis.labelColor), px(1.5)));
        m_painter.drawLine(place(0, 0, 0), place(categoryLength, 0, 0));
    }
    paintMarks(marks, !horizontal);
}

void ChartPainter::paintMarks(std::vector<Mark>& marks, bool pushUp) {
    // Keep every mark inside the chart, then move marks off the ones before them.
    auto keepInside = [this](QRectF& box) {
        box.moveLeft(std::clamp(box.left(), m_rect.left() + 1,
                                std::max(m_rect.left() + 1, m_rect.right() - box.width() - 1)));
        box.moveTop(std::clamp(box.top(), m_rect.top() + 1,
                               std::max(m_rect.top() + 1, m_rect.bottom() - box.height() - 1)));
    };
    // A mark that still overlaps after one move is left out: a crowded chart (a small or
    // turned view) shows fewer marks rather than a heap of them.
    std::vector<Mark> kept;
    for (Mark& mark : marks) {
        keepInside(mark.box);
        auto overlapped = [&kept](const QRectF& box) -> const QRectF* {
            for (const Mark& other : kept) {
                if (box.intersects(other.box)) {
                    return &other.box;
                }
            }
            return nullptr;
        };
        if (const QRectF* other = overlapped(mark.box)) {
            if (pushUp) {
                mark.box.moveBottom(other->top() - px(1));
            } else {
                mark.box.moveLeft(other->right() + px(1));
            }
            keepInside(mark.box);
            if (overlapped(mark.box) != nullptr) {
                continue;
            }
        }
        kept.push_back(mark);
    }
    marks = std::move(kept);
    m_painter.setFont(font(m_markFontSize));
    for (const Mark& mark : marks) {
        const ChartMarks& style = *mark.style;
        if (!mark.box.contains(mark.anchor)) {
            const QPointF target(std::clamp(mark.anchor.x(), mark.box.left(), mark.box.right()),
                                 std::clamp(mark.anchor.y(), mark.box.top(), mark.box.bottom()));
            m_painter.setPen(QPen(QColor(70, 70, 70), px(1)));
            m_painter.drawLine(mark.anchor, target);
        }
        if (style.backColor) {
            m_painter.setPen(Qt::NoPen);
            m_painter.setBrush(QColor(0, 0, 0, 50));
            m_painter.drawRect(mark.box.translated(px(1.5), px(1.5)));
            m_painter.setBrush(toQColor(*style.backColor));
            m_painter.setPen(QPen(QColor(60, 60, 60), px(0.8)));
            m_painter.drawRect(mark.box);
        }
        m_painter.setPen(toQColor(style.textColor));
        m_painter.drawText(mark.box, Qt::AlignCenter, qs(mark.text));
        m_markRects.push_back(mark.box);
    }
}

void ChartPainter::paintPie(const QRectF& area, int seriesIndex) {
    const ChartSeries& series = m_model.series(seriesIndex);
    const std::vector<PieSlice> slices = m_model.pieSlices(seriesIndex);
    const ChartView3D& view = m_model.view3D;
    const double depthShare = view.enabled ? std::clamp(view.depthPercent, 0, 100) / 100.0 : 0;
    // Seen from above: elevation 360 faces the pie's top, lower values tilt it towards the eye.
    int elevation = ((view.elevation % 360) + 360) % 360;
    if (elevation == 0) {
        elevation = 360;
    }
    const double tilt = view.enabled ? std::clamp(360.0 - elevation, 0.0, 70.0) : 0;
    const double ratio = view.enabled ? std::clamp(1.0 - tilt / 100.0, 0.3, 1.0) : 1.0;
    const double explode = series.pie.explodeBiggest / 100.0;
    const bool marksShown = series.marks.visible;
    const QFont markFont = font(10);
    const QFontMetricsF mm(markFont);
    double labelWidth = 0;
    std::vector<QString> texts;
    for (const PieSlice& slice : slices) {
        texts.push_back(qs(m_model.pieMarkText(seriesIndex, slice)));
        labelWidth = std::max(labelWidth, mm.horizontalAdvance(texts.back()) + px(8));
    }
    const double arrow = marksShown ? px(series.marks.arrowLength) + px(6) : 0;
    const double labelHeight = mm.height() + px(2);
    const double sideRoom = marksShown ? labelWidth + arrow + px(4) : px(2);
    const double heightRoom = marksShown ? labelHeight + arrow : px(2);
    // Radius from width and from height (ellipse, rim and explosion included).
    const double byWidth = (area.width() - 2 * sideRoom) / (2 * (1 + explode));
    const double byHeight =
        (area.height() - 2 * heightRoom) / (2 * ratio * (1 + explode) + depthShare * 0.5);
    const double rx = std::max(2.0, std::min(byWidth, byHeight) * view.zoomPercent / 100.0);
    const double ry = rx * ratio;
    const double thickness = rx * depthShare * 0.5;
    const QPointF centre(area.center().x(), area.center().y() - thickness / 2);

    auto offsetOf = [&](const PieSlice& s) {
        const double mid = radians(s.startAngle + s.sweepAngle / 2);
        const double e = s.explodePercent / 100.0 * rx;
        return QPointF(e * std::cos(mid), -e * ratio * std::sin(mid));
    };
    auto rim = [&](const QPointF& c, double degrees, double drop) {
        return QPointF(c.x() + rx * std::cos(radians(degrees)),
                       c.y() - ry * std::sin(radians(degrees)) + drop);
    };
    auto ellipse = [&](const QPointF& c, double drop) {
        return QRectF(c.x() - rx, c.y() - ry + drop, 2 * rx, 2 * ry);
    };
    // Slices from back to front: their middles' height on screen.
    std::vector<std::size_t> order(slices.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    auto frontness = [&](std::size_t i) {
        const PieSlice& s = slices[i];
        return offsetOf(s).y() - std::sin(radians(s.startAngle + s.sweepAngle / 2)) * ry * 0.5;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return frontness(a) < frontness(b); });

    const QPen edge(QColor(30, 30, 30, 160), px(0.8));
    if (thickness > 0.5) {
        for (const std::size_t i : order) {
            const PieSlice& s = slices[i];
            const QPointF c = centre + offsetOf(s);
            const QColor color = toQColor(s.color);
            m_painter.setPen(edge);
            // Cut faces: the start edge shows on the right half, the end edge on the left half.
            if (slices.size() > 1) {
                for (const double angle : {s.startAngle, s.startAngle + s.sweepAngle}) {
                    const bool start = angle == s.startAngle;
                    const double cosine = std::cos(radians(angle));
                    if ((start && cosine <= 0) || (!start && cosine >= 0)) {
                        continue;
                    }
                    m_painter.setBrush(color.darker(150));
                    m_painter.drawPolygon(QPolygonF{c, rim(c, angle, 0), rim(c, angle, thickness),
                                                    c + QPointF(0, thickness)});
                }
            }
            // The rim where it faces the viewer (the lower half of the ellipse).
            const double from = s.startAngle;
            const double to = s.startAngle + s.sweepAngle;
            for (int k = -1; k <= 2; ++k) {
                const double a1 = std::max(from, 180.0 + 360.0 * k);
                const double a2 = std::min(to, 360.0 + 360.0 * k);
                if (a2 <= a1) {
                    continue;
                }
                QPainterPath path;
                path.moveTo(rim(c, a1, 0));
                path.arcTo(ellipse(c, 0), a1, a2 - a1);
                path.lineTo(rim(c, a2, thickness));
                path.arcTo(ellipse(c, thickness), a2, -(a2 - a1));
                path.closeSubpath();
                QLinearGradient shade(c.x() - rx, 0, c.x() + rx, 0);
                shade.setColorAt(0, color.darker(190));
                shade.setColorAt(0.45, color.darker(115));
                shade.setColorAt(1, color.darker(190));
                m_painter.setBrush(shade);
                m_painter.drawPath(path);
            }
        }
    }
    for (const std::size_t i : order) {
        const PieSlice& s = slices[i];
        const QPointF c = centre + offsetOf(s);
        QPainterPath path;
        path.moveTo(c);
        path.arcTo(ellipse(c, 0), s.startAngle, s.sweepAngle);
        path.closeSubpath();
        const QColor color = toQColor(s.color);
        QLinearGradient light(c.x() - rx, c.y() - ry, c.x() + rx, c.y() + ry);
        light.setColorAt(0, color.lighter(118));
        light.setColorAt(1, color);
        m_painter.setPen(edge);
        m_painter.setBrush(light);
        m_painter.drawPath(path);
    }
    if (!marksShown) {
        return;
    }
    // Marks: beside the slice's middle, on its own side, stacked apart on each side.
    std::vector<Mark> left;
    std::vector<Mark> right;
    for (std::size_t i = 0; i < slices.size(); ++i) {
        const PieSlice& s = slices[i];
        const double mid = s.startAngle + s.sweepAngle / 2;
        const QPointF c = centre + offsetOf(s);
        const double sine = std::sin(radians(mid));
        const QPointF from = rim(c, mid, sine < 0 ? thickness * 0.5 : 0);
        const double reach = px(series.marks.arrowLength) + px(4);
        const QPointF to(from.x() + reach * std::cos(radians(mid)),
                         from.y() - reach * std::sin(radians(mid)));
        const double width = mm.horizontalAdvance(texts[i]) + px(8);
        const bool onRight = std::cos(radians(mid)) >= 0;
        Mark mark{m_model.pieMarkText(seriesIndex, s), from, {}, &series.marks};
        mark.box = QRectF(onRight ? to.x() + px(2) : to.x() - px(2) - width,
                          to.y() - labelHeight / 2, width, labelHeight);
        (onRight ? right : left).push_back(mark);
    }
    std::vector<Mark> all;
    for (auto* side : {&left, &right}) {
        std::stable_sort(side->begin(), side->end(),
                         [](const Mark& a, const Mark& b) { return a.box.top() < b.box.top(); });
        for (std::size_t i = 1; i < side->size(); ++i) {
            QRectF& box = (*side)[i].box;
            const QRectF& above = (*side)[i - 1].box;
            if (box.top() < above.bottom() + px(1)) {
                box.moveTop(above.bottom() + px(1));
            }
        }
        // Pushed past the bottom: move the column back up as a whole.
        if (!side->empty()) {
            const double overflow = side->back().box.bottom() - (m_rect.bottom() - 1);
            if (overflow > 0) {
                for (Mark& mark : *side) {
                    mark.box.translate(0, -overflow);
                }
            }
        }
        all.insert(all.end(), side->begin(), side->end());
    }
    paintMarks(all, true);
}
