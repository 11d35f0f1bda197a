#include "types/dialog_frame.h"

#include "ui/effect_label.h"

#include <QDialog>
#include <QLayout>
#include <QScreen>

QString toText(std::string_view bytes) {
    return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string toBytes(const QString& text) {
    return text.toLocal8Bit().toStdString();
}

void makeFixedDialog(QDialog& dialog) {
    dialog.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    if (QLayout* layout = dialog.layout())
        layout->setSizeConstraint(QLayout::SetFixedSize);
}

void centreOnScreen(QDialog& dialog) {
    const QScreen* screen = dialog.screen();
    if (screen == nullptr)
        return;
    if (QLayout* layout = dialog.layout())
        layout->activate(); // take the size the contents just filled in need
    QRect frame = dialog.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog.move(frame.topLeft());
}

void makeHeading(EffectLabel& label) {
    label.setFontFace(QStringLiteral("Times New Roman"), 23);
    label.setTextColor(Qt::blue);
    label.setEffect(EffectLabel::TextEffect::shadow);
    label.setShadowColor(QColor(0x80, 0x80, 0x80));
    label.setDepth(2);
}
