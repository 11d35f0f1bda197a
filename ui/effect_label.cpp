#include "ui/effect_label.h"

#include "ui/font_twins.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

EffectLabel::EffectLabel(const QString& text, QWidget* parent) : QWidget(parent), m_text(text) {
    setAttribute(Qt::WA_TranslucentBackground);
}

void EffectLabel::setText(const QString& text) {
    m_text = text;
    updateGeometry();
    update();
}

void EffectLabel::setTextColor(const QColor& color) {
    m_textColor = color;
    update();
}

void EffectLabel::setFontFace(const QString& family, int pixelSize, bool bold) {
    setFont(pixelFont(family, pixelSize, bold));
    updateGeometry();
    update();
}

void EffectLabel::setAlignment(Qt::Alignment alignment) {
    m_alignment = alignment;
    update();
}

void EffectLabel::setEffect(TextEffect effect) {
    m_effect = effect;
    update();
}

void EffectLabel::setShadowColor(const QColor& color) {
    m_shadowColor = color;
    update();
}

void EffectLabel::setDepth(int pixels) {
    m_depth = std::max(0, pixels);
    update();
}

void EffectLabel::setHighlightColor(const QColor& color) {
    m_highlightColor = color;
    update();
}

QSize EffectLabel::sizeHint() const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(m_text) + m_depth + 2, metrics.height() + m_depth + 2};
}

void EffectLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintCaption(painter, rect());
}

void EffectLabel::paintCaption(QPainter& painter, const QRect& rect) const {
    painter.save();
    painter.setFont(font());
    painter.setRenderHint(QPainter::TextAntialiasing);
    // The face sits so that the caption with its effect fits the rectangle as aligned.
    const int spread = (m_effect == TextEffect::none) ? 0 : std::max(1, m_depth);
    const QRect face = rect.adjusted(1, 1, -spread - 1, -spread - 1);
    const int flags = static_cast<int>(m_alignment) | Qt::TextSingleLine;
    const auto at = [&](int dx, int dy, const QColor& color) {
        painter.setPen(color);
        painter.drawText(face.translated(dx, dy), flags, m_text);
    };

    switch (m_effect) {
    case TextEffect::none:
        break;
    case TextEffect::shadow:
        at(m_depth, m_depth, m_shadowColor);
        break;
    case TextEffect::graduatedShadow:
        // The farthest shade is the faintest; each nearer one is a little stronger.
        for (int step = m_depth; step >= 1; --step) {
            QColor shade = m_shadowColor;
            shade.setAlphaF(shade.alphaF() * (1.0 - static_cast<double>(step - 1) / (m_depth + 1)) *
                            0.8);
            at(step, step, shade);
        }
        break;
    case TextEffect::extruded:
        for (int step = m_depth; step >= 1; --step)
            at(step, step, step == m_depth ? m_shadowColor.darker(130) : m_shadowColor);
        break;
    case TextEffect::raised:
        at(1, 1, m_shadowColor);
        at(-1, -1, m_highlightColor.isValid() ? m_highlightColor : QColor(Qt::white));
        break;
    case TextEffect::sunken:
        at(1, 1, m_highlightColor.isValid() ? m_highlightColor : QColor(Qt::white));
        at(-1, -1, m_shadowColor);
        break;
    }
    if (m_highlightColor.isValid() && m_effect != TextEffect::raised &&
        m_effect != TextEffect::sunken)
        at(-1, -1, m_highlightColor);
    at(0, 0, m_textColor);
    painter.restore();
}
