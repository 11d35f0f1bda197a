#include "ui/overlay_panel.h"

#include "ui/raised_panel.h"
#include "ui/tiled_background.h"

#include <QPainter>
#include <QResizeEvent>

namespace {
constexpr int frameWidth = 1;
} // namespace

OverlayPanel::OverlayPanel(QWidget* parent)
    : QWidget(parent), m_background(new TiledBackground(this)) {
    setContentsMargins(frameWidth, frameWidth, frameWidth, frameWidth);
    m_background->lower();
}

void OverlayPanel::cover() {
    raise();
    show();
}

void OverlayPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_background->setGeometry(contentsRect());
}

void OverlayPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    RaisedPanel::paintBevel(painter, rect(), frameWidth, RaisedPanel::Bevel::raised,
                            palette().color(QPalette::Button));
}
