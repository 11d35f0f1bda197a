#include "ui/chart_painter.h"

#include "ui/chart_text.h"
#include "ui/font_twins.h"
#include "ui/qt_color.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

// The legend's font and spacing, and the width an entry takes.
struct ChartPainter::LegendLook {
    QFont font;
    QFontMetricsF metrics;
    double swatch; // width of the colour sample
    double pad;
    double line; // height of an entry

    [[nodiscard]] double entryWidth(const LegendEntry& e) const {
        return swatch + pad + metrics.horizontalAdvance(chartText(e.text));
    }
};

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
    if (!title.visible || title.lines.empty())
        return area;
    // Small charts (the Space page's pies) get a title to their size.
    const QFont f = font(std::min(14.0, m_rect.height() / m_unit / 9), true);
    const QFontMetricsF metrics(f);
    m_painter.setFont(f);
    m_painter.setPen(toQColor(title.color));
    for (const auto& line : title.lines) {
        m_painter.drawText(QRectF(area.left(), area.top(), area.width(), metrics.height()),
                           Qt::AlignCenter, chartText(line));
        area.setTop(area.top() + metrics.height());
    }
    area.setTop(area.top() + px(6));
    return area;
}

QRectF ChartPainter::paintLegend(QRectF area) {
    const std::vector<LegendEntry> entries = m_model.legendEntries();
    if (!m_model.legend.visible || entries.empty())
        return area;
    const QFont f = font(11);
    const QFontMetricsF metrics(f);
    const LegendLook look{f, metrics, px(14), px(6), metrics.height() + px(2)};
    const QRectF box = placeLegend(area, entries, look);
    paintLegendBox(box, entries, look);
    return area;
}

// A legend on the right is a column beside the plot, one on top a row above it.
QRectF ChartPainter::placeLegend(QRectF& area, const std::vector<LegendEntry>& entries,
                                 const LegendLook& look) const {
    const double pad = look.pad;
    if (m_model.legend.position == ChartLegend::Position::Right) {
        double widest = 0;
        for (const auto& e : entries)
            widest = std::max(widest, look.entryWidth(e));
        const double width = std::min(widest + 2 * pad, area.width() * 0.45);
        const double height = std::min(entries.size() * look.line + 2 * pad, area.height());
        const QRectF box(area.right() - width, area.top() + px(4), width, height);
        area.setRight(box.left() - px(8));
        return box;
    }
    double total = 0;
    for (const auto& e : entries)
        total += look.entryWidth(e) + 2 * pad;
    const double width = std::min(total + pad, area.width());
    const QRectF box(area.center().x() - width / 2, area.top(), width, look.line + 2 * pad);
    area.setTop(box.bottom() + px(6));
    return box;
}

void ChartPainter::paintLegendBox(const QRectF& box, const std::vector<LegendEntry>& entries,
                                  const LegendLook& look) {
    const double pad = look.pad;
    const double line = look.line;
    // A soft shadow lifts the box off the chart.
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(0, 0, 0, 60));
    m_painter.drawRect(box.translated(px(3), px(3)));
    m_painter.setBrush(Qt::white);
    m_painter.setPen(QPen(QColor(64, 64, 64), px(1)));
    m_painter.drawRect(box);
    m_painter.setFont(look.font);
    m_painter.save();
    m_painter.setClipRect(box, Qt::IntersectClip);
    QPointF at(box.left() + pad, box.top() + pad);
    for (const auto& e : entries) {
        const QRectF sample(at.x(), at.y() + (line - px(9)) / 2, look.swatch, px(9));
        m_painter.setBrush(toQColor(e.color));
        m_painter.setPen(QPen(QColor(40, 40, 40), px(1) * 0.8));
        m_painter.drawRect(sample);
        m_painter.setPen(Qt::black);
        m_painter.drawText(QRectF(sample.right() + pad, at.y(), box.width(), line),
                           Qt::AlignLeft | Qt::AlignVCenter, chartText(e.text));
        if (m_model.legend.position == ChartLegend::Position::Right)
            at.setY(at.y() + line);
        else
            at.setX(at.x() + look.entryWidth(e) + 2 * pad);
    }
    m_painter.restore();
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
            for (const Mark& other : kept)
                if (box.intersects(other.box))
                    return &other.box;
            return nullptr;
        };
        if (const QRectF* other = overlapped(mark.box)) {
            if (pushUp)
                mark.box.moveBottom(other->top() - px(1));
            else
                mark.box.moveLeft(other->right() + px(1));
            keepInside(mark.box);
            if (overlapped(mark.box) != nullptr)
                continue;
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
        m_painter.drawText(mark.box, Qt::AlignCenter, chartText(mark.text));
        m_markRects.push_back(mark.box);
    }
}
