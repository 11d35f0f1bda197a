#include "ui/qt_color.h"

#include <QGuiApplication>
#include <QPalette>

QColor toQColor(ColorRef color) {
    if ((color & 0xFF000000u) != 0) {
        const QPalette palette = QGuiApplication::palette();
        switch (color & 0xFFu) {
        case 5: // window
            return palette.color(QPalette::Base);
        case 8: // window text
            return palette.color(QPalette::Text);
        default: // button face and the rest of the 3D colours
            return palette.color(QPalette::Button);
        }
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}
