#include "collect/drive_statistics.h"
#include "platform/drives.h"
#include "platform/temp_folder.h"
#include "space/attribute_stats.h"
#include "space/overhang.h"
#include "space/size_classes.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

TEST(SizeClasses, BoundsAreInclusiveAndLargeFilesLandInTheLastClass) {
    EXPECT_EQ(sizeClassOf(0), 1);
    EXPECT_EQ(sizeClassOf(16384), 1);
    EXPECT_EQ(sizeClassOf(16385), 2);
    EXPECT_EQ(sizeClassOf(1048576), 7);
    EXPECT_EQ(sizeClassOf(16777216), 11);
    EXPECT_EQ(sizeClassOf(16777217), 12);
    EXPECT_EQ(sizeClassOf(5LL << 30), 12);

    DriveStatistics stats;
    updateSizeClass(stats, 0);
    updateSizeClass(stats, 5LL << 30);
    EXPECT_EQ(stats.sizeClassCount[1], 1);
    EXPECT_EQ(stats.sizeClassBytes[1], 0);
    EXPECT_EQ(stats.sizeClassBytes[12], 5368709120.0);
    EXPECT_EQ(sizeClassLabels().front(), "0 - 16K");
    EXPECT_EQ(sizeClassLabels().back(), "Over 16MB");
}

TEST(Overhang, EachClusterSizeAddsWhatTheLastClusterLeavesEmpty) {
    DriveStatistics stats;
    for (std::int64_t size : {0, 4096, 8192})
        updateOverhang(stats, size);
    EXPECT_EQ(stats.overhang4K, 0);
    updateOverhang(stats, 1);
    EXPECT_EQ(stats.overhang4K, 4095);
    EXPECT_EQ(stats.overhang64K, 65535 + 57344 + 61440);
    DriveStatistics other;
    updateOverhang(other, 4097);
    EXPECT_EQ(other.overhang4K, 4095);
    EXPECT_EQ(other.overhang8K, 4095);
    DriveStatistics big;
    updateOverhang(big, (5LL << 30) + 1);
    EXPECT_EQ(big.overhang64K, 65535);
}

TEST(Overhang, CapacityTableTestsAtLeastForTheLargestAndMoreThanForTheRest) {
    EXPECT_EQ(clusterSizeForCapacity(34359738368.0), 32768);
    EXPECT_EQ(clusterSizeForCapacity(17179869184.0), 8192);
    EXPECT_EQ(clusterSizeForCapacity(20e9), 16384);
    EXPECT_EQ(clusterSizeForCapacity(2147483648.0), 0);
    EXPECT_EQ(clusterSizeForCapacity(2147483649.0), 4096);
}

TEST(Overhang, TheFileSystemsOwnClusterSizeWinsOverTheTable) {
    tally_test::TempFolder folder;
    tally_test::XdgConfigHome home(folder.path());
    std::filesystem::create_directories(folder.path() + "/tally99");
    std::ofstream(folder.path() + "/tally99/drives.ini")
        << "[Drives]\nauto=0\nd=" << folder.path() << "\ne=" << folder.path()
        << "\nf=" << folder.path()
        << "/missing\n[Space]\nd=21474836480,1000,2048\ne=21474836480,1000\n";
    platform::reloadDriveTable();
    DriveStatistics stats;
    computeClusterSize(stats, "d: (Fixed disk)");
    EXPECT_EQ(stats.clusterSize, 2048);
    computeClusterSize(stats, "e: (Fixed disk)");
    EXPECT_EQ(stats.clusterSize, 16384);
    computeClusterSize(stats, "f: (Fixed disk)");
    EXPECT_EQ(stats.clusterSize, 0);
    platform::reloadDriveTable();
}

TEST(Attributes, AFileCountsUnderEveryAttributeItCarries) {
    DriveStatistics stats;
    collectFileAttr(stats, 0x20, 10);
    collectFileAttr(stats, 0x06, 100);
    collectFileAttr(stats, 0x00, 1000);
    collectFileAttr(stats, 0x21, 5LL << 30);
    collectFileAttr(stats, 0x10 | 0x400, 7); // directory and link bits count nowhere
    EXPECT_EQ(stats.archiveCount, 2);
    EXPECT_EQ(stats.hiddenCount, 1);
    EXPECT_EQ(stats.systemCount, 1);
    EXPECT_EQ(stats.readOnlyCount, 1);
    EXPECT_EQ(stats.readOnlyBytes, 5368709120.0);
    EXPECT_EQ(stats.archiveBytes, 10 + 5368709120.0);
}
