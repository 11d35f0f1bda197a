#pragma once
// The look and behaviour of the five read-only statistics grids (Sizes, Access, Created,
// Modified, Combined): the first column left-aligned, the others right-aligned, drawn over the
// default text; no cell can ever be selected, so every row looks like the others.

class QPainter;
class QRect;
class StringGrid;

// Draws the cell's text again: column 0 left at x + 3, other columns right-aligned at the right
// edge - 3, at y + 2, after filling the cell with the painter's brush.
void gridSizesDrawCell(const StringGrid& grid, QPainter& painter, int column, int row,
                       const QRect& rect);

// The selection veto: no cell may be selected.
[[nodiscard]] bool gridSizesSelectCell(int column, int row);

// Disables the grid, gives it the button-face colour, horizontal lines (vertical ones only in the
// heading), whole-row selection, moves the selection outside the cells and installs the two
// handlers above.
void setUpReadOnlyGrid(StringGrid& grid);
