#include "ui/tiled_background.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace {

constexpr int tileSize = 48;
constexpr int weave = 12; // the pattern's period; divides tileSize so the edges meet

// A fixed pseudo-random grain per pixel, the same on every run.
int grain(int x, int y) {
    std::uint32_t h =
        static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<int>((h ^ (h >> 16)) % 7) - 3;
}

} // namespace

TiledBackground::TiledBackground(QWidget* parent) : QWidget(parent), m_tile(defaultTile()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TiledBackground::setTile(const QPixmap& tile) {
    m_tile = tile.isNull() ? defaultTile() : tile;
    update();
}

QPixmap TiledBackground::defaultTile() {
    QImage image(tileSize, tileSize, QImage::Format_RGB32);
    for (int y = 0; y < tileSize; ++y) {
        for (int x = 0; x < tileSize; ++x) {
            // Two families of diagonal threads crossing; each thread has a lit and a shaded
            // side, which gives the weave a slight relief.
            const int a = (x + y) % weave;
            const int b = (x - y + tileSize) % weave;
            int light = grain(x, y);
            if (a == 0 || b == 0)
                light -= 14;
            else if (a == 1 || b == weave - 1)
                light += 8;
            const bool over = ((x + y) / weave + (x - y + tileSize) / weave) % 2 == 0;
            light += over ? 4 : -2;
            image.setPixel(x, y,
                           qRgb(std::clamp(222 + light, 0, 255), std::clamp(228 + light, 0, 255),
                                std::clamp(240 + light, 0, 255)));
        }
    }
    return QPixmap::fromImage(image);
}

void TiledBackground::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawTiledPixmap(rect(), m_tile);
}
