#pragma once
// A push button that drops a menu under itself when pressed (the Types page's "&Sort" button,
// which shares its menu with the grid's right-click menu). The menu is not owned: one menu may
// serve several widgets.

#include <QPushButton>

class QMenu;

class MenuButton final : public QPushButton {
    Q_OBJECT

public:
    explicit MenuButton(const QString& caption, QMenu* menu = nullptr, QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(MenuButton)

    void setDropMenu(QMenu* menu);
    [[nodiscard]] QMenu* dropMenu() const { return m_menu; }

private:
    void drop();

    QMenu* m_menu = nullptr;
};
