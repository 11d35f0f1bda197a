#pragma once
// A caption drawn with a text effect: a plain or graduated drop shadow, an extrusion (the text
// repeated down and to the right, depth pixels deep, in the shadow colour), or a raised or
// sunken look. An optional highlight colour edges the face at its top left. The label has no
// background of its own, so it sits on gradients and tiles. Windows face names are mapped to
// their Liberation twins.

#include <QColor>
#include <QFont>
#include <QWidget>

class EffectLabel final : public QWidget {
    Q_OBJECT

public:
    enum class TextEffect { none, shadow, graduatedShadow, extruded, raised, sunken };

    explicit EffectLabel(const QString& text = {}, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(EffectLabel)

    void setText(const QString& text);
    [[nodiscard]] const QString& text() const { return m_text; }
    void setTextColor(const QColor& color);
    [[nodiscard]] QColor textColor() const { return m_textColor; }
    // A Windows face name (Times New Roman, Arial) is replaced by its twin.
    void setFontFace(const QString& family, int pixelSize, bool bold = false);
    void setAlignment(Qt::Alignment alignment);
    [[nodiscard]] Qt::Alignment alignment() const { return m_alignment; }

    void setEffect(TextEffect effect);
    [[nodiscard]] TextEffect effect() const { return m_effect; }
    void setShadowColor(const QColor& color);
    // Shadow offset, number of graduated shades, or extrusion depth, in pixels.
    void setDepth(int pixels);
    [[nodiscard]] int depth() const { return m_depth; }
    // An invalid colour (the default) draws no highlight.
    void setHighlightColor(const QColor& color);

    // Paints the caption into any rectangle of any device.
    void paintCaption(QPainter& painter, const QRect& rect) const;
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    QColor m_textColor{Qt::black};
    QColor m_shadowColor{0x40, 0x40, 0x40};
    QColor m_highlightColor;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    TextEffect m_effect = TextEffect::none;
    int m_depth = 2;
};
