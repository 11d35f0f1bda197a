#pragma once
// The widget that shows a TextGrid: a heading row pinned at the top (row 0), an optional footer
// row pinned at the bottom (the last row, used for totals), the rows between them scroll. The
// grid owns its TextGrid and repaints whenever the model changes, so page fills write the model
// and never touch the widget. Pages customise it through three hooks instead of subclassing:
// a cell drawer called after the default drawing, a selection veto and a column alignment.

#include "ui/text_grid.h"

#include <QAbstractScrollArea>
#include <QColor>

#include <functional>
#include <vector>

class QMenu;
class QPainter;

class StringGrid final : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class GridLines {
        none,
        horizontal,      // lines between rows only
        headingVertical, // lines between rows, vertical lines only in the heading and footer
        full,            // lines between rows and columns everywhere
    };

    struct CellState {
        bool selected = false;
        bool focused = false;
        bool fixed = false; // heading or footer row
    };

    // Called after the grid has painted a cell. The painter is clipped to the cell, its brush is
    // the cell's background, its pen the text colour and its font the grid's font.
    using DrawCellHook =
        std::function<void(QPainter& painter, int column, int row, const QRect& rect, CellState)>;
    // Answers whether the cell may become the selection (canSelect).
    using SelectCellHook = std::function<bool(int column, int row)>;
    // Horizontal alignment of a cell's default text (left when no hook is set).
    using AlignmentHook = std::function<Qt::Alignment(int column, int row)>;

    explicit StringGrid(QWidget* parent = nullptr);
    Q_DISABLE_COPY_MOVE(StringGrid)

    [[nodiscard]] TextGrid& model() { return m_model; }
    [[nodiscard]] const TextGrid& model() const { return m_model; }

    void setColumnWidths(const std::vector<int>& widths);
    void setColumnWidth(int column, int width);
    [[nodiscard]] int columnWidth(int column) const;
    [[nodiscard]] std::vector<int> columnWidths() const;
    void setDefaultColumnWidth(int width);
    void setDefaultRowHeight(int height);
    [[nodiscard]] int defaultRowHeight() const { return m_rowHeight; }

    void setHeadingRow(bool on);
    [[nodiscard]] bool hasHeadingRow() const { return m_headingRow; }
    void setFooterRow(bool on);
    [[nodiscard]] bool hasFooterRow() const { return m_footerRow; }
    void setRowSelect(bool on);
    void setGridLines(GridLines lines);
    [[nodiscard]] GridLines gridLines() const { return m_gridLines; }

    void setColor(const QColor& color);
    [[nodiscard]] QColor color() const { return m_color; }
    void setFixedColor(const QColor& color);
    [[nodiscard]] QColor fixedColor() const { return m_fixedColor; }

    void setDrawCellHook(DrawCellHook hook);
    void setSelectCellHook(SelectCellHook hook);
    void setAlignmentHook(AlignmentHook hook);
    [[nodiscard]] Qt::Alignment alignment(int column, int row) const;
    // Shown at the mouse on a right click (not owned).
    void setContextMenu(QMenu* menu);

    // Any cell may be named, also one outside the grid (then no cell shows as selected); the
    // selection hook is not asked.
    void setSelection(int column, int row);
    [[nodiscard]] int selectedColumn() const { return m_selectedColumn; }
    [[nodiscard]] int selectedRow() const { return m_selectedRow; }
    [[nodiscard]] bool isSelected(int column, int row) const;

    // Rows between the heading and the footer, the ones that scroll.
    [[nodiscard]] int firstBodyRow() const;
    [[nodiscard]] int lastBodyRow() const;
    // Top row shown under the heading; scrolls so that it shows when needed.
    void scrollToRow(int row);
    // The cell rectangle in viewport coordinates, empty when the cell is not shown.
    [[nodiscard]] QRect cellRect(int column, int row) const;
    [[nodiscard]] QSize sizeHint() const override;

signals:
    // The user moved the selection to this cell (after the hook allowed it).
    void cellSelected(int column, int row);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    [[nodiscard]] int totalWidth() const;
    [[nodiscard]] int bodyRowsVisible() const;
    [[nodiscard]] int columnLeft(int column) const;
    [[nodiscard]] int rowTop(int row) const;
    [[nodiscard]] bool isFixedRow(int row) const;
    [[nodiscard]] bool cellAt(const QPoint& point, int& column, int& row) const;
    void trySelect(int column, int row);
    void paintCell(QPainter& painter, int column, int row, const QRect& rect);
    void updateScrollBars();

    TextGrid m_model;
    std::vector<int> m_columnWidths;
    int m_defaultColumnWidth = 64;
    int m_rowHeight = 19;
    bool m_headingRow = true;
    bool m_footerRow = false;
    bool m_rowSelect = false;
    GridLines m_gridLines = GridLines::full;
    QColor m_color{Qt::white};
    QColor m_fixedColor;
    int m_selectedColumn = 0;
    int m_selectedRow = 1;
    DrawCellHook m_drawCellHook;
    SelectCellHook m_selectCellHook;
    AlignmentHook m_alignmentHook;
    QMenu* m_contextMenu = nullptr;
};
