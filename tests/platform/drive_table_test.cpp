#include "platform/drive_table.h"

#include <gtest/gtest.h>

using namespace platform;

namespace {

std::optional<DiskSpace> spaceFromIni(const std::string& value) {
    const auto table =
        DriveTable::build({}, IniDocument("[Drives]\nauto=0\nd=/srv\n[Space]\nd=" + value + "\n"));
    return table.drive('d')->space;
}

} // namespace

// [Space] takes "total,free[,cluster]": two or three whole numbers, blanks around them allowed;
// anything else leaves the figures to the file system.
TEST(DriveTable, SpaceTakesTwoOrThreeNumbersOnly) {
    const auto three = spaceFromIni(" 5368709120 , 1073741824 , 4096 ");
    ASSERT_TRUE(three.has_value());
    EXPECT_EQ(three->totalBytes, 5368709120ULL);
    EXPECT_EQ(three->freeBytes, 1073741824ULL);
    EXPECT_EQ(three->clusterBytes, 4096ULL);
    EXPECT_EQ(spaceFromIni("100,50")->clusterBytes, 0ULL);
    for (const char* malformed : {"1,2,3,", "1,2,3,4", "1,2,", "1,", "1", ",1,2", "1 2,3", "-1,2",
                                  "18446744073709551616,1", "1,2,3 x"})
        EXPECT_FALSE(spaceFromIni(malformed).has_value()) << malformed;
}
