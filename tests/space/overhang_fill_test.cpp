#include "space/overhang_fill.h"

#include "collect/drive_statistics.h"
#include "space/overhang.h"
#include "space/page_samples.h"
#include "space/size_classes.h"
#include "ui/chart_model.h"

#include <gtest/gtest.h>

namespace {

class OverhangFill : public ::testing::Test {
protected:
    void SetUp() override {
        page_samples::useEnglishLocale();
        setUpOverhangChart(chart);
    }

    // The run's files go through the same per-file rules as in a walk.
    void addFile(std::int64_t size) {
        updateSizeClass(stats, size);
        updateOverhang(stats, size);
        stats.filesSelected += 1;
    }

    DriveStatistics stats;
    ChartModel chart;
};

} // namespace

TEST_F(OverhangFill, TotalsBelowOneMegabyteAreInKilobytesFromOneMegabyteOnInMegabytes) {
    addFile(1000000);
    EXPECT_EQ(overhangFigures(stats).totalSize, "977 KB");
    addFile(48576); // 1,048,576 in all
    EXPECT_EQ(overhangFigures(stats).totalSize, "1 MB");
    EXPECT_EQ(overhangFigures(stats).numFiles, "Number of files scanned: 2");
}

TEST_F(OverhangFill, ActualSpaceTakesTheUnitOfTheFilesNotOfTheSum) {
    // 1,040,000 bytes of files lose 8,577 + 65,535 bytes with 64 KB clusters: the sum passes
    // 1 MB but stays in KB because the files alone do not.
    addFile(1040000 - 1);
    addFile(1);
    stats.clusterSize = 65536;
    const double wasted = stats.overhang64K;
    ASSERT_GT(1040000 + wasted, 1048576);
    const OverhangFigures figures = overhangFigures(stats);
    ASSERT_TRUE(figures.actualSpace.has_value());
    EXPECT_EQ(*figures.actualSpace, "Actual space used " + sizeWithUnit(1040000 + wasted, 1040000));
    EXPECT_EQ(*figures.actualSpace, "Actual space used 1,088 KB");
    EXPECT_EQ(figures.arrowRow, 5);
}

TEST_F(OverhangFill, TheArrowMarksOnlyTheFiveClusterSizes) {
    addFile(5000);
    const std::pair<std::int32_t, int> rows[] = {{4096, 1},  {8192, 2},  {16384, 3},
                                                 {32768, 4}, {65536, 5}, {2048, 0},
                                                 {0, 0},     {512, 0},   {131072, 0}};
    for (const auto& [cluster, row] : rows) {
        stats.clusterSize = cluster;
        const OverhangFigures figures = overhangFigures(stats);
        EXPECT_EQ(figures.arrowRow, row) << cluster;
        EXPECT_EQ(figures.actualSpace.has_value(), row != 0) << cluster;
    }
    stats.clusterSize = 8192;
    // 5,000 bytes take one 8 KB cluster: 3,192 are lost.
    EXPECT_EQ(*overhangFigures(stats).actualSpace, "Actual space used 8 KB");
}

TEST_F(OverhangFill, WastedFiguresRunFrom4KAndTheBarsFrom64K) {
    addFile(1);
    addFile(4097);
    const OverhangFigures figures = overhangFigures(stats);
    EXPECT_EQ(figures.wasted,
              (std::array<std::string, 5>{"8,190", "12,286", "28,670", "61,438", "126,974"}));
    fillOverhangChart(chart, stats);
    const ChartSeries& bars = chart.series(0);
    ASSERT_EQ(bars.count(), 5);
    const double total = 4098;
    const double sums[] = {126974, 61438, 28670, 12286, 8190}; // 64K first
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(bars.value(i), 100.0 * sums[i] / (total + sums[i])) << i;
        EXPECT_EQ(bars.points()[static_cast<std::size_t>(i)].color, clRed);
        EXPECT_TRUE(bars.points()[static_cast<std::size_t>(i)].label.empty());
    }
    EXPECT_EQ(bars.markText(0), "97 %");
    EXPECT_EQ(bars.markText(4), "67 %");
}

TEST_F(OverhangFill, ASecondFillShowsOnlyItsOwnFiveBars) {
    addFile(100);
    fillOverhangChart(chart, stats);
    stats = DriveStatistics{};
    addFile(4096 * 3);
    addFile(10);
    fillOverhangChart(chart, stats);
    ASSERT_EQ(chart.series(0).count(), 5);
    EXPECT_DOUBLE_EQ(chart.series(0).value(4), 100.0 * 4086 / (12298 + 4086));
}

TEST_F(OverhangFill, ChartIsAPlainRedBarStripOfFiveBars) {
    EXPECT_FALSE(chart.title.visible);
    EXPECT_FALSE(chart.legend.visible);
    EXPECT_FALSE(chart.leftAxis.visible);
    EXPECT_FALSE(chart.bottomAxis.visible);
    EXPECT_FALSE(chart.frameVisible);
    EXPECT_FALSE(chart.allowZoom);
    EXPECT_EQ(chart.maxPointsPerPage, 5);
    EXPECT_EQ(chart.series(0).marks.format, "#,##0. %");
    EXPECT_TRUE(chart.series(0).marks.visible);
}
