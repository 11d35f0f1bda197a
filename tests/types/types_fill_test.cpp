#include "types/types_fill.h"

#include "app/helpers.h"
#include "platform/locale_settings.h"
#include "types/file_type_table.h"
#include "types/selection_filter.h"
#include "types/type_description.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

#include <gtest/gtest.h>

namespace {

// Extensions no type database knows, so their descriptions are the "XYZ File" fallback.
class TypesFill : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrentLocale(platform::Locale{});
        palette.initAColors(true, clBlack);
        setUpTypesPie(chart);
        writeTypesHeadings(grid);
    }

    void add(const std::string& extension, int files, std::int64_t bytesEach) {
        for (int i = 0; i < files; ++i)
            table.insertType(extension, bytesEach, false);
    }

    // A grid of n types whose sizes fall with the row: row k holds (n + 1 - k) * 1000 bytes.
    void fillFalling(int n) {
        for (int k = 1; k <= n; ++k)
            add(".Q" + std::to_string(100 + k), 1, (n + 1 - k) * 1000);
        fillGridTypes(grid, table);
        sortTypesGrid(grid, TypesSortItem::SortbySize);
    }

    [[nodiscard]] std::vector<std::string> column(int c) const {
        std::vector<std::string> cells;
        for (int row = 1; row <= grid.rowCount() - 2; ++row)
            cells.push_back(grid.cell(c, row));
        return cells;
    }

    FileTypeTable table;
    TextGrid grid;
    ChartModel chart;
    BarPalette palette;
};

} // namespace

TEST_F(TypesFill, OneRowPerTypeBetweenHeadingsAndABlankTotalsRow) {
    add(".ZQB", 3, 1000);
    add(".ZQA", 1, 1234567);
    add("", 2, 5);
    fillGridTypes(grid, table);
    ASSERT_EQ(grid.rowCount(), 5);
    EXPECT_EQ(grid.row(0),
              (std::vector<std::string>{"Extension", "Type", "Size", "# Files", "Avg File Size"}));
    EXPECT_EQ(grid.row(1), (std::vector<std::string>{"", typeDescription(""), "10", "2", "5"}));
    EXPECT_EQ(grid.row(2),
              (std::vector<std::string>{".ZQA", "ZQA File", "1,234,567", "1", "1,234,567"}));
    EXPECT_EQ(grid.row(3), (std::vector<std::string>{".ZQB", "ZQB File", "3,000", "3", "1,000"}));
    EXPECT_EQ(grid.row(4), std::vector<std::string>(5));
}

TEST_F(TypesFill, AShorterListingLeavesNoOldRowInTheTotalsRow) {
    add(".ZQA", 1, 10);
    add(".ZQB", 1, 20);
    add(".ZQC", 1, 30);
    fillGridTypes(grid, table);
    table.clear();
    add(".ZQD", 1, 40);
    fillGridTypes(grid, table);
    ASSERT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(0, 1), ".ZQD");
    EXPECT_EQ(grid.row(2), std::vector<std::string>(5));
}

TEST_F(TypesFill, ChosenTypesGetRowsOnlyInARunOverChosenTypes) {
    SelectionFilter selection;
    selection.setTypeEntries({"*.zqa\tOne kind", "*.zqb\tAnother kind"});
    selection.allFiles = true;
    insertChosenTypes(table, selection);
    EXPECT_EQ(table.size(), 0);
    selection.allFiles = false;
    selection.excludeTypes = true;
    insertChosenTypes(table, selection);
    EXPECT_EQ(table.size(), 0);

    selection.excludeTypes = false;
    selection.includeTypes = true;
    add(".ZQB", 2, 50);
    insertChosenTypes(table, selection);
    insertChosenTypes(table, selection); // after the next drive: nothing doubles
    fillGridTypes(grid, table);
    ASSERT_EQ(grid.rowCount(), 4);
    EXPECT_EQ(grid.row(1), (std::vector<std::string>{".ZQA", "ZQA File", "0", "0", "0"}));
    EXPECT_EQ(grid.row(2), (std::vector<std::string>{".ZQB", "ZQB File", "100", "2", "50"}));
}

