#include "ui/chart_model.h"

#include "platform/locale_settings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

namespace {

class ChartModelTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrentLocale(platform::Locale{",", ".", "h:mm AP"}); }
};

ChartSeries& typesPie(ChartModel& chart, const std::vector<double>& values) {
    auto& pie = chart.addSeries(ChartSeries::Kind::Pie);
    pie.marks.visible = true;
    pie.marks.style = ChartMarks::Style::LabelAndPercent;
    pie.marks.format = "##0.# %";
    pie.pie.explodeBiggest = 10;
    pie.pie.otherPercent = 5;
    int k = 0;
    for (const double v : values) {
        ++k;
        pie.add(v, ".t" + std::to_string(k), static_cast<ColorRef>(k));
    }
    return pie;
}

TEST_F(ChartModelTest, PercentOfTotalAndMarkTexts) {
    ChartModel chart;
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar);
    bars.marks.style = ChartMarks::Style::Percent;
    bars.marks.format = "##0.# %";
    bars.add(1, "a");
    bars.add(2, "b");
    bars.add(0, "c");
    bars.add(5, "d");
    EXPECT_DOUBLE_EQ(bars.percentOfTotal(0), 12.5);
    EXPECT_DOUBLE_EQ(bars.percentOfTotal(3), 62.5);
    EXPECT_EQ(bars.markText(1), "25 %");
    EXPECT_EQ(bars.markText(3), "62.5 %");
    EXPECT_EQ(bars.markText(9), "");
    bars.clear();
    bars.add(0, "only zero");
    EXPECT_DOUBLE_EQ(bars.percentOfTotal(0), 0) << "an empty total divides nothing";
    bars.marks.style = ChartMarks::Style::Value;
    bars.marks.format = "#,##0.00 GB";
    bars.add(1536.25, "c");
    EXPECT_EQ(bars.markText(1), "1,536.25 GB");
}

TEST_F(ChartModelTest, SmallSlicesMergeIntoOtherAndTheBiggestExplodes) {
    ChartModel chart;
    typesPie(chart, {50, 30, 12, 4, 3, 1});
    const auto slices = chart.pieSlices(0);
    ASSERT_EQ(slices.size(), 4u);
    EXPECT_EQ(slices[0].label, ".t1");
    EXPECT_EQ(slices[0].explodePercent, 10);
    EXPECT_EQ(slices[1].explodePercent, 0);
    EXPECT_EQ(slices[3].label, "Other");
    EXPECT_EQ(slices[3].pointIndex, -1);
    EXPECT_DOUBLE_EQ(slices[3].value, 8);
    EXPECT_DOUBLE_EQ(slices[3].percent, 8);
    EXPECT_EQ(chart.pieMarkText(0, slices[3]), "Other 8 %");
    EXPECT_EQ(chart.pieMarkText(0, slices[2]), ".t3 12 %");
    const double sweep =
        std::accumulate(slices.begin(), slices.end(), 0.0,
                        [](double s, const PieSlice& p) { return s + p.sweepAngle; });
    EXPECT_NEAR(sweep, 360, 1e-9);
    EXPECT_DOUBLE_EQ(slices[1].startAngle, slices[0].startAngle + slices[0].sweepAngle);
}

TEST_F(ChartModelTest, OtherIsTheBiggestSliceWhenManySmallOnesMerge) {
    ChartModel chart;
    std::vector<double> values{30};
    values.insert(values.end(), 12, 3.0); // twelve slices of 4.5 % each
    typesPie(chart, values);
    const auto slices = chart.pieSlices(0);
    ASSERT_EQ(slices.size(), 2u);
    EXPECT_EQ(slices[1].label, "Other");
    EXPECT_EQ(slices[1].explodePercent, 10);
    EXPECT_EQ(slices[0].explodePercent, 0);
}

TEST_F(ChartModelTest, PieWithoutPositiveValuesHasNoSlicesAndOneSliceIsNotExploded) {
    ChartModel chart;
    typesPie(chart, {0, 0});
    EXPECT_TRUE(chart.pieSlices(0).empty());
    ChartModel single;
    typesPie(single, {0, 7});
    const auto slices = single.pieSlices(0);
    ASSERT_EQ(slices.size(), 1u);
    EXPECT_EQ(slices[0].pointIndex, 1);
    EXPECT_EQ(slices[0].explodePercent, 0);
    EXPECT_DOUBLE_EQ(slices[0].sweepAngle, 360);
}

TEST_F(ChartModelTest, RotationAngleTurnsEverySlice) {
    ChartModel chart;
    auto& pie = typesPie(chart, {1, 1});
    pie.pie.rotationAngle = 0;
    const double before = chart.pieSlices(0)[1].startAngle;
    pie.pie.rotationAngle = 350;
    EXPECT_DOUBLE_EQ(chart.pieSlices(0)[0].startAngle, 350);
    EXPECT_DOUBLE_EQ(chart.pieSlices(0)[1].startAngle, std::fmod(before + 350, 360));
}

