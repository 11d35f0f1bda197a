#include "types/sort_grid.h"

#include "app/helpers.h"
#include "types/type_text.h"

#include <charconv>
#include <iterator>
#include <utility>
#include <vector>

namespace {

unsigned char upperLetter(char c) {
    return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
}

// Below zero when a sorts before b: letters a-z folded to upper case, then unsigned bytes; a
// prefix sorts before the longer text.
int compareTextKeys(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t k = 0; k < common; ++k) {
        const unsigned char x = upperLetter(a[k]);
        const unsigned char y = upperLetter(b[k]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

std::string decimalText(int value) {
    char digits[16];
    const auto end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    return std::string(digits, end);
}

} // namespace

void TSortgrid::sortGridByText(TextGrid& grid, int firstRow, int lastRow, int column,
                               bool descending) {
    if (!validRange(grid, firstRow, lastRow))
        return;
    TSortgrid sort(grid, firstRow, lastRow, column);
    sort.quickSortText(firstRow, lastRow, descending);
    sort.rebuild(grid);
}

void TSortgrid::sortGridByNumber(TextGrid& grid, int firstRow, int lastRow, int column,
                                 bool descending) {
    if (!validRange(grid, firstRow, lastRow))
        return;
    TSortgrid sort(grid, firstRow, lastRow, column);
    sort.quickSortNumber(firstRow, lastRow, descending);
    sort.rebuild(grid);
}

double TSortgrid::cellValue(std::string_view text) {
    return safeStrToFloat(stripCommas(text));
}

TSortgrid::TSortgrid(const TextGrid& grid, int firstRow, int lastRow, int column)
    : m_keys(2, grid.rowCount()), m_first(firstRow), m_last(lastRow) {
    for (int r = firstRow; r <= lastRow; ++r) {
        m_keys.setCell(0, r, decimalText(r));
        m_keys.setCell(1, r, grid.cell(column, r));
    }
}

bool TSortgrid::validRange(const TextGrid& grid, int firstRow, int lastRow) {
    return firstRow >= 0 && lastRow < grid.rowCount() && firstRow < lastRow;
}

void TSortgrid::quickSortText(int lo, int hi, bool descending) {
    // The smaller part is sorted by recursion and the larger one by the loop, so the stack stays
    // shallow whatever the keys; the parts are disjoint, so the result is the same.
    while (hi - lo >= 5) {
        const std::string pivot = key((lo + hi) / 2);
        const int sign = descending ? -1 : 1;
        int i = lo;
        int j = hi;
        while (i <= j) {
            while (sign * compareTextKeys(key(i), pivot) < 0)
                ++i;
            while (sign * compareTextKeys(key(j), pivot) > 0)
                --j;
            if (i <= j) {
                exchange(i, j);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            quickSortText(lo, j, descending);
            lo = i;
        } else {
            quickSortText(i, hi, descending);
            hi = j;
        }
    }
    bubbleSortText(lo, hi, descending);
}

void TSortgrid::bubbleSortText(int lo, int hi, bool descending) {
    bool exchanged = true;
    while (exchanged) {
        exchanged = false;
        for (int e = lo; e < hi; ++e) {
            const int order = compareTextKeys(key(e), key(e + 1));
            if (descending ? order < 0 : order > 0) {
                exchange(e, e + 1);
                exchanged = true;
            }
        }
    }
}

void TSortgrid::quickSortNumber(int lo, int hi, bool descending) {
    while (lo < hi) {
        const double pivot = cellValue(key((lo + hi) / 2));
        int i = lo;
        int j = hi;
        while (i <= j) {
            if (descending) {
                while (cellValue(key(i)) > pivot)
                    ++i;
                while (cellValue(key(j)) < pivot)
                    --j;
            } else {
                while (cellValue(key(i)) < pivot)
                    ++i;
                while (cellValue(key(j)) > pivot)
                    --j;
            }
            if (i <= j) {
                exchange(i, j);
                ++i;
                --j;
            }
        }
        if (j - lo < hi - i) {
            quickSortNumber(lo, j, descending);
            lo = i;
        } else {
            quickSortNumber(i, hi, descending);
            hi = j;
        }
    }
}

void TSortgrid::exchange(int i, int j) {
    std::vector<std::string> saved = m_keys.row(i);
    m_keys.setRow(i, m_keys.row(j));
    m_keys.setRow(j, std::move(saved));
}

void TSortgrid::rebuild(TextGrid& grid) const {
    std::vector<std::vector<std::string>> copy;
    copy.reserve(static_cast<std::size_t>(m_last - m_first + 1));
    for (int r = m_first; r <= m_last; ++r)
        copy.push_back(grid.row(safeStrToInt(m_keys.cell(0, r))));
    for (int r = m_first; r <= m_last; ++r)
        grid.setRow(r, std::move(copy[static_cast<std::size_t>(r - m_first)]));
}
