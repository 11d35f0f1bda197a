// The date pages as the statistics window holds them: the view buttons, the shared redraw of the
// four age charts, the Time page's depth bar, and a walk over a folder whose files carry chosen
// time stamps, after which the pages show what the stamps say.
#include "collect/drive_scan.h"
#include "dates/combined_page.h"
#include "dates/date_page.h"
#include "dates/date_pages.h"
#include "dates/time_page.h"
#include "platform/drives.h"
#include "platform/locale_settings.h"
#include "platform/temp_folder.h"
#include "space/bar_palette.h"
#include "ui/chart.h"
#include "ui/named_child.h"
#include "ui/string_grid.h"

#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>

#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

DriveStatistics countedRun() {
    DriveStatistics stats;
    for (std::size_t c = 0; c < 10; ++c) {
        stats.accessAgeCount[c] = 1.0 + c;
        stats.accessAgeBytes[c] = 1048576.0 * (c + 2);
        stats.createAgeCount[c] = 2.0 + c;
        stats.createAgeBytes[c] = 1048576.0 * (c + 3);
        stats.modifyAgeCount[c] = 3.0 + c;
        stats.modifyAgeBytes[c] = 1048576.0 * (c + 4);
    }
    return stats;
}

// The age pages' charts by object name, in DateKind order.
const char* const chartNames[] = {"chartAccess", "chartCreate", "chartModify"};

class DatePagesTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrentLocale(platform::Locale{}); }

    const ChartSeries& bars(DateKind kind) {
        return tally_test::namedChild<Chart>(*pages.page(kind), chartNames[static_cast<int>(kind)])
            ->model()
            .series(0);
    }
    const ChartSeries& combinedBars(int index) {
        return tally_test::namedChild<Chart>(*pages.combined(), "chartCombine")
            ->model()
            .series(index);
    }

    DriveStatistics stats = countedRun();
    BarPalette palette;
    QWidget owner;
    DatePages pages{stats, palette, &owner};
};

} // namespace

TEST_F(DatePagesTest, CombinedModeIsIndependentOfTheAccessPage) {
    tally_test::namedChild<QRadioButton>(*pages.combined(), "rbCombine2")->click();
    // Access page by size, combined page by number of files.
    EXPECT_DOUBLE_EQ(bars(DateKind::Accessed).value(3), 5.0);
    EXPECT_EQ(
        tally_test::namedChild<Chart>(*pages.combined(), "chartCombine")->model().series(2).title,
        "Accessed");
    EXPECT_DOUBLE_EQ(combinedBars(2).value(3), stats.accessAgeCount[3]);
    EXPECT_DOUBLE_EQ(combinedBars(0).value(3), stats.modifyAgeCount[3]);

    tally_test::namedChild<QRadioButton>(*pages.combined(), "rgCombine0")->click();
    EXPECT_FALSE(tally_test::namedChild<StringGrid>(*pages.combined(), "gridCombine")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<Chart>(*pages.combined(), "chartCombine")->isHidden());
}

TEST_F(DatePagesTest, ListingRedrawsNothingAndAChartModeRedrawsAllFour) {
    pages.doFileAges();
    stats.modifyAgeBytes[1] = 1572864;
    tally_test::namedChild<QRadioButton>(*pages.page(DateKind::Modified), "rgModify0")->click();
    EXPECT_FALSE(tally_test::namedChild<StringGrid>(*pages.page(DateKind::Modified), "gridModify")
                     ->isHidden());
    EXPECT_TRUE(
        tally_test::namedChild<Chart>(*pages.page(DateKind::Modified), "chartModify")->isHidden());
    EXPECT_DOUBLE_EQ(bars(DateKind::Modified).value(1), 5.0);
    EXPECT_DOUBLE_EQ(combinedBars(0).value(1), 5.0);

    tally_test::namedChild<Chart>(*pages.combined(), "chartCombine")->model().zoom({0, 1, 0, 1});
    tally_test::namedChild<QRadioButton>(*pages.page(DateKind::Created), "rgCreate2")->click();
    EXPECT_EQ(tally_test::namedChild<Chart>(*pages.page(DateKind::Created), "chartCreate")
                  ->model()
                  .title.lines,
              std::vector<std::string>{"Created Date (Number of files)"});
    EXPECT_DOUBLE_EQ(bars(DateKind::Created).value(1), 3.0);
    // The Modified page shows its listing: its chart, refilled too, carries counts.
    EXPECT_DOUBLE_EQ(bars(DateKind::Modified).value(1), stats.modifyAgeCount[1]);
    EXPECT_DOUBLE_EQ(bars(DateKind::Accessed).value(1), 3.0);
    EXPECT_DOUBLE_EQ(combinedBars(0).value(1), 1.5);
    EXPECT_FALSE(
        tally_test::namedChild<Chart>(*pages.combined(), "chartCombine")->model().zoomed());
    EXPECT_EQ(tally_test::namedChild<Chart>(*pages.combined(), "chartCombine")->model().title.lines,
              std::vector<std::string>{"Combination Access/Created/Modified Chart"});
}

