#include "space/cluster_arrow.h"

#include <QPainter>
#include <QPainterPath>

QPixmap clusterArrowPicture(int headY) {
    QPixmap picture(clusterArrowWidth, clusterArrowHeight);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal y = headY;
    const qreal shaft = 4; // half the shaft's thickness
    const qreal barb = 10; // half the head's height
    const qreal headLeft = 22;
    const qreal tip = clusterArrowWidth - 3;
    QPainterPath arrow;
    arrow.moveTo(2, y - shaft);
    arrow.lineTo(headLeft, y - shaft);
    arrow.lineTo(headLeft, y - barb);
    arrow.lineTo(tip, y);
    arrow.lineTo(headLeft, y + barb);
    arrow.lineTo(headLeft, y + shaft);
    arrow.lineTo(2, y + shaft);
    arrow.closeSubpath();

    // A soft shadow down and to the right, then the red body lit from above with a dark edge.
    painter.fillPath(arrow.translated(2, 2), QColor(0, 0, 0, 80));
    QLinearGradient body(0, y - barb, 0, y + barb);
    body.setColorAt(0, QColor(0xFF, 0x70, 0x60));
    body.setColorAt(0.5, QColor(0xE8, 0x10, 0x10));
    body.setColorAt(1, QColor(0xA0, 0x00, 0x00));
    painter.fillPath(arrow, body);
    painter.setPen(QPen(QColor(0x60, 0x00, 0x00), 1));
    painter.drawPath(arrow);
    return picture;
}
