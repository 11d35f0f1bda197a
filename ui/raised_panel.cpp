#include "ui/raised_panel.h"

#include <QPainter>

RaisedPanel::RaisedPanel(QWidget* parent) : QWidget(parent) {
    m_fill = palette().color(QPalette::Active, QPalette::Button);
    setBevels(m_outer, m_inner, m_width);
}

void RaisedPanel::setBevels(Bevel outer, Bevel inner, int width) {
    m_outer = outer;
    m_inner = inner;
    m_width = width < 1 ? 1 : width;
    const int margin = (outer != Bevel::none ? m_width : 0) + (inner != Bevel::none ? m_width : 0);
    setContentsMargins(margin, margin, margin, margin);
    update();
}

void RaisedPanel::setFillColor(const QColor& color) {
    m_fill = color;
    update();
}

void RaisedPanel::paintBevel(QPainter& painter, const QRect& rect, int width, Bevel bevel,
                             const QColor& base) {
    if (bevel == Bevel::none)
        return;
    const QColor light = base.isValid() ? base.lighter(160) : QColor(Qt::white);
    const QColor shade = base.isValid() ? base.darker(170) : QColor(Qt::darkGray);
    const QColor& topLeft = bevel == Bevel::raised ? light : shade;
    const QColor& bottomRight = bevel == Bevel::raised ? shade : light;
    for (int i = 0; i < width; ++i) {
        const QRect r = rect.adjusted(i, i, -i, -i);
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
    }
}

void RaisedPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (m_fill.isValid())
        painter.fillRect(rect(), m_fill);
    const QColor base = m_fill.isValid() ? m_fill : palette().color(QPalette::Button);
    paintBevel(painter, rect(), m_width, m_outer, base);
    const int inset = m_outer != Bevel::none ? m_width : 0;
    paintBevel(painter, rect().adjusted(inset, inset, -inset, -inset), m_width, m_inner, base);
}
