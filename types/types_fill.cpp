#include "types/types_fill.h"

#include "app/helpers.h"
#include "types/file_type_table.h"
#include "types/selection_filter.h"
#include "types/sort_grid.h"
#include "types/type_description.h"
#include "types/type_entry.h"
#include "types/type_text.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

#include <algorithm>

void writeTypesHeadings(TextGrid& grid) {
    grid.setColumnCount(typesGridColumns);
    if (grid.rowCount() < 2)
        grid.setRowCount(2);
    grid.setRow(0, {"Extension", "Type", "Size", "# Files", "Avg File Size"});
}

void insertChosenTypes(FileTypeTable& table, const SelectionFilter& selection) {
    if (!selection.includeTypes)
        return;
    for (const std::string& entry : selection.typeEntries())
        table.insertType(extractExtension(entry), 0, true);
}

void fillGridTypes(TextGrid& grid, const FileTypeTable& table) {
    grid.setColumnCount(typesGridColumns);
    grid.setRowCount(table.size() + 2);
    int row = 1;
    for (const FileTypeRow& type : table.rows()) {
        grid.setRow(row++, {type.extension, typeDescription(type.extension),
                            formatBytes(static_cast<double>(type.totalBytes)),
                            formatBytes(static_cast<double>(type.fileCount)),
                            averageSizeText(type.totalBytes, type.fileCount)});
    }
    // The totals row may hold what was a data row before the grid shrank.
    grid.setRow(row, {});
}

bool typesGridSortable(const TextGrid& grid) {
    return grid.rowCount() >= 4;
}

void sortTypesGrid(TextGrid& grid, TypesSortItem item) {
    if (!typesGridSortable(grid))
        return;
    const int last = grid.rowCount() - 2;
    switch (item) {
    case TypesSortItem::SortbyExtension:
        TSortgrid::sortGridByText(grid, 1, last, 0, false);
        break;
    case TypesSortItem::SortbyType:
        TSortgrid::sortGridByText(grid, 1, last, 1, false);
        break;
    case TypesSortItem::SortbySize:
        TSortgrid::sortGridByNumber(grid, 1, last, 2, true);
        break;
    case TypesSortItem::SortbyNumFiles:
        TSortgrid::sortGridByNumber(grid, 1, last, 3, true);
        break;
    case TypesSortItem::SortbyAverageFileSize1:
        TSortgrid::sortGridByNumber(grid, 1, last, 4, true);
        break;
    }
}

void writeTypesTotals(TextGrid& grid) {
    if (grid.rowCount() < 2)
        return;
    double bytes = 0;
    double files = 0;
    for (int row = 1; row <= grid.rowCount() - 2; ++row) {
        bytes += safeStrToFloat(digitsOnly(grid.cell(2, row)));
        files += safeStrToFloat(digitsOnly(grid.cell(3, row)));
    }
    grid.setRow(grid.rowCount() - 1, {"", "Totals", formatBytes(bytes), formatBytes(files), ""});
}

TypesSortItem pieSortItem(TypesView view) {
    switch (view) {
    case TypesView::PieByNumFiles:
        return TypesSortItem::SortbyNumFiles;
    case TypesView::PieByAverageSize:
        return TypesSortItem::SortbyAverageFileSize1;
    case TypesView::Listing:
    case TypesView::PieBySize:
        break;
    }
    return TypesSortItem::SortbySize;
}

int pieValueColumn(TypesView view) {
    switch (view) {
    case TypesView::PieByNumFiles:
        return 3;
    case TypesView::PieByAverageSize:
        return 4;
    case TypesView::Listing:
    case TypesView::PieBySize:
        break;
    }
    return 2;
}

void setUpTypesPie(ChartModel& chart) {
    chart.clearSeries();
    chart.showPlotOnly();
    chart.walls.backFilled = false;
    chart.margins.left = 0;
    chart.margins.right = 0;
    chart.hint = "Click on pie to toggle animation";
    chart.view3D = ChartView3D{true, 25, false, 360, 315, 0, 100};
    chart.background.gradient = true;
    chart.background.startColor = clGray;
    chart.background.endColor = clSilver;
    chart.background.direction = ChartBackground::Direction::BottomTop;
    auto& pie = chart.addSeries(ChartSeries::Kind::Pie, "Series2");
    pie.marks.visible = true;
    pie.marks.style = ChartMarks::Style::LabelAndPercent;
    pie.marks.format = "##0.# %";
    pie.marks.arrowLength = 8;
    pie.pie.explodeBiggest = 10;
    pie.pie.otherPercent = 5;
    pie.pie.otherLabel = "Other";
}

void fillTypesPie(ChartModel& chart, const TextGrid& grid, int valueColumn,
                  const BarPalette& palette) {
    ChartSeries& series2 = chart.series(0);
    series2.clear();
    const int rows = std::min(grid.rowCount() - 2, 12);
    for (int k = 1; k <= rows; ++k) {
        const double value = safeStrToFloat(stripCommas(grid.cell(valueColumn, k)));
        if (value > 0)
            series2.add(value, grid.cell(1, k), palette[k]);
    }
}
