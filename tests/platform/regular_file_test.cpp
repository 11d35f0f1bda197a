#include "platform/regular_file.h"

#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace platform;

namespace {

std::string writeFile(const tally_test::TempFolder& temp, std::size_t size) {
    const auto path = temp.path() + "/" + std::to_string(size);
    std::ofstream(path, std::ios::binary) << std::string(size, 'x');
    return path;
}

} // namespace

TEST(RegularFile, TheLimitItselfIsReadAndOneByteMoreIsRefused) {
    tally_test::TempFolder temp;
    const auto atLimit = readRegularFile(writeFile(temp, settingsFileLimit));
    EXPECT_EQ(atLimit.status, FileContents::Status::Read);
    EXPECT_EQ(atLimit.text.size(), settingsFileLimit);
    const auto over = readRegularFile(writeFile(temp, settingsFileLimit + 1));
    EXPECT_EQ(over.status, FileContents::Status::Refused);
    EXPECT_EQ(over.problem, "is larger than 1 MB");
    EXPECT_TRUE(over.text.empty());

    const auto empty = readRegularFile(writeFile(temp, 0));
    EXPECT_EQ(empty.status, FileContents::Status::Read);
    EXPECT_TRUE(empty.text.empty());
    const auto missing = readRegularFile(temp.path() + "/none");
    EXPECT_EQ(missing.status, FileContents::Status::Missing);
    EXPECT_TRUE(missing.problem.empty());
    const auto underAFile = readRegularFile(writeFile(temp, 1) + "/x");
    EXPECT_EQ(underAFile.status, FileContents::Status::Refused);
    EXPECT_EQ(underAFile.problem, "cannot be read: Not a directory");
}

// A /proc file says it is empty; it is read to its end all the same, and its limit holds.
TEST(RegularFile, AKernelFileThatSaysItIsEmptyIsReadToItsEnd) {
    const auto mounts = readRegularFile("/proc/self/mountinfo");
    EXPECT_EQ(mounts.status, FileContents::Status::Read);
    EXPECT_NE(mounts.text.find(" / "), std::string::npos) << mounts.text;
    EXPECT_EQ(readRegularFile("/proc/self/mountinfo", 16).status, FileContents::Status::Refused);
}
