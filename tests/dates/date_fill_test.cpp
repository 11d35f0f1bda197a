// The listings and charts of the Access, Created, Modified, Combined and Time pages, filled from
// hand-built accumulators in which every class and kind holds a different figure.
#include "dates/age_classes.h"
#include "dates/combined_fill.h"
#include "dates/date_fill.h"
#include "dates/time_fill.h"

#include "collect/drive_statistics.h"
#include "platform/locale_settings.h"
#include "space/bar_palette.h"
#include "ui/chart_model.h"
#include "ui/text_grid.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

constexpr DateKind kinds[] = {DateKind::Accessed, DateKind::Created, DateKind::Modified};

// Kind k (1..3), class c: (10 * k + c) files of (c + 1) MB and a bit each.
DriveStatistics agedRun() {
    DriveStatistics stats;
    for (std::size_t c = 0; c < 10; ++c) {
        const double bytes = (static_cast<double>(c) + 1.0) * 1048576.0 + 1000.0 * c;
        stats.accessAgeCount[c] = 10.0 + c;
        stats.accessAgeBytes[c] = bytes;
        stats.createAgeCount[c] = 20.0 + c;
        stats.createAgeBytes[c] = bytes * 2;
        stats.modifyAgeCount[c] = 30.0 + c;
        stats.modifyAgeBytes[c] = bytes * 3;
    }
    return stats;
}

class DateFill : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrentLocale(platform::Locale{}); }

    DriveStatistics stats = agedRun();
    BarPalette palette;
};

} // namespace

TEST_F(DateFill, ListingRunsFromOldestToNotRecordedWithTheKindsFigures) {
    for (const DateKind kind : kinds) {
        TextGrid grid(2, 40); // whatever the grid held before, the listing has its 11 rows
        fillGridDates(dateGridHeading(kind), grid, ageBytes(stats, kind), ageCounts(stats, kind));
        ASSERT_EQ(grid.rowCount(), 11);
        ASSERT_EQ(grid.columnCount(), 3);
        EXPECT_EQ(grid.row(0), (std::vector<std::string>{dateGridHeading(kind), "Total file size",
                                                         "Number of files"}));
        for (int row = 1; row <= 10; ++row) {
            const auto c = static_cast<std::size_t>(10 - row);
            EXPECT_EQ(grid.cell(0, row), ageClassLabels()[c]);
            EXPECT_EQ(grid.cell(2, row),
                      std::to_string(static_cast<int>(ageCounts(stats, kind)[c])));
        }
    }
    TextGrid grid;
    fillGridDates("Modified Date", grid, stats.modifyAgeBytes, stats.modifyAgeCount);
    EXPECT_EQ(grid.cell(1, 1), "31,484,280"); // class 9: 3 * (10 MB + 9000)
}

TEST_F(DateFill, ChartBarsRunNotRecordedFirstInTheTenPaletteColours) {
    ChartModel chart;
    setUpDateChart(chart, DateKind::Created);
    EXPECT_EQ(chart.series(0).title, "HorizBarSeries2");
    chart.zoom({1, 2, 1, 2});
    fillDateChart(chart, DateKind::Created, stats, false, palette);
    EXPECT_FALSE(chart.zoomed());
    EXPECT_EQ(chart.title.lines, std::vector<std::string>{"Created Date (Number of files)"});
    const ChartSeries& bars = chart.series(0);
    ASSERT_EQ(bars.count(), 10);
    const ColorRef colours[] = {clRed,  clMaroon,  clBlue, clYellow, clGreen,
                                clLime, clFuchsia, clTeal, clNavy,   clAqua};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(bars.points()[static_cast<std::size_t>(c)].label,
                  ageClassLabels()[static_cast<std::size_t>(c)]);
        EXPECT_EQ(bars.points()[static_cast<std::size_t>(c)].color, colours[c]) << c;
        EXPECT_EQ(bars.value(c), 20.0 + c);
    }

    stats.accessAgeBytes[4] = 1572864;
    fillDateChart(chart, DateKind::Accessed, stats, true, palette);
    EXPECT_EQ(chart.title.lines, std::vector<std::string>{"Access Date (file sizes in MB)"});
    EXPECT_DOUBLE_EQ(chart.series(0).value(4), 1.5);
    fillDateChart(chart, DateKind::Modified, stats, true, palette);
    EXPECT_EQ(chart.title.lines, std::vector<std::string>{"Modified Date (file sizes in MB)"});
}

TEST_F(DateFill, CombinedListingRepeatsTheSingleListingsFigures) {
    stats.createAgeCount[3] = 7.9; // counts are cut, not rounded
    TextGrid singles[3];
    for (const DateKind kind : kinds)
        fillGridDates(dateGridHeading(kind), singles[static_cast<int>(kind)], ageBytes(stats, kind),
                      ageCounts(stats, kind));
    TextGrid combined;
    fillCombinedGridDates(combined, singles[2], stats);
    ASSERT_EQ(combined.rowCount(), 11);
    ASSERT_EQ(combined.columnCount(), 7);
    EXPECT_EQ(combined.row(0), (std::vector<std::string>{
                                   "Combined dates", "Access Size", "Access # files", "Create Size",
                                   "Create # files", "Modify Size", "Modify # files"}));
    for (int row = 1; row <= 10; ++row) {
        EXPECT_EQ(combined.cell(0, row), singles[2].cell(0, row));
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(combined.cell(1 + 2 * k, row), singles[k].cell(1, row)) << row << k;
            if (k == 1 && row == 7)
                continue;
            EXPECT_EQ(combined.cell(2 + 2 * k, row), singles[k].cell(2, row)) << row << k;
        }
    }
    EXPECT_EQ(combined.cell(4, 7), "7");
    EXPECT_EQ(singles[1].cell(2, 7), "8");

    // An empty class shows 0 everywhere.
    DriveStatistics empty;
    fillCombinedGridDates(combined, singles[2], empty);
    for (int column = 1; column < 7; ++column)
        EXPECT_EQ(combined.cell(column, 5), "0");
}

