#include "space/read_only_grid.h"

#include "ui/string_grid.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>

void gridSizesDrawCell(const StringGrid& grid, QPainter& painter, int column, int row,
                       const QRect& rect) {
    const QString text = QString::fromLocal8Bit(grid.model().cell(column, row));
    painter.fillRect(rect, painter.brush());
    const QRect textRect = column == 0 ? rect.adjusted(3, 2, 0, 0) : rect.adjusted(0, 2, -3, 0);
    painter.drawText(textRect, (column == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignTop, text);
}

bool gridSizesSelectCell(int /*column*/, int /*row*/) {
    return false;
}

void setUpReadOnlyGrid(StringGrid& grid) {
    const QColor buttonFace = QApplication::palette().color(QPalette::Button);
    grid.setColor(buttonFace);
    grid.setFixedColor(buttonFace);
    grid.setGridLines(StringGrid::GridLines::headingVertical);
    grid.setRowSelect(true);
    grid.setDefaultRowHeight(19);
    grid.setSelection(20, 20);
    grid.setSelectCellHook(gridSizesSelectCell);
    grid.setDrawCellHook(
        [&grid](QPainter& painter, int column, int row, const QRect& rect, StringGrid::CellState) {
            gridSizesDrawCell(grid, painter, column, row, rect);
        });
    grid.setEnabled(false);
}