TEST(TimePageTest, DepthBarSetsTheChartDepthOnceMoved) {
    DriveStatistics stats;
    TimePage page(stats);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart4")->model().view3D.depthPercent, 20);
    tally_test::namedChild<QScrollBar>(page, "sbTime")->setValue(50);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart4")->model().view3D.depthPercent, 50);
    tally_test::namedChild<QScrollBar>(page, "sbTime")->setValue(0);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart4")->model().view3D.depthPercent, 1);
}

namespace {

class DateHost final : public ScanHost {
public:
    DateHost(DriveStatistics& stats, BarPalette& palette)
        : pages(stats, palette, &owner), time(stats) {}

    const std::string& currentDrive() const override { return m_drive; }
    bool abortRequested() const override { return false; }
    bool isThisSelected(std::string_view) const override { return true; }
    bool overhangEnabled() const override { return false; }
    int chosenDriveCount() const override { return 1; }
    void setStatusText(const std::string&) override {}
    void fillGridDates(DateKind kind) override {
        order.push_back("grid");
        pages.page(kind)->fillGridDates();
    }
    void fillCombinedGridDates() override {
        order.push_back("combined");
        pages.combined()->fillCombinedGridDates();
    }
    void doFileTimes() override {
        order.push_back("times");
        time.doFileTimes();
    }
    void doFileAges() override {
        order.push_back("ages");
        pages.doFileAges();
    }

    QWidget owner;
    DatePages pages;
    TimePage time;
    std::vector<std::string> order;

private:
    std::string m_drive = "d: [dates]";
};

// Local time today (or days back) at hour:minute.
std::time_t localStamp(int daysBack, int hour, int minute) {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    local.tm_mday -= daysBack;
    local.tm_hour = hour;
    local.tm_min = minute;
    local.tm_sec = 0;
    local.tm_isdst = -1;
    return std::mktime(&local);
}

void writeStamped(const fs::path& path, std::size_t size, std::time_t stamp) {
    std::ofstream(path) << std::string(size, 'x');
    const timespec times[2] = {{stamp, 0}, {stamp, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

} // namespace

TEST(DatePagesWalk, PagesShowTheStampsOfTheWalkedFiles) {
    platform::setCurrentLocale(platform::Locale{});
    tally_test::TempFolder config;
    tally_test::TempFolder tree;
    const fs::path root = tree.path();
    writeStamped(root / "afternoon.txt", 100, localStamp(0, 14, 45));
    writeStamped(root / "before_half.txt", 200, localStamp(0, 14, 29));
    writeStamped(root / "night.txt", 300, localStamp(0, 0, 10));
    writeStamped(root / "late.txt", 400, localStamp(10, 23, 59));
    writeStamped(root / "old.txt", 1572864, localStamp(2000, 12, 0));
    fs::create_directories(config.path() + "/tally99");
    std::ofstream(config.path() + "/tally99/drives.ini")
        << "[Drives]\nauto=0\nd=" << root.string() << "\n";
    tally_test::XdgConfigHome home(config.path());
    platform::reloadDriveTable();

    DriveStatistics stats;
    BarPalette palette;
    DateHost host(stats, palette);
    DriveScan(stats, host).scan();
    ::chdir("/");
    platform::reloadDriveTable();
    ASSERT_EQ(stats.filesSelected, 5);
    EXPECT_EQ(host.order,
              (std::vector<std::string>{"grid", "grid", "grid", "combined", "times", "ages"}));

    // Modified ages: three today, one ten days back, one over four years old.
    const TextGrid& modify =
        tally_test::namedChild<StringGrid>(*host.pages.page(DateKind::Modified), "gridModify")
            ->model();
    EXPECT_EQ(modify.cell(0, 1), "Over 4 years");
    EXPECT_EQ(modify.cell(2, 1), "1");
    EXPECT_EQ(modify.cell(1, 1), "1,572,864");
    EXPECT_EQ(modify.cell(2, 8), "1"); // "8 - 30 days"
    EXPECT_EQ(modify.cell(2, 9), "3"); // "<= 7 days"
    const ChartSeries& modifyBars =
        tally_test::namedChild<Chart>(*host.pages.page(DateKind::Modified), "chartModify")
            ->model()
            .series(0);
    EXPECT_DOUBLE_EQ(modifyBars.value(9), 1.5);
    const TextGrid& combined =
        tally_test::namedChild<StringGrid>(*host.pages.combined(), "gridCombine")->model();
    for (int row = 1; row <= 10; ++row)
        EXPECT_EQ(combined.cell(6, row), modify.cell(2, row)) << row;

    // Times of day of the last writes.
    const ChartModel& times = tally_test::namedChild<Chart>(host.time, "Chart4")->model();
    EXPECT_EQ(times.series(0).value(29), 1); // 14:45
    EXPECT_EQ(times.series(0).value(28), 1); // 14:29
    EXPECT_EQ(times.series(0).value(47), 1); // 23:59
    EXPECT_EQ(times.series(0).value(0), 1);  // 00:10 is a real stamp and counts
    EXPECT_EQ(times.series(0).value(24), 1); // noon
    EXPECT_EQ(times.series(0).total(), 5);
    // The walk read the access stamps as set, so their line is shown.
    EXPECT_TRUE(times.series(2).visible);
}