TEST_F(DateFill, CombinedChartHasOneColouredSeriesPerKindInItsOwnMode) {
    ChartModel chart;
    setUpCombinedChart(chart);
    ASSERT_EQ(chart.seriesCount(), 3);
    const std::vector<std::string> legend = [&] {
        std::vector<std::string> titles;
        for (const LegendEntry& entry : chart.legendEntries())
            titles.push_back(entry.text);
        return titles;
    }();
    EXPECT_EQ(legend, (std::vector<std::string>{"Accessed", "Created", "Modified"}));
    struct Expected {
        DateKind kind;
        ColorRef color;
        int offset;
    };
    for (const Expected& expected :
         {Expected{DateKind::Modified, clYellow, -25}, Expected{DateKind::Created, clGreen, 0},
          Expected{DateKind::Accessed, clRed, 25}}) {
        fillCombinedSeries(chart, expected.kind, stats, false, palette);
        const ChartSeries& series = chart.series(combinedSeriesIndex(expected.kind));
        EXPECT_EQ(series.barOffsetPercent, expected.offset);
        EXPECT_EQ(series.barWidthPercent, 40);
        ASSERT_EQ(series.count(), 10);
        for (int c = 0; c < 10; ++c) {
            EXPECT_EQ(series.points()[static_cast<std::size_t>(c)].color, expected.color);
            EXPECT_EQ(series.value(c),
                      ageCounts(stats, expected.kind)[static_cast<std::size_t>(c)]);
        }
    }
    fillCombinedSeries(chart, DateKind::Modified, stats, true, palette);
    EXPECT_DOUBLE_EQ(chart.series(0).value(0), stats.modifyAgeBytes[0] / 1048576.0);
}

TEST_F(DateFill, TimeLinesCarryFortyEightLabelledSlots) {
    ChartModel chart;
    setUpTimeChart(chart);
    stats.modifyHours[29] = 4;
    stats.createHours[47] = 2;
    doFileTimes(chart, stats);
    ASSERT_EQ(chart.seriesCount(), 3);
    for (int index = 0; index < 3; ++index)
        ASSERT_EQ(chart.series(index).count(), 48);
    EXPECT_EQ(chart.series(0).value(29), 4);
    EXPECT_EQ(chart.series(1).value(47), 2);
    // The fixed bottom axis keeps all 48 points on one page.
    EXPECT_EQ(chart.pointsShown(), 48);

    // No access stamp counted: the access line is switched off, the others stay.
    EXPECT_FALSE(chart.series(2).visible);
    EXPECT_TRUE(chart.series(0).visible);
    EXPECT_EQ(chart.legendEntries().size(), 2U);
    stats.accessHours[0] = 1;
    doFileTimes(chart, stats);
    EXPECT_TRUE(chart.series(2).visible);
}

TEST_F(DateFill, TimeLabelsFollowTheUsersClock) {
    ChartModel chart;
    setUpTimeChart(chart);
    platform::Locale twelve;
    twelve.shortTimeFormat = "h:mm AP";
    platform::setCurrentLocale(twelve);
    doFileTimes(chart, stats);
    EXPECT_EQ(chart.series(0).points()[29].label, "2:30 PM");
    EXPECT_EQ(chart.series(0).points()[0].label, "12:00 AM");
    platform::Locale twentyFour;
    twentyFour.shortTimeFormat = "HH:mm";
    platform::setCurrentLocale(twentyFour);
    doFileTimes(chart, stats);
    EXPECT_EQ(chart.series(1).points()[29].label, "14:30");
    EXPECT_EQ(chart.series(2).points()[47].label, "23:30");
    // The C and POSIX locales write hours and minutes too, not seconds.
    for (const QLocale& c :
         {QLocale::c(), QLocale(QStringLiteral("POSIX")), QLocale(QStringLiteral("C.UTF-8"))}) {
        platform::setCurrentLocale(platform::localeFrom(c));
        doFileTimes(chart, stats);
        EXPECT_EQ(chart.series(0).points()[0].label, "00:00") << c.name().toStdString();
        EXPECT_EQ(chart.series(0).points()[29].label, "14:30") << c.name().toStdString();
    }
}

TEST_F(DateFill, SixtyBytesInMegabytesShowOnTheAxisAndInTheLegend) {
    DriveStatistics sixtyBytes;
    sixtyBytes.accessAgeBytes[1] = 60;
    sixtyBytes.accessAgeCount[1] = 1;
    platform::setCurrentLocale(platform::Locale{".", ",", "HH:mm"});
    ChartModel chart;
    setUpDateChart(chart, DateKind::Accessed);
    fillDateChart(chart, DateKind::Accessed, sixtyBytes, true, palette);

    const auto legend = chart.legendEntries();
    ASSERT_EQ(legend.size(), 10U);
    EXPECT_EQ(legend[8].text, "0,000057 <= 7 days");
    EXPECT_EQ(legend[9].text, "0 Not recorded");

    const AxisRange range = chart.axisRange(ChartModel::AxisId::Bottom);
    std::vector<std::string> labels;
    for (int k = 0; range.minimum + k * range.step <= range.maximum + range.step / 2; ++k)
        labels.push_back(
            chart.valueLabel(ChartModel::AxisId::Bottom, range.minimum + k * range.step));
    EXPECT_EQ(labels, (std::vector<std::string>{"0", "0,00001", "0,00002", "0,00003", "0,00004",
                                                "0,00005", "0,00006", "0,00007"}));
}
