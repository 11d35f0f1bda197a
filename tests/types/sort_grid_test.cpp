#include "types/sort_grid.h"

#include "platform/locale_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace {

// Row 0 is a heading and the last row a total; the rows between carry their key in column 1
// and a copy of it in column 2, so a row torn apart by the sort shows.
TextGrid gridWithKeys(const std::vector<std::string>& keys) {
    const int rows = static_cast<int>(keys.size()) + 2;
    TextGrid grid(3, rows);
    grid.setRow(0, {"Head", "Key", "Copy"});
    for (int r = 1; r < rows - 1; ++r) {
        const std::string& key = keys[static_cast<std::size_t>(r - 1)];
        grid.setRow(r, {"row", key, "copy of " + key});
    }
    grid.setRow(rows - 1, {"Total", "zzz", "sum"});
    return grid;
}

class SortGrid : public ::testing::Test {
protected:
    void SetUp() override { useSeparators(",", "."); }
    void TearDown() override { platform::setCurrentLocale(m_saved); }

    static void useSeparators(const char* thousands, const char* decimal) {
        platform::Locale locale;
        locale.thousandsSeparator = thousands;
        locale.decimalSeparator = decimal;
        platform::setCurrentLocale(locale);
    }
    // Sorts every row between heading and total and returns the keys in their new order,
    // after checking that heading, total and every row stayed whole.
    static std::vector<std::string> sorted(TextGrid& grid, bool asNumbers, bool descending) {
        const int last = grid.rowCount() - 2;
        if (asNumbers)
            TSortgrid::sortGridByNumber(grid, 1, last, 1, descending);
        else
            TSortgrid::sortGridByText(grid, 1, last, 1, descending);
        EXPECT_EQ(grid.row(0), (std::vector<std::string>{"Head", "Key", "Copy"}));
        EXPECT_EQ(grid.row(last + 1), (std::vector<std::string>{"Total", "zzz", "sum"}));
        std::vector<std::string> keys;
        for (int r = 1; r <= last; ++r) {
            EXPECT_EQ(grid.cell(2, r), "copy of " + grid.cell(1, r)) << r;
            keys.push_back(grid.cell(1, r));
        }
        return keys;
    }

private:
    platform::Locale m_saved = platform::currentLocale();
};

using Keys = std::vector<std::string>;

} // namespace

TEST_F(SortGrid, TextFoldsOnlyLettersAndComparesBytes) {
    TextGrid grid = gridWithKeys({"b", "A", "a", "C"});
    // Four rows go to the bubble sort, which never exchanges equal keys.
    EXPECT_EQ(sorted(grid, false, false), (Keys{"A", "a", "b", "C"}));

    grid = gridWithKeys({"AB", ".A", "", "b", "1"});
    EXPECT_EQ(sorted(grid, false, false), (Keys{"", ".A", "1", "AB", "b"}));
    EXPECT_EQ(sorted(grid, false, true), (Keys{"b", "AB", "1", ".A", ""}));

    grid = gridWithKeys({"\xC3\xA9", "z", "E"}); // bytes above 127 sort after the letters
    EXPECT_EQ(sorted(grid, false, false), (Keys{"E", "z", "\xC3\xA9"}));
}

TEST_F(SortGrid, SixRowsTakeTheQuicksortAndComeOutSorted) {
    TextGrid grid = gridWithKeys({"f", "B", "e", "a", "D", "c"});
    EXPECT_EQ(sorted(grid, false, false), (Keys{"a", "B", "c", "D", "e", "f"}));
    EXPECT_EQ(sorted(grid, false, true), (Keys{"f", "e", "D", "c", "B", "a"}));
}

TEST_F(SortGrid, NumbersLoseTheirSeparatorsAndTextCountsAsZero) {
    TextGrid grid = gridWithKeys({"1,000", "999", "12,345"});
    EXPECT_EQ(sorted(grid, true, true), (Keys{"12,345", "1,000", "999"}));

    grid = gridWithKeys({"10", "9"});
    EXPECT_EQ(sorted(grid, true, false), (Keys{"9", "10"}));

    grid = gridWithKeys({"5", "abc", "-2", "", "0.5"});
    const Keys keys = sorted(grid, true, false);
    EXPECT_TRUE(keys == (Keys{"-2", "abc", "", "0.5", "5"}) ||
                keys == (Keys{"-2", "", "abc", "0.5", "5"}));

    useSeparators(".", ",");
    grid = gridWithKeys({"1,5", "1.000", "2"});
    EXPECT_EQ(sorted(grid, true, false), (Keys{"1,5", "2", "1.000"}));
}

TEST_F(SortGrid, OnlyTheGivenRangeMoves) {
    TextGrid grid = gridWithKeys({"d", "c", "b", "a"});
    TSortgrid::sortGridByText(grid, 2, 3, 1, false);
    TSortgrid::sortGridByText(grid, 3, 99, 1, false); // reaches beyond the grid: refused
    EXPECT_EQ(grid.cell(1, 1), "d");
    EXPECT_EQ(grid.cell(1, 2), "b");
    EXPECT_EQ(grid.cell(1, 3), "c");
    EXPECT_EQ(grid.cell(1, 4), "a");
}

TEST_F(SortGrid, RangesBeyondSixteenBitRowNumbersSortCompletely) {
    Keys keys;
    std::mt19937 random(7);
    for (int k = 0; k < 70000; ++k)
        keys.push_back(std::to_string(random() % 100000));
    TextGrid grid = gridWithKeys(keys);
    Keys numbers = sorted(grid, true, false);
    EXPECT_TRUE(std::ranges::is_sorted(numbers, [](const std::string& a, const std::string& b) {
        return std::stol(a) < std::stol(b);
    }));
    std::ranges::sort(keys);
    EXPECT_EQ(sorted(grid, false, false), keys);
}
