#pragma once
// What a window shows on a real X server, read back from the screen. A widget's render() paints
// it again into an image and so hides what only the server does: native child windows, the
// visuals of translucent widgets, stale pixels where nothing was repainted. These helpers show a
// window, wait until the server has drawn it, and grab the screen's own pixels.

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

#include <cstdlib>
#include <functional>

namespace tally_test {

// Lets the window system and the server finish what is pending.
inline void settle(int milliseconds = 150) {
    QTest::qWait(milliseconds);
}

// Shows a top-level window, waits until the server has exposed and drawn it.
inline bool showOnScreen(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
    const bool exposed = QTest::qWaitForWindowExposed(&window, 5000);
    settle(300);
    return exposed;
}

// The screen's pixels under a rectangle of a widget (the whole widget by default).
inline QImage grabFromScreen(const QWidget& widget, QRect area = {}) {
    if (area.isNull())
        area = widget.rect();
    const QPoint origin = widget.mapToGlobal(area.topLeft());
    const QImage image = widget.screen()
                             ->grabWindow(0, origin.x(), origin.y(), area.width(), area.height())
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    return image;
}

// Saves a picture for review where TALLY_SCREENSHOTS names a folder.
inline void keepForReview(const QImage& image, const QString& name) {
    if (const char* folder = std::getenv("TALLY_SCREENSHOTS"))
        image.save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
}

inline int countPixels(const QImage& image, const std::function<bool(QColor)>& wanted) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += wanted(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// Pure blue text, as the overlay's caption is painted (its olive shadow and the tiles are not).
inline bool isCaptionBlue(QColor c) {
    return c.blue() > 200 && c.red() < 70 && c.green() < 70;
}

// The share of pixels that differ by more than a little between two pictures of one size.
inline double differingShare(const QImage& a, const QImage& b) {
    if (a.size() != b.size() || a.isNull())
        return 1.0;
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            const int distance = std::abs(p.red() - q.red()) + std::abs(p.green() - q.green()) +
                                 std::abs(p.blue() - q.blue());
            differing += distance > 48 ? 1 : 0;
        }
    return static_cast<double>(differing) / (a.width() * a.height());
}

// How far the screen's picture of a window is from the window painted into an image: near 0
// when everything the window paints reached the screen.
inline double screenVersusRender(QWidget& window, const QString& name) {
    const QImage onScreen = grabFromScreen(window);
    const QImage rendered = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    keepForReview(onScreen, name + "-screen");
    return differingShare(onScreen, rendered);
}

} // namespace tally_test