TEST_F(TypesFill, TotalsAddUpSizesAndFiles) {
    add(".ZQA", 1000, 2500000);
    add(".ZQB", 3, 7);
    fillGridTypes(grid, table);
    writeTypesTotals(grid);
    EXPECT_EQ(grid.row(3), (std::vector<std::string>{"", "Totals", "2,500,000,021", "1,003", ""}));

    table.clear();
    fillGridTypes(grid, table);
    writeTypesTotals(grid);
    ASSERT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.row(1), (std::vector<std::string>{"", "Totals", "0", "0", ""}));
}

TEST_F(TypesFill, TotalsReadFiguresOfAnyLocale) {
    platform::Locale german;
    german.thousandsSeparator = ".";
    german.decimalSeparator = ",";
    platform::setCurrentLocale(german);
    add(".ZQA", 2, 600000);
    add(".ZQB", 1, 500000);
    fillGridTypes(grid, table);
    writeTypesTotals(grid);
    EXPECT_EQ(grid.cell(2, 3), "1.700.000");
    EXPECT_EQ(grid.cell(3, 3), "3");
}

TEST_F(TypesFill, FiveSortOrders) {
    add(".ZQC", 5, 100);   // 500 bytes, avg 100
    add(".ZQA", 1, 2000);  // 2,000 bytes, avg 2,000
    add(".ZQB", 12, 1000); // 12,000 bytes, avg 1,000
    add(".AB", 2, 10);     // 20 bytes
    fillGridTypes(grid, table);
    writeTypesTotals(grid);
    const std::vector<std::string> totals = grid.row(grid.rowCount() - 1);

    sortTypesGrid(grid, TypesSortItem::SortbySize);
    EXPECT_EQ(column(0), (std::vector<std::string>{".ZQB", ".ZQA", ".ZQC", ".AB"}));
    sortTypesGrid(grid, TypesSortItem::SortbyNumFiles);
    EXPECT_EQ(column(0), (std::vector<std::string>{".ZQB", ".ZQC", ".AB", ".ZQA"}));
    sortTypesGrid(grid, TypesSortItem::SortbyAverageFileSize1);
    EXPECT_EQ(column(0), (std::vector<std::string>{".ZQA", ".ZQB", ".ZQC", ".AB"}));
    sortTypesGrid(grid, TypesSortItem::SortbyType);
    EXPECT_EQ(column(1), (std::vector<std::string>{"AB File", "ZQA File", "ZQB File", "ZQC File"}));
    sortTypesGrid(grid, TypesSortItem::SortbyExtension);
    EXPECT_EQ(column(0), (std::vector<std::string>{".AB", ".ZQA", ".ZQB", ".ZQC"}));
    // Whole rows move; headings and totals stay.
    EXPECT_EQ(grid.row(2), (std::vector<std::string>{".ZQA", "ZQA File", "2,000", "1", "2,000"}));
    EXPECT_EQ(grid.cell(0, 0), "Extension");
    EXPECT_EQ(grid.row(grid.rowCount() - 1), totals);
}

TEST_F(TypesFill, AGridOfOneDataRowIsNotSortable) {
    fillGridTypes(grid, table);
    EXPECT_FALSE(typesGridSortable(grid));
    add(".ZQA", 1, 1);
    fillGridTypes(grid, table);
    EXPECT_FALSE(typesGridSortable(grid));
    add(".ZQB", 1, 1);
    fillGridTypes(grid, table);
    EXPECT_TRUE(typesGridSortable(grid));
}

TEST_F(TypesFill, PieViewsSortAndReadTheirOwnColumn) {
    EXPECT_EQ(pieSortItem(TypesView::PieBySize), TypesSortItem::SortbySize);
    EXPECT_EQ(pieSortItem(TypesView::PieByNumFiles), TypesSortItem::SortbyNumFiles);
    EXPECT_EQ(pieSortItem(TypesView::PieByAverageSize), TypesSortItem::SortbyAverageFileSize1);
    EXPECT_EQ(pieValueColumn(TypesView::PieBySize), 2);
    EXPECT_EQ(pieValueColumn(TypesView::PieByNumFiles), 3);
    EXPECT_EQ(pieValueColumn(TypesView::PieByAverageSize), 4);
}

