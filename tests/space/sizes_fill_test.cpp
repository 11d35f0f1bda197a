#include "space/sizes_fill.h"

#include "collect/drive_statistics.h"
#include "space/page_samples.h"
#include "space/size_classes.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

#include <gtest/gtest.h>

namespace {

class SizesFill : public ::testing::Test {
protected:
    void SetUp() override {
        page_samples::useEnglishLocale();
        palette.initAColors(true, clBlack);
        setUpSizesChart(chart);
    }

    TextGrid grid;
    ChartModel chart;
    BarPalette palette;
};

constexpr ColorRef paletteOrder[] = {clRed,     clMaroon, clBlue, clYellow, clGreen, clLime,
                                     clFuchsia, clTeal,   clNavy, clAqua,   clWhite, clGray};

} // namespace

TEST_F(SizesFill, ListingPutsTheLargestClassOnTopWithSeparatedFigures) {
    DriveStatistics stats = page_samples::sizedRun();
    stats.sizeClassBytes[12] = 5.0 * 1073741824.0; // a 5 GiB file is not wrapped
    fillGridSizes(grid, stats);
    ASSERT_EQ(grid.rowCount(), 13);
    ASSERT_EQ(grid.columnCount(), 3);
    EXPECT_EQ(grid.row(0),
              (std::vector<std::string>{"File size", "Total file size", "Number of files"}));
    EXPECT_EQ(grid.row(1), (std::vector<std::string>{"Over 16MB", "5,368,709,120", "120"}));
    EXPECT_EQ(grid.row(12), (std::vector<std::string>{"0 - 16K", "10,485,760", "13"}));
    for (int row = 1; row <= 12; ++row)
        EXPECT_EQ(grid.cell(0, row), sizeClassLabels()[static_cast<std::size_t>(12 - row)]);
    EXPECT_EQ(grid.cell(1, 6), "513,802,240"); // class 7: 70 files of 7 MB
    EXPECT_EQ(grid.cell(2, 6), "70");
}

TEST_F(SizesFill, RunWithoutFilesShowsZerosAndTwelveEmptyBars) {
    DriveStatistics stats;
    grid.setRowCount(40); // whatever the grid held before, the listing has its 13 rows
    fillGridSizes(grid, stats);
    EXPECT_EQ(grid.rowCount(), 13);
    for (int row = 1; row <= 12; ++row) {
        EXPECT_EQ(grid.cell(1, row), "0");
        EXPECT_EQ(grid.cell(2, row), "0");
    }
    for (const bool byMegabytes : {true, false}) {
        fillSizesChart(chart, stats, byMegabytes, palette);
        ASSERT_EQ(chart.series(0).count(), 12);
        EXPECT_EQ(chart.series(0).total(), 0);
    }
}

TEST_F(SizesFill, ChartByMegabytesAndByCountSmallestClassFirst) {
    const DriveStatistics stats = page_samples::sizedRun();
    fillSizesChart(chart, stats, true, palette);
    EXPECT_EQ(chart.title.lines, std::vector<std::string>{"File Sizes in MB"});
    const ChartSeries& bars = chart.series(0);
    ASSERT_EQ(bars.count(), 12);
    for (int i = 0; i < 12; ++i) {
        const int c = i + 1;
        EXPECT_NEAR(bars.value(i), c * 10.0 * c, 1e-4) << c; // c * 10 files of c MB
        EXPECT_EQ(bars.points()[static_cast<std::size_t>(i)].label,
                  sizeClassLabels()[static_cast<std::size_t>(i)]);
        EXPECT_EQ(bars.points()[static_cast<std::size_t>(i)].color, paletteOrder[i]);
    }

    fillSizesChart(chart, stats, false, palette);
    EXPECT_EQ(chart.title.lines, std::vector<std::string>{"Number of Files"});
    ASSERT_EQ(chart.series(0).count(), 12);
    EXPECT_EQ(chart.series(0).value(0), 13);
    EXPECT_EQ(chart.series(0).value(11), 120);
    EXPECT_EQ(chart.series(0).points().back().label, "Over 16MB");
    EXPECT_EQ(chart.series(0).points().back().color, clGray);
}

TEST_F(SizesFill, ChartShowsPercentMarksInvertedLegendAndLosesItsZoom) {
    const DriveStatistics stats = page_samples::sizedRun();
    chart.zoom({0, 3, 0, 10});
    fillSizesChart(chart, stats, false, palette);
    EXPECT_FALSE(chart.zoomed());
    const ChartSeries& bars = chart.series(0);
    EXPECT_EQ(bars.kind(), ChartSeries::Kind::HorizBar);
    EXPECT_TRUE(bars.gradientFill);
    EXPECT_EQ(bars.marks.format, "##0.# %");
    // 120 of 783 files are over 16 MB.
    EXPECT_EQ(bars.markText(11), "15.3 %");
    const auto legend = chart.legendEntries();
    ASSERT_EQ(legend.size(), 12u);
    EXPECT_NE(legend.front().text.find("Over 16MB"), std::string::npos);
    EXPECT_EQ(legend.front().color, clGray);
    EXPECT_NE(legend.back().text.find("0 - 16K"), std::string::npos);
}

TEST_F(SizesFill, EveryFillReplacesTheBarsAndThePaletteDecidesTheColours) {
    const DriveStatistics stats = page_samples::sizedRun();
    palette.initAColors(false, clPurple);
    for (int repeat = 0; repeat < 3; ++repeat)
        fillSizesChart(chart, stats, repeat % 2 == 0, palette);
    ASSERT_EQ(chart.series(0).count(), 12);
    for (const ChartPoint& bar : chart.series(0).points())
        EXPECT_EQ(bar.color, clPurple);
}
