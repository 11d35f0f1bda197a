#pragma once
// A background that fills its widget with a two-colour gradient (the main window's all-blue
// backdrop, the About window). Other widgets are placed on it as children.

#include <QColor>
#include <QWidget>

class GradientBackground final : public QWidget {
    Q_OBJECT

public:
    enum class Direction { topToBottom, bottomToTop, leftToRight, rightToLeft };

    explicit GradientBackground(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(GradientBackground)

    void setColors(const QColor& begin, const QColor& end);
    [[nodiscard]] QColor beginColor() const { return m_begin; }
    [[nodiscard]] QColor endColor() const { return m_end; }
    void setDirection(Direction direction);

    void paintBackground(QPainter& painter, const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_begin{0x20, 0x40, 0xF0};
    QColor m_end{0x00, 0x00, 0x50};
    Direction m_direction = Direction::topToBottom;
};