TEST_F(TypesFill, ARowOfValueZeroAddsNoSliceAndTheNextKeepsItsRowsColour) {
    add(".ZQA", 4, 5000); // avg 5,000
    add(".ZQB", 0, 0);
    table.insertType(".ZQB", 0, true); // a chosen type without files: avg "0"
    add(".ZQC", 2, 3000);              // avg 3,000
    fillGridTypes(grid, table);        // rows: ZQA, ZQB, ZQC
    fillTypesPie(chart, grid, 4, palette);
    const ChartSeries& pie = chart.series(0);
    ASSERT_EQ(pie.count(), 2);
    EXPECT_EQ(pie.points()[0].label, "ZQA File");
    EXPECT_EQ(pie.points()[0].color, clRed);
    EXPECT_EQ(pie.points()[1].label, "ZQC File");
    EXPECT_EQ(pie.points()[1].color, clBlue); // row 3's colour, not row 2's
    EXPECT_DOUBLE_EQ(pie.value(1), 3000);
}

TEST_F(TypesFill, OnlyTheTwelveLargestTypesBecomeSlices) {
    fillFalling(15);
    fillTypesPie(chart, grid, 2, palette);
    const ChartSeries& pie = chart.series(0);
    ASSERT_EQ(pie.count(), 12);
    EXPECT_DOUBLE_EQ(pie.value(0), 15000);
    EXPECT_DOUBLE_EQ(pie.value(11), 4000);
    EXPECT_EQ(pie.points()[11].color, clGray);
    EXPECT_EQ(pie.points()[10].color, clWhite);
    // Shares are of the twelve slices only: 4,000 of 114,000 is below 5 % and merges.
    const auto slices = chart.pieSlices(0);
    ASSERT_FALSE(slices.empty());
    EXPECT_EQ(slices.back().label, "Other");
    EXPECT_NEAR(slices.back().percent, 100.0 * (5000 + 4000) / 114000, 1e-9);
}

TEST_F(TypesFill, ElevenTypesGiveElevenSlicesAndOneTypeOne) {
    for (int k = 0; k < 11; ++k)
        add(".ZQ" + std::string(1, static_cast<char>('A' + k)), 1, 1000 + k);
    fillGridTypes(grid, table);
    sortTypesGrid(grid, TypesSortItem::SortbySize);
    fillTypesPie(chart, grid, 2, palette);
    EXPECT_EQ(chart.series(0).count(), 11);
    EXPECT_EQ(chart.pieSlices(0).size(), 11u);

    table.clear();
    add(".ZQA", 3, 10);
    fillGridTypes(grid, table);
    fillTypesPie(chart, grid, 3, palette);
    ASSERT_EQ(chart.series(0).count(), 1);
    EXPECT_DOUBLE_EQ(chart.series(0).value(0), 3);
    EXPECT_EQ(chart.pieSlices(0).size(), 1u);
}

TEST_F(TypesFill, EmptyTableGivesAnEmptyPie) {
    add(".ZQA", 1, 10);
    fillGridTypes(grid, table);
    fillTypesPie(chart, grid, 2, palette);
    table.clear();
    fillGridTypes(grid, table);
    fillTypesPie(chart, grid, 2, palette);
    EXPECT_EQ(chart.series(0).count(), 0);
    EXPECT_TRUE(chart.pieSlices(0).empty());
}

TEST_F(TypesFill, PieShowsLabelAndPercentWithTheBiggestSliceOut) {
    add(".ZQA", 1, 7000);
    add(".ZQB", 1, 3000);
    fillGridTypes(grid, table);
    grid.setCell(1, 2, "ZQA File"); // two types may share a description
    fillTypesPie(chart, grid, 2, palette);
    const auto slices = chart.pieSlices(0);
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[0].explodePercent, 10);
    EXPECT_EQ(slices[1].explodePercent, 0);
    EXPECT_EQ(chart.pieMarkText(0, slices[0]), "ZQA File 70 %");
    EXPECT_EQ(chart.pieMarkText(0, slices[1]), "ZQA File 30 %");
    const ChartSeries& pie = chart.series(0);
    EXPECT_EQ(pie.marks.arrowLength, 8);
    EXPECT_EQ(chart.view3D.depthPercent, 25);
    EXPECT_EQ(chart.view3D.elevation, 315);
    EXPECT_EQ(chart.view3D.rotation, 360);
    EXPECT_EQ(chart.view3D.perspective, 0);
    EXPECT_FALSE(chart.view3D.orthogonal);
}
