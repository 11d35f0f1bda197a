#include "bounded_child.h"
#include "file_size_limit.h"
#include "file_text.h"
#include "platform/config_folder.h"
#include "platform/profile_file.h"
#include "platform/profile_section.h"
#include "shown_messages.h"
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

// Key k of section A as a look-up and a section read find it, whether a save of k=2 went
// through, and the messages shown; nothing when that waited forever or ran out of memory.
std::optional<std::string> readAndSave(const std::string& path) {
    return tally_test::textFromBoundedChild([&] {
        return tally_test::textAndMessages([&] {
            std::string text = "read " + getPrivateProfileString("A", "k", "none", path) + "\n";
            text += "section " + ProfileSection::read("A", path).value("k").value_or("none");
            return text +
                   (writePrivateProfileString("A", "k", "2", path) ? "\nsaved\n" : "\nrefused\n");
        });
    });
}

bool isFifo(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISFIFO(status.st_mode);
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
                getPrivateProfileString("A", "k", "", path) != "1")
                ::_exit(2);
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

// A FIFO would hold open() until someone writes to it, /dev/zero never ends, a folder is no
// file: each is ignored with a message, none is waited on, and none is replaced by a save.
TEST(ProfileFile, FilesThatAreNotRegularAreIgnoredWithAMessage) {
    tally_test::TempFolder temp;
    const auto fifo = temp.path() + "/fifo.ini";
    const auto zero = temp.path() + "/zero.ini";
    const auto folder = temp.path() + "/folder.ini";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    std::filesystem::create_symlink("/dev/zero", zero);
    std::filesystem::create_directory(folder);
    for (const auto& path : {fifo, zero, folder}) {
        EXPECT_EQ(readAndSave(path), "read none\nsection none\nrefused\n" + path +
                                         " is not a regular file, so it is ignored.\n");
    }
    EXPECT_TRUE(isFifo(fifo));
    EXPECT_TRUE(std::filesystem::is_symlink(zero));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

// 1 MB holds tens of thousands of file types; a larger file is not the program's, and a save
// that cannot read it first would lose what it holds.
TEST(ProfileFile, AFileLargerThanOneMegabyteIsIgnoredAndKept) {
    tally_test::TempFolder temp;
    const auto path = temp.path() + "/big.ini";
    const std::string text = "[A]\nk=1\n" + std::string(2 << 20, ';') + "\n";
    writeFile(path, text);
    EXPECT_EQ(readAndSave(path), "read none\nsection none\nrefused\n" + path +
                                     " is larger than 1 MB, so it is ignored.\n");
    EXPECT_EQ(tally_test::fileText(path), text);

    const auto grown = temp.path() + "/grown.ini";
    std::vector<IniEntry> keys;
    for (int k = 0; k < 1100; ++k)
        keys.push_back({"k" + std::to_string(k), std::string(1000, 'v')});
    EXPECT_FALSE(writePrivateProfileStrings("A", keys, grown))
        << "a save wrote a file that no look-up would read";
    EXPECT_FALSE(std::filesystem::exists(grown));
}

// Editors on other systems write a byte order mark first, or end lines with CR alone.
TEST(ProfileFile, AByteOrderMarkAndCarriageReturnLineEndsAreAcceptedAndKept) {
    tally_test::TempFolder temp;
    const auto mac = temp.path() + "/mac.ini";
    writeFile(mac, "\xEF\xBB\xBF[A]\rk=1\r[B]\rk=3\r");
    EXPECT_EQ(readAndSave(mac), "read 1\nsection 1\nsaved\n");
    EXPECT_EQ(tally_test::fileText(mac), "\xEF\xBB\xBF[A]\rk=2\r[B]\rk=3\r");

    const auto dos = temp.path() + "/dos.ini";
    writeFile(dos, "\xEF\xBB\xBF[A]\r\nk=1\r\n");
    EXPECT_EQ(readAndSave(dos), "read 1\nsection 1\nsaved\n");
    EXPECT_EQ(tally_test::fileText(dos), "\xEF\xBB\xBF[A]\r\nk=2\r\n");
}

// Root may write any file, but a file without write bits is read-only for every user.
TEST(ProfileFile, AFileWithoutWriteBitsIsNeverReplaced) {
    const auto temp = tally_test::TempFolder::reachableByAll();
    const auto path = temp.path() + "/readonly.ini";
    writeFile(path, "[A]\nk=1\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    EXPECT_FALSE(writePrivateProfileString("A", "k", "2", path)) << "as uid " << ::geteuid();
    const auto withoutRoot = tally_test::textFromBoundedChild([&] {
        if (!tally_test::giveUpRoot())
            return std::string("cannot give up root");
        return std::string(writePrivateProfileString("A", "k", "2", path) ? "saved" : "refused");
    });
    EXPECT_EQ(tally_test::fileText(path), "[A]\nk=1\n");
    if (withoutRoot == "cannot give up root")
        GTEST_SKIP() << "cannot give up root to try the file without it";
    EXPECT_EQ(withoutRoot, "refused");
}

// A settings file kept in a dotfiles repository is a link into it: the save goes to the
// link's target (replaced as a whole there), and the link stays.
TEST(ProfileFile, ASaveGoesThroughASymbolicLinkToItsTarget) {
    tally_test::TempFolder temp;
    tally_test::XdgConfigHome xdg(temp.path() + "/config");
    const auto dotfiles = temp.path() + "/dotfiles";
    std::filesystem::create_directories(dotfiles);
    std::filesystem::create_directories(configFolder());
    writeFile(dotfiles + "/tally98.ini", "; mine\n[A]\nk=1\n");
    ASSERT_EQ(::chmod((dotfiles + "/tally98.ini").c_str(), 0600), 0);
    std::filesystem::create_symlink("../../dotfiles/link.ini", configFilePath("tally98.ini"));
    std::filesystem::create_symlink("tally98.ini", dotfiles + "/link.ini");
    std::filesystem::create_symlink("../../dotfiles/new.ini", configFilePath("new.ini"));

    ASSERT_TRUE(writePrivateProfileString("A", "k", "2", "tally98.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(configFilePath("tally98.ini")));
    EXPECT_TRUE(std::filesystem::is_symlink(dotfiles + "/link.ini"));
    EXPECT_EQ(tally_test::fileText(dotfiles + "/tally98.ini"), "; mine\n[A]\nk=2\n");
    EXPECT_EQ(std::filesystem::status(dotfiles + "/tally98.ini").permissions(),
              std::filesystem::perms(0600));

    // A link whose target is not there yet: the first save makes the target.
    ASSERT_TRUE(writePrivateProfileString("A", "k", "3", "new.ini"));
    EXPECT_TRUE(std::filesystem::is_symlink(configFilePath("new.ini")));
    EXPECT_EQ(tally_test::fileText(dotfiles + "/new.ini"), "[A]\nk=3\n");

    const std::filesystem::directory_iterator config(configFolder()), kept(dotfiles);
    EXPECT_EQ(std::distance(begin(config), end(config)), 2) << "a temporary file was left";
    EXPECT_EQ(std::distance(begin(kept), end(kept)), 3) << "a temporary file was left";
}
