#include "ui/chart.h"

#include "ui/chart_painter.h"

#include <QEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

// A drag shorter than this is a click.
constexpr int dragThreshold = 4;

} // namespace

Chart::Chart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
}

ChartModel& Chart::model() {
    update();
    return m_model;
}

void Chart::paint(QPainter& painter, const QRect& rect) {
    ChartPainter chartPainter(m_model, painter, rect);
    chartPainter.paint();
    m_markRects = chartPainter.markRects();
    m_lastLayout = chartPainter.layout();
}

void Chart::undoZoom() {
    m_model.undoZoom();
    update();
}

void Chart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint(painter, rect());
    m_screenLayout = m_lastLayout;
    if (m_dragStart) {
        const QRect band = QRect(*m_dragStart, m_dragNow).normalized();
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.setBrush(QColor(255, 255, 255, 40));
        painter.drawRect(band);
    }
}

void Chart::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragStart = event->position().toPoint();
        m_dragNow = *m_dragStart;
    }
    QWidget::mousePressEvent(event);
}

void Chart::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragStart && m_model.allowZoom) {
        m_dragNow = event->position().toPoint();
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void Chart::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragStart) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const QPoint start = *m_dragStart;
    const QPoint end = event->position().toPoint();
    m_dragStart.reset();
    const QPoint moved = end - start;
    if (moved.manhattanLength() < dragThreshold || !m_model.allowZoom) {
        update();
        emit clicked();
        return;
    }
    if (moved.x() > 0 && moved.y() > 0)
        zoomTo(QRectF(start, end));
    else if (moved.x() < 0 && moved.y() < 0)
        m_model.undoZoom();
    update();
}

void Chart::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

bool Chart::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        if (m_model.hint.empty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), QString::fromLocal8Bit(m_model.hint), this);
        return true;
    }
    return QWidget::event(event);
}

void Chart::zoomTo(const QRectF& pixels) {
    const ChartPainter::Layout& layout = m_screenLayout;
    const QRectF face = layout.frontFace;
    if (!layout.cartesian || face.width() <= 0 || face.height() <= 0)
        return;
    auto along = [](const AxisRange& r, double share) {
        return r.minimum + share * (r.maximum - r.minimum);
    };
    const double x0 = (pixels.left() - face.left()) / face.width();
    const double x1 = (pixels.right() - face.left()) / face.width();
    const double y0 = (face.bottom() - pixels.bottom()) / face.height();
    const double y1 = (face.bottom() - pixels.top()) / face.height();
    ChartModel::ZoomRect zoom;
    if (layout.horizontal) {
        zoom = {along(layout.category, y0), along(layout.category, y1), along(layout.value, x0),
                along(layout.value, x1)};
    } else {
        zoom = {along(layout.category, x0), along(layout.category, x1), along(layout.value, y0),
                along(layout.value, y1)};
    }
    m_model.zoom(zoom);
}
