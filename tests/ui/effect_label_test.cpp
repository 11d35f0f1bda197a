#include "ui/effect_label.h"
#include "ui/font_twins.h"
#include "ui/hint_style.h"

#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QToolTip>

#include <gtest/gtest.h>

namespace {

// The caption painted on white; returns the rightmost and lowest x/y holding the colour.
QPoint farthest(const EffectLabel& label, QColor color, QImage* out = nullptr) {
    QImage image(300, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    label.paintCaption(painter, image.rect());
    painter.end();
    QPoint far(-1, -1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == color.rgb())
                far = QPoint(std::max(far.x(), x), std::max(far.y(), y));
    if (out)
        *out = image;
    return far;
}

} // namespace

TEST(EffectLabel, WindowsFacesResolveToTheirLiberationTwins) {
    EXPECT_EQ(QFontInfo(pixelFont("Times New Roman", 29)).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(pixelFont("arial", 21)).family(), "Liberation Sans");
    EXPECT_EQ(pixelFont("Times New Roman", 29).pixelSize(), 29);
    EXPECT_EQ(twinFamily("DejaVu Sans"), "DejaVu Sans");
}

TEST(EffectLabel, ExtrusionReachesItsDepthBelowAndRightOfTheFace) {
    EffectLabel label("Tally");
    label.setFontFace("Times New Roman", 36);
    label.setTextColor(Qt::blue);
    label.setShadowColor(QColor(0x80, 0x80, 0x00));
    label.setEffect(EffectLabel::TextEffect::none);
    const QPoint face = farthest(label, Qt::blue);
    ASSERT_GE(face.x(), 0);

    label.setEffect(EffectLabel::TextEffect::extruded);
    label.setDepth(4);
    const QPoint faceNow = farthest(label, Qt::blue);
    const QPoint body = farthest(label, QColor(0x80, 0x80, 0x00));
    ASSERT_GE(body.x(), 0) << "the extrusion is drawn in the shadow colour";
    EXPECT_GT(body.x(), faceNow.x());
    EXPECT_GT(body.y(), faceNow.y());
    EXPECT_LE(body.x() - faceNow.x(), 4);

    label.setDepth(7);
    EXPECT_GT(farthest(label, QColor(0x80, 0x80, 0x00).darker(130)).x(), body.x())
        << "a deeper extrusion reaches further";
}

TEST(EffectLabel, HighlightEdgesTheFace) {
    EffectLabel label("Tally 99 - Disk Statistics");
    label.setFontFace("Times New Roman", 29);
    label.setTextColor(QColor(0x80, 0x80, 0x00));
    label.setEffect(EffectLabel::TextEffect::extruded);
    EXPECT_EQ(farthest(label, Qt::yellow).x(), -1);
    label.setHighlightColor(Qt::yellow);
    EXPECT_GE(farthest(label, Qt::yellow).x(), 0);
}

TEST(HintStyle, HintsAreAquaAndWaitOneSecond) {
    applyHintStyle(*qApp);
    EXPECT_EQ(qApp->style()->styleHint(QStyle::SH_ToolTip_WakeUpDelay), 1000);
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipBase), QColor(0x00, 0xFF, 0xFF));
}
