#pragma once
// A background that repeats a small picture over its widget (the overlay of the statistics
// window). Without a picture of its own it uses defaultTile(), drawn in code: a quiet woven
// pattern in pale blue-grey that repeats without seams, so no picture file is shipped.

#include <QPixmap>
#include <QWidget>

class TiledBackground final : public QWidget {
    Q_OBJECT

public:
    explicit TiledBackground(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(TiledBackground)

    void setTile(const QPixmap& tile);
    [[nodiscard]] const QPixmap& tile() const { return m_tile; }

    [[nodiscard]] static QPixmap defaultTile();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_tile;
};
