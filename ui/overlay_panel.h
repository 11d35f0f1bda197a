#pragma once
// A panel laid over part of a window to hide what is under it (the statistics window's
// "not yet collected" cover). It is filled with a tiled background, framed by a thin raised
// bevel, and its other children sit on the tile. cover() lifts it above its siblings.

#include <QWidget>

class TiledBackground;

class OverlayPanel final : public QWidget {
    Q_OBJECT

public:
    explicit OverlayPanel(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(OverlayPanel)

    [[nodiscard]] TiledBackground& background() { return *m_background; }
    // Shows the panel on top of its siblings.
    void cover();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TiledBackground* m_background;
};