TEST_F(ChartModelTest, LegendListsValuesOrSeriesTitlesInDisplayOrder) {
    ChartModel chart;
    auto& sizes = chart.addSeries(ChartSeries::Kind::HorizBar);
    sizes.valueFormat = "#,##0.##";
    sizes.add(1.5, "0 - 16K", clRed);
    sizes.add(2500, "16K - 32K", clMaroon);
    chart.legend.inverted = true;
    const auto values = chart.legendEntries();
    ASSERT_EQ(values.size(), 2u);
    EXPECT_EQ(values[0].text, "2,500 16K - 32K");
    EXPECT_EQ(values[0].color, clMaroon);
    EXPECT_EQ(values[1].text, "1.5 0 - 16K");

    ChartModel combined;
    combined.legend.content = ChartLegend::Content::SeriesTitles;
    combined.legend.inverted = true;
    combined.addSeries(ChartSeries::Kind::HorizBar, "Modified").color = clYellow;
    combined.addSeries(ChartSeries::Kind::HorizBar, "Created").color = clGreen;
    combined.addSeries(ChartSeries::Kind::HorizBar, "Accessed").color = clRed;
    combined.series(1).visible = false;
    const auto titles = combined.legendEntries();
    ASSERT_EQ(titles.size(), 2u) << "a switched-off series is not listed";
    EXPECT_EQ(titles[0].text, "Accessed");
    EXPECT_EQ(titles[1].text, "Modified");
    EXPECT_EQ(titles[1].color, clYellow);
}

TEST_F(ChartModelTest, StackedBarsSumAndSetTheValueRange) {
    ChartModel chart;
    auto& used = chart.addSeries(ChartSeries::Kind::Bar, "Used");
    auto& free = chart.addSeries(ChartSeries::Kind::Bar, "Free");
    used.multiBar = free.multiBar = ChartSeries::MultiBar::Stacked;
    used.axis = free.axis = ChartSeries::AxisBinding::Both;
    used.add(30, "C");
    free.add(20, "C");
    used.add(70, "D");
    free.add(63, "D");
    EXPECT_TRUE(chart.stacked());
    EXPECT_DOUBLE_EQ(chart.stackedSum(1), 133);
    EXPECT_DOUBLE_EQ(chart.stackBase(1, 1), 70);
    EXPECT_DOUBLE_EQ(chart.stackBase(0, 1), 0);
    for (const auto axis : {ChartModel::AxisId::Left, ChartModel::AxisId::Right}) {
        const AxisRange range = chart.axisRange(axis);
        EXPECT_DOUBLE_EQ(range.minimum, 0);
        EXPECT_GE(range.maximum, 133);
        EXPECT_LT(range.maximum, 133 * 1.5);
        EXPECT_GT(range.step, 0);
    }
    free.visible = false;
    EXPECT_DOUBLE_EQ(chart.stackedSum(1), 70) << "a switched-off series does not stack";
    const AxisRange bottom = chart.axisRange(ChartModel::AxisId::Bottom);
    EXPECT_DOUBLE_EQ(bottom.minimum, -0.5);
    EXPECT_DOUBLE_EQ(bottom.maximum, 1.5);
}

TEST_F(ChartModelTest, HorizontalBarsCarryValuesOnTheBottomAxis) {
    ChartModel chart;
    auto& bars = chart.addSeries(ChartSeries::Kind::HorizBar);
    for (int i = 0; i < 5; ++i)
        bars.add(i * 10.0);
    EXPECT_TRUE(chart.isValueAxis(ChartModel::AxisId::Bottom));
    EXPECT_FALSE(chart.isValueAxis(ChartModel::AxisId::Left));
    EXPECT_GE(chart.axisRange(ChartModel::AxisId::Bottom).maximum, 40);
    EXPECT_DOUBLE_EQ(chart.axisRange(ChartModel::AxisId::Left).maximum, 4.5);
}

TEST_F(ChartModelTest, FixedAxisKeepsItsLimitsAndPagingLeavesItAlone) {
    ChartModel chart;
    chart.maxPointsPerPage = 47;
    chart.bottomAxis.automatic = false;
    chart.bottomAxis.maximum = 47.9583333333333;
    auto& line = chart.addSeries(ChartSeries::Kind::Line);
    for (int slot = 0; slot < 48; ++slot)
        line.addXY(slot, slot % 7, "t");
    EXPECT_EQ(chart.pageCount(), 1);
    EXPECT_EQ(chart.pointsShown(), 48);
    EXPECT_DOUBLE_EQ(chart.axisRange(ChartModel::AxisId::Bottom).maximum, 47.9583333333333);

    ChartModel bars;
    bars.maxPointsPerPage = 5;
    auto& s = bars.addSeries(ChartSeries::Kind::Bar);
    for (int i = 0; i < 12; ++i)
        s.add(i);
    EXPECT_EQ(bars.pageCount(), 3);
    bars.page = 3;
    EXPECT_EQ(bars.firstPoint(), 10);
    EXPECT_EQ(bars.pointsShown(), 2);
}

TEST_F(ChartModelTest, ZoomNarrowsTheAxesUntilUndone) {
    ChartModel chart;
    auto& bars = chart.addSeries(ChartSeries::Kind::Bar);
    for (int i = 0; i < 10; ++i)
        bars.add(i * 3.0);
    const AxisRange whole = chart.axisRange(ChartModel::AxisId::Left);
    chart.zoom({4.5, 1.5, 20, 5}); // corners in any order
    ASSERT_TRUE(chart.zoomed());
    EXPECT_DOUBLE_EQ(chart.axisRange(ChartModel::AxisId::Left).minimum, 5);
    EXPECT_DOUBLE_EQ(chart.axisRange(ChartModel::AxisId::Left).maximum, 20);
    EXPECT_DOUBLE_EQ(chart.axisRange(ChartModel::AxisId::Bottom).minimum, 1.5);
    chart.zoom({1, 1, 0, 5});
    EXPECT_DOUBLE_EQ(chart.zoomRect()->categoryMax, 4.5) << "an empty rectangle is no zoom";
    chart.undoZoom();
    EXPECT_FALSE(chart.zoomed());
    EXPECT_DOUBLE_EQ(chart.axisRange(ChartModel::AxisId::Left).maximum, whole.maximum);
}

} // namespace
