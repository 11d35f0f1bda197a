#include "ui/string_grid.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>
#include <utility>

namespace {
constexpr int textPadding = 3;
} // namespace

StringGrid::StringGrid(QWidget* parent) : QAbstractScrollArea(parent) {
    m_fixedColor = palette().color(QPalette::Active, QPalette::Button);
    m_model.setChangeListener([this] {
        updateScrollBars();
        viewport()->update();
    });
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    updateScrollBars();
}

void StringGrid::setColumnWidths(const std::vector<int>& widths) {
    m_columnWidths = widths;
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setColumnWidth(int column, int width) {
    if (column < 0)
        return;
    if (static_cast<int>(m_columnWidths.size()) <= column)
        m_columnWidths.resize(static_cast<std::size_t>(column) + 1, m_defaultColumnWidth);
    m_columnWidths[static_cast<std::size_t>(column)] = std::max(0, width);
    updateScrollBars();
    viewport()->update();
}

int StringGrid::columnWidth(int column) const {
    if (column >= 0 && column < static_cast<int>(m_columnWidths.size()))
        return m_columnWidths[static_cast<std::size_t>(column)];
    return m_defaultColumnWidth;
}

std::vector<int> StringGrid::columnWidths() const {
    std::vector<int> widths;
    for (int column = 0; column < m_model.columnCount(); ++column)
        widths.push_back(columnWidth(column));
    return widths;
}

void StringGrid::setDefaultColumnWidth(int width) {
    m_defaultColumnWidth = std::max(0, width);
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setDefaultRowHeight(int height) {
    m_rowHeight = std::max(1, height);
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setHeadingRow(bool on) {
    m_headingRow = on;
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setFooterRow(bool on) {
    m_footerRow = on;
    updateScrollBars();
    viewport()->update();
}

void StringGrid::setRowSelect(bool on) {
    m_rowSelect = on;
    viewport()->update();
}

void StringGrid::setGridLines(GridLines lines) {
    m_gridLines = lines;
    viewport()->update();
}

void StringGrid::setColor(const QColor& color) {
    m_color = color;
    viewport()->update();
}

void StringGrid::setFixedColor(const QColor& color) {
    m_fixedColor = color;
    viewport()->update();
}

void StringGrid::setDrawCellHook(DrawCellHook hook) {
    m_drawCellHook = std::move(hook);
    viewport()->update();
}

void StringGrid::setSelectCellHook(SelectCellHook hook) {
    m_selectCellHook = std::move(hook);
}

void StringGrid::setAlignmentHook(AlignmentHook hook) {
    m_alignmentHook = std::move(hook);
    viewport()->update();
}

Qt::Alignment StringGrid::alignment(int column, int row) const {
    return m_alignmentHook ? m_alignmentHook(column, row) : Qt::AlignLeft;
}

void StringGrid::setContextMenu(QMenu* menu) {
    m_contextMenu = menu;
}

void StringGrid::setSelection(int column, int row) {
    m_selectedColumn = column;
    m_selectedRow = row;
    viewport()->update();
}

bool StringGrid::isSelected(int column, int row) const {
    if (row != m_selectedRow || row < firstBodyRow() || row > lastBodyRow())
        return false;
    if (m_selectedColumn < 0 || m_selectedColumn >= m_model.columnCount())
        return false;
    return m_rowSelect || column == m_selectedColumn;
}

int StringGrid::firstBodyRow() const {
    return m_headingRow ? 1 : 0;
}

int StringGrid::lastBodyRow() const {
    return m_model.rowCount() - 1 - (m_footerRow ? 1 : 0);
}

bool StringGrid::isFixedRow(int row) const {
    return (m_headingRow && row == 0) || (m_footerRow && row == m_model.rowCount() - 1);
}

int StringGrid::totalWidth() const {
    int width = 0;
    for (int column = 0; column < m_model.columnCount(); ++column)
        width += columnWidth(column);
    return width;
}

int StringGrid::bodyRowsVisible() const {
    const int fixedRows = (m_headingRow ? 1 : 0) + (m_footerRow ? 1 : 0);
    return std::max(0, viewport()->height() / m_rowHeight - fixedRows);
}

int StringGrid::columnLeft(int column) const {
    int left = -horizontalScrollBar()->value();
    for (int c = 0; c < column; ++c)
        left += columnWidth(c);
    return left;
}

int StringGrid::rowTop(int row) const {
    const int headingHeight = m_headingRow ? m_rowHeight : 0;
    if (m_headingRow && row == 0)
        return 0;
    const int bodyCount = std::max(0, lastBodyRow() - firstBodyRow() + 1);
    if (m_footerRow && row == m_model.rowCount() - 1) {
        // Right under the last body row while everything fits, else pinned to the bottom.
        if (bodyCount > bodyRowsVisible())
            return viewport()->height() - m_rowHeight;
        return headingHeight + bodyCount * m_rowHeight;
    }
    return headingHeight + (row - firstBodyRow() - verticalScrollBar()->value()) * m_rowHeight;
}

QRect StringGrid::cellRect(int column, int row) const {
    if (column < 0 || column >= m_model.columnCount() || row < 0 || row >= m_model.rowCount())
        return {};
    if (!isFixedRow(row)) {
        const int first = firstBodyRow() + verticalScrollBar()->value();
        if (row < first || row >= first + bodyRowsVisible())
            return {};
    }
    return {columnLeft(column), rowTop(row), columnWidth(column), m_rowHeight};
}

bool StringGrid::cellAt(const QPoint& point, int& column, int& row) const {
    const int y = point.y();
    const int lastRow = m_model.rowCount() - 1;
    const int headingHeight = m_headingRow ? m_rowHeight : 0;
    if (y < 0 || lastRow < 0)
        return false;
    // The fixed rows lie over the body rows they cover.
    if (m_headingRow && y < m_rowHeight) {
        row = 0;
    } else if (m_footerRow && y >= rowTop(lastRow)) {
        if (y >= rowTop(lastRow) + m_rowHeight)
            return false;
        row = lastRow;
    } else {
        row = firstBodyRow() + verticalScrollBar()->value() + (y - headingHeight) / m_rowHeight;
        if (row > lastBodyRow())
            return false;
    }
    int left = columnLeft(0);
    for (column = 0; column < m_model.columnCount(); ++column) {
        const int width = columnWidth(column);
        if (point.x() >= left && point.x() < left + width)
            return true;
        left += width;
    }
    return false;
}

void StringGrid::scrollToRow(int row) {
    if (row < firstBodyRow() || row > lastBodyRow())
        return;
    const int index = row - firstBodyRow();
    QScrollBar* bar = verticalScrollBar();
    if (index < bar->value())
        bar->setValue(index);
    else if (index >= bar->value() + bodyRowsVisible())
        bar->setValue(index - bodyRowsVisible() + 1);
}

QSize StringGrid::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {totalWidth() + frame, m_model.rowCount() * m_rowHeight + frame};
}

void StringGrid::updateScrollBars() {
    const int bodyCount = std::max(0, lastBodyRow() - firstBodyRow() + 1);
    verticalScrollBar()->setRange(0, std::max(0, bodyCount - bodyRowsVisible()));
    verticalScrollBar()->setPageStep(std::max(1, bodyRowsVisible()));
    verticalScrollBar()->setSingleStep(1);
    horizontalScrollBar()->setRange(0, std::max(0, totalWidth() - viewport()->width()));
    horizontalScrollBar()->setPageStep(std::max(1, viewport()->width()));
    horizontalScrollBar()->setSingleStep(16);
}

void StringGrid::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void StringGrid::scrollContentsBy(int, int) {
    viewport()->update();
}

void StringGrid::paintCell(QPainter& painter, int column, int row, const QRect& rect) {
    const bool fixed = isFixedRow(row);
    const bool selected = !fixed && isSelected(column, row);
    const bool verticalLine =
        m_gridLines == GridLines::full || (m_gridLines == GridLines::headingVertical && fixed);
    const bool horizontalLine = m_gridLines != GridLines::none;
    QRect inner = rect.adjusted(0, 0, verticalLine ? -1 : 0, horizontalLine ? -1 : 0);

    // Colours of the active group: a disabled grid takes no input but reads like any other.
    const QPalette& colors = palette();
    const QColor background = selected ? colors.color(QPalette::Active, QPalette::Highlight)
                              : fixed  ? m_fixedColor
                                       : m_color;
    const QColor textColor = selected ? colors.color(QPalette::Active, QPalette::HighlightedText)
                                      : colors.color(QPalette::Active, QPalette::Text);

    painter.fillRect(inner, background);
    if (fixed) {
        painter.setPen(m_fixedColor.lighter(130));
        painter.drawLine(inner.topLeft(), inner.topRight());
        painter.drawLine(inner.topLeft(), inner.bottomLeft());
        painter.setPen(m_fixedColor.darker(125));
        painter.drawLine(inner.bottomLeft(), inner.bottomRight());
        painter.drawLine(inner.topRight(), inner.bottomRight());
    }
    const QRect textRect = inner.adjusted(textPadding, 0, -textPadding, 0);
    painter.setPen(textColor);
    painter.drawText(textRect, static_cast<int>(alignment(column, row) | Qt::AlignVCenter),
                     QString::fromLocal8Bit(m_model.cell(column, row)));

    const QColor lineColor = colors.color(QPalette::Active, QPalette::Mid);
    painter.setPen(lineColor);
    if (horizontalLine)
        painter.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    if (verticalLine)
        painter.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());

    if (!selected && hasFocus() && !m_rowSelect && column == m_selectedColumn &&
        row == m_selectedRow) {
        painter.setPen(QPen(textColor, 1, Qt::DotLine));
        painter.drawRect(inner.adjusted(1, 1, -2, -2));
    }

    if (m_drawCellHook) {
        painter.save();
        painter.setClipRect(inner);
        painter.setBrush(background);
        painter.setPen(textColor);
        CellState state;
        state.selected = selected;
        state.focused = hasFocus() && row == m_selectedRow && column == m_selectedColumn;
        state.fixed = fixed;
        m_drawCellHook(painter, column, row, inner, state);
        painter.restore();
    }
}

void StringGrid::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    painter.fillRect(viewport()->rect(), m_color);
    const int first = firstBodyRow() + verticalScrollBar()->value();
    const int last = std::min(lastBodyRow(), first + bodyRowsVisible());
    std::vector<int> rows;
    for (int row = first; row <= last; ++row)
        rows.push_back(row);
    if (m_footerRow && m_model.rowCount() > 0)
        rows.push_back(m_model.rowCount() - 1);
    if (m_headingRow && m_model.rowCount() > 0)
        rows.push_back(0);
    for (const int row : rows) {
        for (int column = 0; column < m_model.columnCount(); ++column) {
            const QRect rect{columnLeft(column), rowTop(row), columnWidth(column), m_rowHeight};
            if (rect.right() >= 0 && rect.left() < viewport()->width())
                paintCell(painter, column, row, rect);
        }
    }
}

void StringGrid::trySelect(int column, int row) {
    if (row < firstBodyRow() || row > lastBodyRow() || column < 0 ||
        column >= m_model.columnCount())
        return;
    if (m_selectCellHook && !m_selectCellHook(column, row))
        return;
    m_selectedColumn = column;
    m_selectedRow = row;
    scrollToRow(row);
    viewport()->update();
    emit cellSelected(column, row);
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    setFocus(Qt::MouseFocusReason);
    int column = 0;
    int row = 0;
    const bool onCell = cellAt(event->position().toPoint(), column, row);
    if (event->button() == Qt::LeftButton && onCell)
        trySelect(column, row);
    if (event->button() == Qt::RightButton && m_contextMenu)
        m_contextMenu->popup(event->globalPosition().toPoint());
}

void StringGrid::keyPressEvent(QKeyEvent* event) {
    const int column = std::clamp(m_selectedColumn, 0, std::max(0, m_model.columnCount() - 1));
    const int row = std::clamp(m_selectedRow, firstBodyRow(), std::max(0, lastBodyRow()));
    const int page = std::max(1, bodyRowsVisible() - 1);
    switch (event->key()) {
    case Qt::Key_Up:
        trySelect(column, row - 1);
        break;
    case Qt::Key_Down:
        trySelect(column, row + 1);
        break;
    case Qt::Key_PageUp:
        trySelect(column, std::max(firstBodyRow(), row - page));
        break;
    case Qt::Key_PageDown:
        trySelect(column, std::min(lastBodyRow(), row + page));
        break;
    case Qt::Key_Home:
        trySelect(column, firstBodyRow());
        break;
    case Qt::Key_End:
        trySelect(column, lastBodyRow());
        break;
    case Qt::Key_Left:
        if (!m_rowSelect)
            trySelect(column - 1, row);
        break;
    case Qt::Key_Right:
        if (!m_rowSelect)
            trySelect(column + 1, row);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
    }
}
