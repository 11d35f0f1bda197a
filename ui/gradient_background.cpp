#include "ui/gradient_background.h"

#include <QLinearGradient>
#include <QPainter>

GradientBackground::GradientBackground(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientBackground::setColors(const QColor& begin, const QColor& end) {
    m_begin = begin;
    m_end = end;
    update();
}

void GradientBackground::setDirection(Direction direction) {
    m_direction = direction;
    update();
}

void GradientBackground::paintBackground(QPainter& painter, const QRect& rect) const {
    QPointF from = rect.topLeft();
    QPointF to = rect.bottomLeft();
    switch (m_direction) {
    case Direction::topToBottom:
        break;
    case Direction::bottomToTop:
        std::swap(from, to);
        break;
    case Direction::leftToRight:
        to = rect.topRight();
        break;
    case Direction::rightToLeft:
        from = rect.topRight();
        to = rect.topLeft();
        break;
    }
    QLinearGradient gradient(from, to);
    gradient.setColorAt(0, m_begin);
    gradient.setColorAt(1, m_end);
    painter.fillRect(rect, gradient);
}

void GradientBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintBackground(painter, rect());
}
