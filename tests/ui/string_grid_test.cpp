#include "ui/string_grid.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// A grid of `rows` rows of three 80-pixel columns, every cell "888", shown at 260 x height.
void fill(StringGrid& grid, int rows, int height) {
    grid.model().setColumnCount(3);
    grid.model().setRowCount(rows);
    grid.setColumnWidths({80, 80, 80});
    grid.setDefaultRowHeight(19);
    for (int row = 0; row < rows; ++row)
        grid.model().setRow(row, {"888", "888", "888"});
    grid.resize(260, height);
    grid.show();
    QApplication::processEvents();
}

void click(StringGrid& grid, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent press(QEvent::MouseButtonPress, at, grid.viewport()->mapToGlobal(at), button,
                      button, Qt::NoModifier);
    QApplication::sendEvent(grid.viewport(), &press);
}

void press(StringGrid& grid, int key) {
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&grid, &event);
}

QImage picture(StringGrid& grid) {
    return grid.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Leftmost and rightmost x of dark (text) pixels inside the rectangle, or -1 when none.
std::pair<int, int> darkSpan(const QImage& image, const QRect& rect) {
    int left = -1;
    int right = -1;
    for (int y = rect.top() + 2; y < rect.bottom() - 1; ++y)
        for (int x = rect.left() + 1; x < rect.right() - 1; ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                left = left < 0 ? x : std::min(left, x);
                right = std::max(right, x);
            }
    return {left, right};
}

int countColour(const QImage& image, QColor colour) {
    int found = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour.rgb())
                ++found;
    return found;
}

} // namespace

TEST(StringGrid, ClicksAndKeysSelectOnlyWhatTheHookAllows) {
    StringGrid grid;
    fill(grid, 6, 200);
    grid.setRowSelect(true);
    int asked = 0;
    grid.setSelectCellHook([&](int, int row) {
        ++asked;
        return row != 3;
    });
    int signalled = 0;
    QObject::connect(&grid, &StringGrid::cellSelected, [&] { ++signalled; });

    click(grid, grid.cellRect(1, 2).center());
    EXPECT_EQ(grid.selectedRow(), 2);
    EXPECT_EQ(grid.selectedColumn(), 1);
    EXPECT_TRUE(grid.isSelected(0, 2)) << "whole-row selection marks every cell of the row";

    click(grid, grid.cellRect(1, 3).center());
    EXPECT_EQ(grid.selectedRow(), 2) << "the hook vetoed row 3";
    press(grid, Qt::Key_Down);
    EXPECT_EQ(grid.selectedRow(), 2);

    click(grid, grid.cellRect(0, 0).center());
    EXPECT_EQ(grid.selectedRow(), 2) << "the heading row is never selected";
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(signalled, 1);

    grid.setSelectCellHook([](int, int) { return false; });
    click(grid, grid.cellRect(0, 4).center());
    EXPECT_EQ(grid.selectedRow(), 2);
}

TEST(StringGrid, DisabledGridIgnoresTheMouse) {
    StringGrid grid;
    fill(grid, 6, 200);
    grid.setEnabled(false);
    grid.setSelection(0, 1);
    click(grid, grid.cellRect(0, 4).center());
    EXPECT_EQ(grid.selectedRow(), 1);
}

TEST(StringGrid, SelectionOutsideTheCellsShowsNoHighlight) {
    StringGrid grid;
    fill(grid, 6, 200);
    grid.setRowSelect(true);
    const QColor highlight = grid.palette().color(QPalette::Active, QPalette::Highlight);

    grid.setSelection(0, 2);
    EXPECT_GT(countColour(picture(grid), highlight), 200);

    grid.setSelection(20, 20);
    for (int row = 0; row < 6; ++row)
        for (int column = 0; column < 3; ++column)
            EXPECT_FALSE(grid.isSelected(column, row));
    EXPECT_EQ(countColour(picture(grid), highlight), 0);
}

