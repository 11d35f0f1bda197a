#include "app/disk_size_bars.h"

#include "fake_drives.h"

#include <gtest/gtest.h>

using tally_test::FakeDrive;
using tally_test::FakeDrives;

namespace {

// Gigabytes are bytes times 9.313226e-10, a little less exact than 2^-30.
constexpr double gbTolerance = 1e-4;

struct Bars {
    ChartSeries used{ChartSeries::Kind::Bar};
    ChartSeries free{ChartSeries::Kind::Bar};
};

Bars fill(const std::vector<std::string>& entries) {
    Bars bars;
    bars.used.add(1, "stale");
    bars.free.add(2, "stale");
    fillDiskSizeBars(bars.used, bars.free, entries);
    return bars;
}

} // namespace

TEST(DiskSizeBars, OneDriveGetsOnePairAndNoTotal) {
    FakeDrives drives({{'c', 100, 40}});
    const Bars bars = fill({"c: [system]"});
    ASSERT_EQ(bars.free.count(), 1);
    ASSERT_EQ(bars.used.count(), 1);
    EXPECT_EQ(bars.free.points()[0].label, "c");
    EXPECT_NEAR(bars.free.value(0), 40, gbTolerance);
    EXPECT_NEAR(bars.used.value(0), 60, gbTolerance);
    EXPECT_EQ(bars.free.points()[0].color, clFuchsia);
    EXPECT_EQ(bars.used.points()[0].color, clBlue);
}

TEST(DiskSizeBars, SeveralDrivesInListOrderWithATotal) {
    FakeDrives drives({{'c', 100, 40}, {'d', 500, 125.5}, {'f', 2000, 1000}});
    const Bars bars = fill({"f: [archive]", "c: [system]", "d: (Fixed disk)"});
    ASSERT_EQ(bars.free.count(), 4);
    ASSERT_EQ(bars.used.count(), 4);
    const std::vector<std::string> labels{"f", "c", "d", "Total"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bars.free.points()[i].label, labels[i]);
        EXPECT_EQ(bars.used.points()[i].label, labels[i]);
    }
    EXPECT_NEAR(bars.used.value(0), 1000, gbTolerance);
    EXPECT_NEAR(bars.free.value(2), 125.5, gbTolerance);
    EXPECT_NEAR(bars.free.value(3), 1165.5, gbTolerance);
    EXPECT_NEAR(bars.used.value(3), 2600 - 1165.5, gbTolerance);
    EXPECT_EQ(bars.free.points()[3].color, clFuchsia);
    EXPECT_EQ(bars.used.points()[3].color, clBlue);
}

TEST(DiskSizeBars, DrivesThatAreNotReadyAreLeftOut) {
    FakeDrives drives({{'c', 100, 40}, {'d', 0, 0, false}});
    const Bars bars = fill({"c: [system]", "d: (Removable disk)", "e: [gone]"});
    ASSERT_EQ(bars.free.count(), 1) << "two of three drives missing: no Total either";
    EXPECT_EQ(bars.free.points()[0].label, "c");

    const Bars none = fill({"d: (Removable disk)"});
    EXPECT_EQ(none.free.count(), 0);
    EXPECT_EQ(none.used.count(), 0);
}

TEST(DiskSizeBars, TotalAlsoBesideAFullDrive) {
    // A labelled CD-ROM has no free space: the other drive's free space equals the sum, and
    // the total pair must still be there.
    FakeDrives drives({{'d', 0.6, 0}, {'e', 50, 20}});
    const Bars bars = fill({"d: [photos98]", "e: [data]"});
    ASSERT_EQ(bars.free.count(), 3);
    EXPECT_EQ(bars.free.points()[2].label, "Total");
    EXPECT_NEAR(bars.used.value(2), 30.6, gbTolerance);
}
