#include "file_size_limit.h"
#include "file_text.h"
#include "platform/config_folder.h"
#include "platform/profile_file.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

} // namespace

TEST(ConfigFolder, FollowsXdgConfigHomeAndResolvesBareNames) {
    tally_test::TempFolder temp;
    tally_test::XdgConfigHome xdg(temp.path() + "/");
    EXPECT_EQ(configFolder(), temp.path() + "/tally99");
    EXPECT_EQ(configFilePath("tally98.ini"), temp.path() + "/tally99/tally98.ini");
    EXPECT_EQ(configFilePath("/else/where.ini"), "/else/where.ini");
}

TEST(ProfileFile, LookupsIgnoreCaseAndKeepOtherLines) {
    tally_test::TempFolder temp;
    const auto path = temp.path() + "/t.ini";
    writeFile(path,
              "; comment\n[Include]\nNumber = 2\nFile1=*.doc\tWord\n\n[Other]\nx=\"quoted\"\n");
    EXPECT_EQ(getPrivateProfileString("include", "NUMBER", "0", path), "2");
    EXPECT_EQ(getPrivateProfileString("INCLUDE", "file1", "", path), "*.doc\tWord");
    EXPECT_EQ(getPrivateProfileString("other", "x", "", path), "quoted");
    EXPECT_EQ(getPrivateProfileString("Other", "missing", "dflt", path), "dflt");
    EXPECT_EQ(getPrivateProfileString("Nowhere", "x", "dflt", path), "dflt");

    ASSERT_TRUE(writePrivateProfileString("INCLUDE", "number", "3", path));
    ASSERT_TRUE(writePrivateProfileString("Include", "File2", "*.txt", path));
    ASSERT_TRUE(writePrivateProfileString("Exclude", "Number", "0", path));
    EXPECT_EQ(tally_test::fileText(path),
              "; comment\n[Include]\nnumber=3\nFile1=*.doc\tWord\nFile2=*.txt\n\n"
              "[Other]\nx=\"quoted\"\n[Exclude]\nNumber=0\n");
}

TEST(ProfileFile, SeveralKeysInOneWriteEndAsTheyWouldOneByOne) {
    tally_test::TempFolder temp;
    const std::string before = "; c\n[Include]\nnumber=1\nFile1=*.old\nExtra=1\n\n[Other]\nx=1\n";
    const std::vector<IniEntry> keys{
        {"Number", "3"}, {"File1", "*.a"}, {"File2", "*.b"}, {"file2", "*.B"}, {"File3", "*.c"}};
    const auto together = temp.path() + "/together.ini";
    const auto oneByOne = temp.path() + "/one.ini";
    writeFile(together, before);
    writeFile(oneByOne, before);
    ASSERT_TRUE(writePrivateProfileStrings("INCLUDE", keys, together));
    for (const auto& key : keys)
        ASSERT_TRUE(writePrivateProfileString("INCLUDE", key.name, key.value, oneByOne));
    EXPECT_EQ(
        tally_test::fileText(together),
        "; c\n[Include]\nNumber=3\nFile1=*.a\nExtra=1\nfile2=*.B\nFile3=*.c\n\n[Other]\nx=1\n");
    EXPECT_EQ(tally_test::fileText(together), tally_test::fileText(oneByOne));

    ASSERT_TRUE(writePrivateProfileStrings("New", {{"a", "1"}, {"b", "2"}}, together));
    EXPECT_TRUE(tally_test::fileText(together).ends_with("x=1\n[New]\na=1\nb=2\n"));
}

// The disk has room for the old file but not for the new one.
TEST(ProfileFile, AWriteThatDoesNotFitLeavesTheFileAsItWas) {
    tally_test::TempFolder temp;
    const auto path = temp.path() + "/full.ini";
    const std::string before = "[A]\nk=1\n";
    writeFile(path, before);
    const int code = tally_test::exitCodeWithFileSizeLimit(before.size(), [&] {
        return writePrivateProfileStrings("A", {{"k", "2"}, {"longer", "value"}}, path) ? 1 : 0;
    });
    EXPECT_EQ(code, 0) << "the write reported success";
    EXPECT_EQ(tally_test::fileText(path), before);
    const std::filesystem::directory_iterator folder(temp.path());
    EXPECT_EQ(std::distance(begin(folder), end(folder)), 1) << "a temporary file was left";
}

TEST(ProfileFile, FirstWriteCreatesFolderAndFile) {
    tally_test::TempFolder temp;
    tally_test::XdgConfigHome xdg(temp.path());
    EXPECT_EQ(getPrivateProfileString("Include", "Number", "none", "tally98.ini"), "none");
    ASSERT_TRUE(writePrivateProfileString("Include", "Number", "0", "tally98.ini"));
    EXPECT_EQ(tally_test::fileText(temp.path() + "/tally99/tally98.ini"), "[Include]\nNumber=0\n");
}

TEST(ProfileFile, ValuesAreCutAt1023Characters) {
    tally_test::TempFolder temp;
    const auto path = temp.path() + "/long.ini";
    const std::string longValue(1500, 'v');
    ASSERT_TRUE(writePrivateProfileString("S", "k", longValue, path));
    EXPECT_EQ(getPrivateProfileString("S", "k", "", path), std::string(1023, 'v'));
    EXPECT_EQ(getPrivateProfileString("S", "none", longValue, path), std::string(1023, 'v'));
}

TEST(ProfileFile, WindowsLineEndsAreKept) {
    tally_test::TempFolder temp;
    const auto path = temp.path() + "/crlf.ini";
    writeFile(path, "[A]\r\nk=1\r\n");
    EXPECT_EQ(getPrivateProfileString("a", "K", "", path), "1");
    ASSERT_TRUE(writePrivateProfileString("A", "j", "2", path));
    EXPECT_EQ(tally_test::fileText(path), "[A]\r\nk=1\r\nj=2\r\n");
}

TEST(ProfileFile, UnwritableFolderFailsAndLeavesFileUnchanged) {
    const auto temp = tally_test::TempFolder::reachableByAll();
    const auto folder = temp.path() + "/locked";
    ASSERT_EQ(::mkdir(folder.c_str(), 0755), 0);
    const auto path = folder + "/t.ini";
    writeFile(path, "[A]\nk=1\n");
    // The file itself may be written by anyone; only the folder refuses the new file.
    ASSERT_EQ(::chmod(path.c_str(), 0666), 0);
    ASSERT_EQ(::chmod(folder.c_str(), 0555), 0);

    if (::geteuid() != 0) {
        EXPECT_FALSE(writePrivateProfileString("A", "k", "2", path));
    } else {
        // Root writes anywhere: the write runs in a child that has given up root.
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0 ||
                getPrivateProfileString("A", "k", "", path) != "1") {
                ::_exit(2);
            }
            ::_exit(writePrivateProfileString("A", "k", "2", path) ? 1 : 0);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2) {
            GTEST_SKIP()
                << "cannot drop privileges to uid 65534, or it cannot read the test folder";
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the write reported success";
    }
    EXPECT_EQ(tally_test::fileText(path), "[A]\nk=1\n");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
}
