#include "space/bar_palette.h"
#include "space/read_only_grid.h"
#include "ui/string_grid.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

TEST(BarPalette, TwelveFixedColoursOrOneColourEverywhere) {
    BarPalette barColors;
    barColors.initAColors(true, clBlack);
    const ColorRef expected[] = {0x0000FF, 0x000080, 0xFF0000, 0x00FFFF, 0x008000, 0x00FF00,
                                 0xFF00FF, 0x808000, 0x800000, 0xFFFF00, 0xFFFFFF, 0x808080};
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(barColors[i], expected[i - 1]) << i;
    barColors.initAColors(false, clGreen);
    for (int i = 1; i <= 12; ++i)
        EXPECT_EQ(barColors[i], clGreen);
    EXPECT_EQ(barColors[0], clBlack);
    EXPECT_EQ(barColors[13], clBlack);
}

TEST(ReadOnlyGrid, NothingCanBeSelectedAndNumbersAreRightAligned) {
    StringGrid grid;
    grid.model().setColumnCount(2);
    grid.model().setRowCount(3);
    grid.setColumnWidths({120, 120});
    grid.model().setCell(0, 1, "label");
    grid.model().setCell(1, 1, "8");
    setUpReadOnlyGrid(grid);
    EXPECT_FALSE(gridSizesSelectCell(0, 1));
    EXPECT_FALSE(grid.isSelected(0, 1));
    EXPECT_FALSE(grid.isEnabled());

    grid.resize(260, 100);
    QImage image(grid.viewport()->size().isEmpty() ? QSize(260, 100) : grid.viewport()->size(),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    const QRect cell(120, 19, 120, 19);
    gridSizesDrawCell(grid, painter, 1, 1, cell);
    painter.end();
    // The digit's ink lies in the right part of the cell, near its right edge.
    int leftmostInk = cell.right();
    for (int x = cell.left(); x <= cell.right(); ++x)
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            if (qGray(image.pixel(x, y)) < 128)
                leftmostInk = std::min(leftmostInk, x);
    EXPECT_GT(leftmostInk, cell.left() + cell.width() / 2);
}
