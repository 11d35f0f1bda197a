#include "ui/text_grid.h"

#include <gtest/gtest.h>

TEST(TextGrid, ResizingKeepsCellsAndOutsideAccessIsHarmless) {
    TextGrid grid(2, 2);
    grid.setCell(1, 1, "b");
    grid.setRowCount(3);
    grid.setColumnCount(3);
    EXPECT_EQ(grid.cell(1, 1), "b");
    EXPECT_EQ(grid.cell(2, 2), "");
    grid.setCell(5, 5, "ignored");
    EXPECT_EQ(grid.cell(5, 5), "");
    EXPECT_EQ(grid.cell(-1, 0), "");
    grid.setColumnCount(1);
    EXPECT_EQ(grid.row(1).size(), 1u);
}

TEST(TextGrid, WholeRowsAreFittedToTheColumnCountAndReportChanges) {
    TextGrid grid(3, 2);
    int changes = 0;
    grid.setChangeListener([&] { ++changes; });
    grid.setRow(0, {"a"});
    grid.setRow(1, {"x", "y", "z", "extra"});
    EXPECT_EQ(grid.row(0), (std::vector<std::string>{"a", "", ""}));
    EXPECT_EQ(grid.row(1), (std::vector<std::string>{"x", "y", "z"}));
    EXPECT_EQ(changes, 2);
}
