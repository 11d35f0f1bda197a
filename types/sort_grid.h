#pragma once
// TSortgrid sorts a contiguous range of rows of a TextGrid by one column, as text or as numbers,
// ascending or descending, and moves whole rows. Rows outside the range (headings, totals) are
// never touched.
//
// The sort works on a scratch table of (starting row number, key text) and rebuilds the range
// from that permutation, so the grid is written once per row. Keys are read, folded or
// converted afresh at every comparison: no key cache. Text keys fold only a-z and compare as
// unsigned bytes; number keys drop the locale's thousands separators and read the locale's
// decimal separator, anything else counting as 0. Row numbers are plain ints: a range may lie
// anywhere in the grid, beyond row 65,535 too.

#include "ui/text_grid.h"

#include <string>
#include <string_view>

class TSortgrid final {
public:
    // Sorts rows firstRow..lastRow (inclusive) on the text of column. A range that does not
    // hold two rows of the grid is left alone.
    static void sortGridByText(TextGrid& grid, int firstRow, int lastRow, int column,
                               bool descending);
    static void sortGridByNumber(TextGrid& grid, int firstRow, int lastRow, int column,
                                 bool descending);

    // The number a cell stands for in a number sort.
    [[nodiscard]] static double cellValue(std::string_view text);

private:
    TSortgrid(const TextGrid& grid, int firstRow, int lastRow, int column);

    // Ranges of at most five rows go to the bubble sort.
    void quickSortText(int lo, int hi, bool descending);
    void bubbleSortText(int lo, int hi, bool descending);
    void quickSortNumber(int lo, int hi, bool descending);

    [[nodiscard]] const std::string& key(int row) const { return m_keys.cell(1, row); }
    void exchange(int i, int j);
    void rebuild(TextGrid& grid) const;

    [[nodiscard]] static bool validRange(const TextGrid& grid, int firstRow, int lastRow);

    TextGrid m_keys; // column 0: starting row number in decimal; column 1: key text
    int m_first;
    int m_last;
};
