#pragma once
// A tabbed notebook with one row of tabs of a fixed size and pages that can be disabled (the
// statistics window's ten pages; the Overhang page is only open for single-drive runs).
// A disabled page can never be shown: asking for it changes nothing, and disabling the page on
// view moves to the next enabled page, else to the previous one. The caption of the tab on view
// is drawn in the active caption colour (red by default).

#include <QColor>
#include <QSize>
#include <QWidget>

#include <vector>

class QStackedWidget;

class Notebook final : public QWidget {
    Q_OBJECT

public:
    explicit Notebook(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(Notebook)

    // Adds a page (a new empty widget when none is given) and returns its index. The first
    // page added is the one on view.
    int addPage(const QString& caption, QWidget* page = nullptr);
    [[nodiscard]] int count() const { return static_cast<int>(m_tabs.size()); }
    [[nodiscard]] QWidget* page(int index) const;
    [[nodiscard]] QString caption(int index) const;

    [[nodiscard]] int currentIndex() const { return m_current; }
    // Shows the page; false (and nothing changes) for a disabled page or an index out of range.
    bool setCurrentIndex(int index);
    void setPageEnabled(int index, bool enabled);
    [[nodiscard]] bool isPageEnabled(int index) const;

    void setTabSize(const QSize& size);
    [[nodiscard]] QSize tabSize() const { return m_tabSize; }
    void setActiveCaptionColor(const QColor& color);
    [[nodiscard]] QRect tabRect(int index) const;
    // The area the pages take, below the tabs.
    [[nodiscard]] QRect pageArea() const;

signals:
    void pageChanged(int newIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Tab {
        QString caption;
        bool enabled = true;
    };

    void showPage(int index);
    void paintTab(QPainter& painter, int index);
    // The nearest enabled page after index, else before it; -1 when there is none.
    [[nodiscard]] int enabledNeighbour(int index, int step) const;

    std::vector<Tab> m_tabs;
    QStackedWidget* m_stack;
    int m_current = -1;
    QSize m_tabSize{63, 18};
    QColor m_activeCaption{Qt::red};
};
