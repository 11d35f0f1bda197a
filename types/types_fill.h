#pragma once
// What the Types page shows, over the type table and the page's grid model: the rows of the
// table with their descriptions, the five sort orders of the sort menu, the totals row and the
// pie of the (up to) twelve largest types. The pie reads the grid, not the table, because the
// views sort the grid first and the pie takes its rows in that order.

#include "space/bar_palette.h"

#include <array>
#include <string>

class ChartModel;
class FileTypeTable;
class SelectionFilter;
class TextGrid;

inline constexpr int typesGridColumns = 5;

// The items of the Types page's sort menu, in menu order.
enum class TypesSortItem {
    SortbyExtension,
    SortbyType,
    SortbySize,
    SortbyNumFiles,
    SortbyAverageFileSize1
};
inline constexpr std::array<const char*, 5> typesSortCaptions = {
    "Sort by &Extension", "Sort by &Type", "Sort by &Size", "Sort by &Number of files",
    "Sort by &Average File Size"};

// The Types page's view buttons, in order.
enum class TypesView { Listing, PieBySize, PieByNumFiles, PieByAverageSize };
inline constexpr std::array<const char*, 4> typesViewCaptions = {
    "Listing", "Pie by Size", "Pie by # Files", "Pie by Average Size"};

// Row 0: "Extension", "Type", "Size", "# Files", "Avg File Size".
void writeTypesHeadings(TextGrid& grid);

// In a run over chosen types only, every chosen type gets its row even without a file.
void insertChosenTypes(FileTypeTable& table, const SelectionFilter& selection);

// One row per table row between the headings and a blank totals row: extension, description,
// bytes, files, average size. Row 0 is left as it is.
void fillGridTypes(TextGrid& grid, const FileTypeTable& table);

// A grid of fewer than four rows (at most one data row) cannot be sorted.
[[nodiscard]] bool typesGridSortable(const TextGrid& grid);

// Sorts the data rows (1 to row count - 2) the way the item says: extension and type as text
// ascending, the three figures as numbers descending. An unsortable grid is left alone.
void sortTypesGrid(TextGrid& grid, TypesSortItem item);

// The totals row (the last): "Totals" in column 1, the sums of columns 2 and 3 (digits only,
// so separators of any locale drop out) with thousands separators; columns 0 and 4 empty.
void writeTypesTotals(TextGrid& grid);

// The sort a pie view asks for and the grid column its slices take their values from (those
// of "Pie by Size" for the listing, which sorts nothing and shows no pie).
[[nodiscard]] TypesSortItem pieSortItem(TypesView view);
[[nodiscard]] int pieValueColumn(TypesView view);

// chartPie's fixed settings: no title, axes, frame, legend or zoom, a clear back wall, no side
// margins, depth 25, elevation 315, rotation 360, no perspective; one pie series with label
// and percent marks "##0.# %", arrow length 8, the biggest slice out by 10 percent and slices
// below 5 percent merged into "Other".
void setUpTypesPie(ChartModel& chart);

// Refills the pie from grid rows 1..12 (at most the data rows): the value column without
// thousands separators, the "Type" text as label, palette colour k for row k. Rows of value 0
// add no slice; the following slices keep their own rows' colours.
void fillTypesPie(ChartModel& chart, const TextGrid& grid, int valueColumn,
                  const BarPalette& palette);
