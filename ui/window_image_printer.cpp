#include "ui/window_image_printer.h"

#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {
constexpr double screenDpi = 96;
constexpr int oversampling = 2;
} // namespace

bool printWindowImage(QWidget& window, QPagedPaintDevice& device) {
    device.setPageOrientation(QPageLayout::Portrait);
    QImage image(window.size() * oversampling, QImage::Format_RGB32);
    image.setDevicePixelRatio(oversampling);
    image.fill(window.palette().color(QPalette::Window));
    window.render(&image);

    QPainter painter(&device);
    if (!painter.isActive())
        return false;
    const double dpi = device.logicalDpiX();
    const QSizeF natural(window.width() * dpi / screenDpi, window.height() * dpi / screenDpi);
    const double scale = std::min(1.0, device.width() / natural.width());
    const QSizeF size = natural * scale;
    const QRectF target((device.width() - size.width()) / 2, 0, size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return true;
}
