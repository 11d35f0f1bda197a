// The Space page's figures, bars and pies worked out over made-up drives of chosen sizes.
#include "space/space_fill.h"

#include "app/fake_drives.h"
#include "platform/locale_settings.h"
#include "ui/chart_model.h"

#include <gtest/gtest.h>

using tally_test::FakeDrive;
using tally_test::FakeDrives;

namespace {

constexpr double gbTolerance = 1e-4;

class SpaceFillTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrentLocale(platform::Locale{});
        setUpSpaceBarChart(chart);
    }

    ChartModel chart;
    int drivesShown = -1;
};

std::vector<FakeDrive> twelveDrives() {
    std::vector<FakeDrive> drives;
    for (int i = 0; i < 12; ++i)
        drives.push_back({static_cast<char>('c' + i), 10.0 * (i + 1), 1.0 * (i + 1)});
    return drives;
}

std::vector<std::string> entriesOf(const std::vector<FakeDrive>& drives) {
    std::vector<std::string> entries;
    for (const FakeDrive& drive : drives)
        entries.push_back(std::string(1, drive.letter) + ": (Fixed disk)");
    return entries;
}

} // namespace

TEST_F(SpaceFillTest, TotalBarOnlyBesideTwoOrMoreDrivesAndOnlyWhenAsked) {
    FakeDrives drives({{'c', 100, 40}, {'d', 2000, 1500.25}});
    const std::vector<std::string> ticked{"d: [data]", "c: [work]"};
    SpaceFigures figures = fillSpaceBars(chart, ticked, true, drivesShown);
    EXPECT_EQ(drivesShown, 2);
    ASSERT_EQ(chart.series(1).count(), 3);
    EXPECT_EQ(chart.series(1).points()[0].label, "d");
    EXPECT_EQ(chart.series(1).points()[2].label, "Total");
    EXPECT_NEAR(chart.series(1).value(2), 1540.25, gbTolerance);
    EXPECT_NEAR(chart.series(0).value(2), 2100 - 1540.25, gbTolerance);
    EXPECT_EQ(figures.capacity, "2,100.00");
    EXPECT_EQ(figures.free, "1,540.25");
    EXPECT_EQ(figures.used, "559.75");

    EXPECT_EQ(figures.freeUnit, "GB ");
    EXPECT_EQ(chart.series(1).markText(2), "1,540.25 GB");

    figures = fillSpaceBars(chart, ticked, false, drivesShown);
    EXPECT_EQ(chart.series(1).count(), 2);
    EXPECT_EQ(figures.capacity, "2,100.00");
    // One drive never gets a total bar.
    (void)fillSpaceBars(chart, {"c: [work]"}, true, drivesShown);
    EXPECT_EQ(drivesShown, 1);
    EXPECT_EQ(chart.series(0).count(), 1);
    EXPECT_NEAR(chart.series(0).value(0), 60, gbTolerance);
}

TEST_F(SpaceFillTest, FreeFigureTurnsRedWhenAlmostNothingIsUsed) {
    FakeDrives drives({{'c', 10, 9.95}, {'d', 10, 9.89}});
    EXPECT_EQ(fillSpaceBars(chart, {"c: x"}, true, drivesShown).freeColor, clRed);
    // 0.11 GB used is more than the limit.
    EXPECT_EQ(fillSpaceBars(chart, {"d: x"}, true, drivesShown).freeColor, clBlack);
}

TEST_F(SpaceFillTest, NoReadyTickedDriveHidesTheFiguresAndEmptiesTheBars) {
    FakeDrives drives({{'c', 100, 40}, {'d', 0, 0, false}});
    (void)fillSpaceBars(chart, {"c: x"}, true, drivesShown);
    const SpaceFigures figures = fillSpaceBars(chart, {"d: gone"}, true, drivesShown);
    EXPECT_EQ(drivesShown, 0);
    EXPECT_FALSE(figures.shown);
    EXPECT_TRUE(figures.capacity.empty());
    EXPECT_TRUE(figures.capacityUnit.empty());
    EXPECT_EQ(chart.series(0).count(), 0);
    EXPECT_EQ(chart.series(1).count(), 0);
}

TEST(PercentFreeText, CutsTheSecondDecimalAndNeverDividesByZero) {
    platform::setCurrentLocale(platform::Locale{});
    EXPECT_EQ(percentFreeText(45.678, 100), "45.6");
    EXPECT_EQ(percentFreeText(1, 3), "33.3");
    EXPECT_EQ(percentFreeText(100, 100), "100.0");
    EXPECT_EQ(percentFreeText(0, 0), "0.0");
    platform::setCurrentLocale(platform::Locale{".", ",", "HH:mm"});
    EXPECT_EQ(percentFreeText(1, 8), "12,5");
    platform::setCurrentLocale(platform::Locale{});
}

TEST(SpacePies, TwelveReadyDrivesFillElevenPiesAndTheTotalCountsOnlyThose) {
    platform::setCurrentLocale(platform::Locale{});
    const std::vector<FakeDrive> twelve = twelveDrives();
    FakeDrives drives(twelve);
    std::vector<ChartModel> models(spacePieCount);
    std::vector<ChartModel*> pies;
    for (ChartModel& model : models) {
        setUpSpacePie(model);
        pies.push_back(&model);
    }
    ChartModel total;
    setUpSpacePie(total);
    EXPECT_EQ(fillSpacePies(pies, total, entriesOf(twelve)), 11);
    EXPECT_EQ(models[0].title.lines, std::vector<std::string>{"C:\\  10.0% free"});
    EXPECT_EQ(models[10].title.lines, std::vector<std::string>{"M:\\  10.0% free"});
    ASSERT_EQ(models[3].series(0).count(), 2);
    EXPECT_NEAR(models[3].series(0).value(0) / 1073741824.0, 36, gbTolerance);
    EXPECT_EQ(models[3].series(0).points()[0].color, clBlue);
    EXPECT_NEAR(models[3].series(0).value(1) / 1073741824.0, 4, gbTolerance);
    EXPECT_EQ(models[3].series(0).points()[1].color, clFuchsia);
    EXPECT_EQ(models[3].series(0).points()[1].label, " ");
    // Drives c..m: 660 GB of which 66 GB free; drive n (120 GB) has no pie and is not counted.
    EXPECT_NEAR(total.series(0).value(0) / 1073741824.0, 594, gbTolerance);
    EXPECT_NEAR(total.series(0).value(1) / 1073741824.0, 66, gbTolerance);
    EXPECT_EQ(total.title.lines, std::vector<std::string>{"TOTAL 10.0% free"});
}
