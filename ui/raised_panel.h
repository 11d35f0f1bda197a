#pragma once
// A panel with a bevelled frame: an outer bevel (raised by default) and an optional inner one,
// with a fill colour or, when the colour is invalid, no fill so that a background shows through.
// Children sit inside the bevels (the contents margins follow the bevel widths).

#include <QColor>
#include <QWidget>

class RaisedPanel final : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { none, raised, lowered };

    explicit RaisedPanel(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(RaisedPanel)

    void setBevels(Bevel outer, Bevel inner, int width = 2);
    void setFillColor(const QColor& color);
    [[nodiscard]] QColor fillColor() const { return m_fill; }

    // Draws a bevel of the given width just inside rect, light at the top left for a raised
    // one; base is the colour the light and shade are taken from.
    static void paintBevel(QPainter& painter, const QRect& rect, int width, Bevel bevel,
                           const QColor& base);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Bevel m_outer = Bevel::raised;
    Bevel m_inner = Bevel::none;
    int m_width = 2;
    QColor m_fill;
};
