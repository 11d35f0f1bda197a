#include "space/attribute_fill.h"

#include "collect/drive_statistics.h"
#include "space/attribute_stats.h"
#include "space/page_samples.h"
#include "ui/chart_model.h"

#include <gtest/gtest.h>

namespace {

class AttributeFill : public ::testing::Test {
protected:
    void SetUp() override {
        page_samples::useEnglishLocale();
        setUpAttributeChart(counts);
        setUpAttributeChart(bytes);
    }

    DriveStatistics stats;
    ChartModel counts;
    ChartModel bytes;
};

} // namespace

TEST_F(AttributeFill, SharesOfFilesWithSeveralAttributesStillAddUpToOneHundred) {
    collectFileAttr(stats, 0x06, 3000); // hidden and system
    collectFileAttr(stats, 0x21, 1000); // read-only and archive
    collectFileAttr(stats, 0x20, 6000); // archive
    collectFileAttr(stats, 0x00, 9999); // none
    fillAttributeCharts(counts, bytes, stats);
    for (const ChartModel* chart : {&counts, &bytes}) {
        ASSERT_EQ(chart->series(0).count(), 4);
        EXPECT_NEAR(chart->series(0).total(), 100.0, 1e-9);
    }
    // Bottom to top: archive, system, read-only, hidden; five attribute marks in all.
    const ChartSeries& byCount = counts.series(0);
    EXPECT_DOUBLE_EQ(byCount.value(0), 40);
    EXPECT_DOUBLE_EQ(byCount.value(1), 20);
    EXPECT_DOUBLE_EQ(byCount.value(2), 20);
    EXPECT_DOUBLE_EQ(byCount.value(3), 20);
    EXPECT_EQ(byCount.markText(0), "40 %");
    const ChartSeries& byBytes = bytes.series(0);
    EXPECT_DOUBLE_EQ(byBytes.value(0), 100.0 * 7000 / 14000);
    EXPECT_DOUBLE_EQ(byBytes.value(1), 100.0 * 3000 / 14000);
    EXPECT_DOUBLE_EQ(byBytes.value(2), 100.0 * 1000 / 14000);
    EXPECT_DOUBLE_EQ(byBytes.value(3), 100.0 * 3000 / 14000);
    for (const ChartPoint& bar : byCount.points())
        EXPECT_EQ(bar.color, clRed);
    for (const ChartPoint& bar : byBytes.points())
        EXPECT_EQ(bar.color, clBlue);
}

TEST_F(AttributeFill, HiddenIsTheTopBar) {
    stats.hiddenCount = 2;
    stats.hiddenBytes = 90;
    stats.archiveCount = 1;
    stats.archiveBytes = 10;
    fillAttributeCharts(counts, bytes, stats);
    EXPECT_DOUBLE_EQ(counts.series(0).value(3), 200.0 / 3);
    EXPECT_DOUBLE_EQ(counts.series(0).value(0), 100.0 / 3);
    EXPECT_DOUBLE_EQ(bytes.series(0).value(3), 90);
    EXPECT_EQ(counts.series(0).markText(3), "66.67 %");
}

TEST_F(AttributeFill, ChartsStayEmptyWhenTheirSumIsZero) {
    collectFileAttr(stats, 0x20, 100);
    fillAttributeCharts(counts, bytes, stats);
    stats = DriveStatistics{};
    collectFileAttr(stats, 0x02, 0); // a hidden empty file: a count but no bytes
    fillAttributeCharts(counts, bytes, stats);
    EXPECT_EQ(counts.series(0).count(), 4);
    EXPECT_EQ(bytes.series(0).count(), 0);
    stats = DriveStatistics{};
    fillAttributeCharts(counts, bytes, stats);
    EXPECT_EQ(counts.series(0).count(), 0);
    EXPECT_EQ(bytes.series(0).count(), 0);
}

TEST_F(AttributeFill, FiguresInPageOrderWithSeparatorsAndNoUnit) {
    stats.hiddenCount = 1234;
    stats.readOnlyCount = 5;
    stats.systemCount = 0;
    stats.archiveCount = 1000000;
    stats.hiddenBytes = 9876543210.0;
    stats.archiveBytes = 2.6;
    const AttributeFigures figures = attributeFigures(stats);
    EXPECT_EQ(figures.counts, (std::array<std::string, 4>{"1,234", "5", "0", "1,000,000"}));
    EXPECT_EQ(figures.sizes, (std::array<std::string, 4>{"9,876,543,210", "0", "0", "3"}));
}