TEST(StringGrid, AlignmentHookPlacesTheDefaultText) {
    StringGrid grid;
    fill(grid, 3, 100);
    grid.setGridLines(StringGrid::GridLines::horizontal);
    grid.setSelection(20, 20);
    grid.setAlignmentHook(
        [](int column, int) { return column > 0 ? Qt::AlignRight : Qt::AlignLeft; });
    const QImage image = picture(grid);
    const QRect left = grid.cellRect(0, 1);
    const QRect right = grid.cellRect(1, 1);
    const auto [leftStart, leftEnd] = darkSpan(image, left);
    const auto [rightStart, rightEnd] = darkSpan(image, right);
    ASSERT_GE(leftStart, 0);
    ASSERT_GE(rightStart, 0);
    EXPECT_LT(leftStart - left.left(), 8) << "column 0 text starts at the left edge";
    EXPECT_GT(rightStart - right.left(), 40) << "column 1 text is pushed to the right";
    EXPECT_LT(right.right() - rightEnd, 8);
}

TEST(StringGrid, DrawCellHookPaintsOverTheDefaultWithTheCellBrush) {
    StringGrid grid;
    fill(grid, 3, 100);
    grid.setSelection(20, 20);
    grid.setColor(QColor(0xC0, 0xC0, 0xC0));
    std::vector<std::pair<int, int>> cells;
    grid.setDrawCellHook([&](QPainter& painter, int column, int row, const QRect& rect,
                             StringGrid::CellState state) {
        cells.emplace_back(column, row);
        EXPECT_EQ(state.fixed, row == 0);
        if (row == 1 && column == 2)
            painter.fillRect(rect, painter.brush());
    });
    const QImage image = picture(grid);
    EXPECT_EQ(cells.size(), 9u);
    EXPECT_EQ(darkSpan(image, grid.cellRect(2, 1)).first, -1) << "text replaced by the brush";
    EXPECT_GE(darkSpan(image, grid.cellRect(1, 1)).first, 0);
}

TEST(StringGrid, FooterRowStaysInPlaceWhileTheBodyScrolls) {
    StringGrid grid;
    fill(grid, 40, 150);
    grid.setFooterRow(true);
    grid.model().setRow(39, {"Total"});
    QApplication::processEvents();
    const int footer = grid.model().rowCount() - 1;
    const QRect before = grid.cellRect(0, footer);
    ASSERT_FALSE(before.isEmpty());
    EXPECT_EQ(before.bottom(), grid.viewport()->height() - 1);
    EXPECT_TRUE(grid.cellRect(0, 30).isEmpty()) << "rows beyond the height need the scroll bar";
    EXPECT_GT(grid.verticalScrollBar()->maximum(), 0);

    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    EXPECT_EQ(grid.cellRect(0, footer), before);
    EXPECT_FALSE(grid.cellRect(0, 38).isEmpty()) << "last body row reachable";
    EXPECT_EQ(grid.cellRect(0, 0).top(), 0) << "heading stays on top";

    grid.setSelection(0, footer);
    EXPECT_FALSE(grid.isSelected(0, footer)) << "the footer is not a selectable row";
    grid.setSelection(0, 5);
    click(grid, grid.cellRect(1, footer).center());
    EXPECT_EQ(grid.selectedRow(), 5) << "a click on the footer selects nothing under it";
    click(grid, grid.cellRect(1, 37).center());
    EXPECT_EQ(grid.selectedRow(), 37);

    grid.setSelection(0, 1);
    grid.verticalScrollBar()->setValue(0);
    press(grid, Qt::Key_End);
    EXPECT_EQ(grid.selectedRow(), 38);
    EXPECT_FALSE(grid.cellRect(0, 38).isEmpty()) << "moving the selection scrolls to it";
}

TEST(StringGrid, FooterFollowsTheLastRowWhenEverythingFits) {
    StringGrid grid;
    fill(grid, 4, 300);
    grid.setFooterRow(true);
    EXPECT_EQ(grid.cellRect(0, 3).top(), 3 * 19);
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 0);
}
