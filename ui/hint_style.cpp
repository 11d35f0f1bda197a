#include "ui/hint_style.h"

#include <QApplication>
#include <QPalette>
#include <QToolTip>

int HintStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                         QStyleHintReturn* returnData) const {
    if (hint == SH_ToolTip_WakeUpDelay)
        return hintDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void applyHintStyle(QApplication& application) {
    application.setStyle(new HintStyle);
    QPalette colors = QToolTip::palette();
    colors.setColor(QPalette::ToolTipBase, QColor(0x00, 0xFF, 0xFF));
    colors.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(colors);
}
