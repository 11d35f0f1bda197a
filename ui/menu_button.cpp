#include "ui/menu_button.h"

#include <QMenu>

MenuButton::MenuButton(const QString& caption, QMenu* menu, QWidget* parent)
    : QPushButton(caption, parent), m_menu(menu) {
    connect(this, &QPushButton::clicked, this, &MenuButton::drop);
}

void MenuButton::setDropMenu(QMenu* menu) {
    m_menu = menu;
}

void MenuButton::drop() {
    if (m_menu)
        m_menu->popup(mapToGlobal(rect().bottomLeft()));
}
