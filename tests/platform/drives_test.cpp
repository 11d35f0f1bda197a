#include "bounded_child.h"
#include "platform/config_folder.h"
#include "platform/drive_table.h"
#include "platform/drives.h"
#include "shown_messages.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

using namespace platform;

namespace {

// drives.ini in a temporary configuration folder; the table is read again for every case.
class DrivesIni final {
public:
    explicit DrivesIni(const std::string& text) : m_xdg(m_temp.path()) {
        std::filesystem::create_directories(m_temp.path() + "/tally99");
        std::ofstream(m_temp.path() + "/tally99/drives.ini") << text;
        reloadDriveTable();
    }
    DrivesIni(const DrivesIni&) = delete;
    DrivesIni& operator=(const DrivesIni&) = delete;

private:
    tally_test::TempFolder m_temp;
    tally_test::XdgConfigHome m_xdg;
};

const std::string automaticDrivesUsed = ", so it is ignored; the automatic drives are used.\n";

// The folder of drive c and the messages shown after drives.ini has been read twice (the
// table reloaded), in a child that cannot wait forever or run out of memory. A drives.ini
// that is ignored leaves the automatic drives, where c is always /.
std::optional<std::string> driveCAfterTwoReads(bool withoutRoot = false) {
    return tally_test::textFromBoundedChild([withoutRoot] {
        if (withoutRoot && !tally_test::giveUpRoot())
            return std::string("cannot give up root");
        return tally_test::textAndMessages([] {
            reloadDriveTable();
            reloadDriveTable();
            return "c " + driveDirectory('c').value_or("none") + "\n";
        });
    });
}

std::string makeFolder(const tally_test::TempFolder& temp, const std::string& name) {
    const auto path = temp.path() + "/" + name;
    std::filesystem::create_directories(path);
    return path;
}

} // namespace

TEST(Drives, AutomaticTableHasRootAsC) {
    DrivesIni ini("");
    EXPECT_EQ(driveDirectory('c'), "/");
    EXPECT_EQ(driveDirectory('C'), "/");
    EXPECT_NE(logicalDrives() & (1U << 2), 0U);
    EXPECT_EQ(logicalDrives() & 3U, 0U) << "a and b are only mapped by hand";
    EXPECT_NE(driveType('c'), driveNoRootDir);
    const auto space = diskFreeSpace('c');
    ASSERT_TRUE(space.has_value());
    struct statvfs status {};
    ASSERT_EQ(::statvfs("/", &status), 0);
    EXPECT_EQ(space->totalBytes, std::uint64_t(status.f_blocks) * status.f_frsize);
    EXPECT_EQ(space->clusterBytes, status.f_frsize);
    EXPECT_GE(space->totalBytes, space->freeBytes);
}

TEST(Drives, AutoOffLeavesOnlyHandMappedLetters) {
    tally_test::TempFolder folders;
    const std::string backup = makeFolder(folders, "backup");
    const std::string media = makeFolder(folders, "media");
    DrivesIni ini("[Drives]\nAuto=0\nD=" + backup + "/\na=" + media +
                  "\nq=\n"
                  "[labels]\nd=Backup Disk\n[TYPES]\nd=REMOVABLE\na=cdrom\n"
                  "[Space]\nd=5368709120,1073741824,4096\na=100,50\n");
    EXPECT_EQ(logicalDrives(), (1U << 0) | (1U << 3));
    EXPECT_EQ(driveDirectory('d'), backup);
    EXPECT_EQ(driveDirectory('c'), std::nullopt);
    EXPECT_EQ(driveType('c'), driveNoRootDir);
    EXPECT_EQ(driveType('d'), driveRemovable);
    EXPECT_EQ(driveType('a'), driveCdrom);
    EXPECT_EQ(volumeLabel('d'), "Backup Disk");
    EXPECT_EQ(volumeLabel('a'), "");
    const auto space = diskFreeSpace('d');
    ASSERT_TRUE(space.has_value());
    EXPECT_EQ(space->totalBytes, 5368709120ULL);
    EXPECT_EQ(space->freeBytes, 1073741824ULL);
    EXPECT_EQ(space->clusterBytes, 4096ULL);
    EXPECT_EQ(diskFreeSpace('a')->clusterBytes, 0ULL);
    EXPECT_FALSE(diskFreeSpace('q').has_value());
}

TEST(Drives, EntriesReplaceAndRemoveAutomaticLetters) {
    tally_test::TempFolder folders;
    const std::string other = makeFolder(folders, "other");
    DrivesIni ini("[Drives]\nc=" + other + "\nz=\n[Types]\nc=ramdisk\n");
    EXPECT_EQ(driveDirectory('c'), other);
    EXPECT_EQ(driveType('c'), driveRamdisk);
    EXPECT_EQ(driveDirectory('z'), std::nullopt);
    EXPECT_EQ(networkConnection('c'), "");
}

TEST(Drives, MissingFolderIsNotReadyAndReloadSeesChanges) {
    tally_test::TempFolder folders;
    const std::string gone = makeFolder(folders, "gone");
    std::filesystem::remove(gone);
    DrivesIni ini("[Drives]\nauto=0\ne=" + gone + "\n[Types]\ne=nonsense\n[Space]\nc=1,2\n");
    EXPECT_EQ(driveDirectory('e'), gone);
    EXPECT_EQ(driveType('e'), driveFixed);
    EXPECT_FALSE(diskFreeSpace('e').has_value());
    EXPECT_FALSE(diskFreeSpace('c').has_value()) << "[Space] does not map a letter";
    std::filesystem::create_directories(gone);
    EXPECT_TRUE(diskFreeSpace('e').has_value());
}

TEST(Drives, LabelLinkNamesAreDecoded) {
    EXPECT_EQ(DriveTable::labelFromLinkName("My\\x20Disk"), "My Disk");
    EXPECT_EQ(DriveTable::labelFromLinkName("a\\x2fb\\x5c"), "a/b\\");
    EXPECT_EQ(DriveTable::labelFromLinkName("odd\\xZZ\\x2"), "odd\\xZZ\\x2");
    EXPECT_EQ(DriveTable::labelFromLinkName("plain"), "plain");
}

TEST(Drives, AFolderTakesTheFirstFreeLetterElseReplacesTheLastLetterNotInUse) {
    tally_test::TempFolder folders;
    const std::string mapped = makeFolder(folders, "mapped");
    const std::string one = makeFolder(folders, "one");
    const std::string two = makeFolder(folders, "two");
    {
        DrivesIni ini("[Drives]\nauto=0\nd=" + mapped + "\n");
        EXPECT_EQ(mapFolderAsDrive(one, 0), 'e');
        EXPECT_EQ(driveDirectory('e'), one);
        // A free letter in use elsewhere (a target of the run) is passed over.
        EXPECT_EQ(mapFolderAsDrive(two, 1U << ('f' - 'a') | 1U << ('e' - 'a')), 'g');
        EXPECT_EQ(driveDirectory('f'), std::nullopt);
    }
    std::string everyLetter = "[Drives]\nauto=0\n";
    for (char letter = 'a'; letter <= 'z'; ++letter)
        everyLetter += std::string(1, letter) + "=" + mapped + "\n";
    DrivesIni ini(everyLetter + "[Labels]\nz=Archive\n[Types]\nz=cdrom\n[Space]\nz=100,50\n");
    EXPECT_EQ(mapFolderAsDrive(one, 0), 'z');
    EXPECT_EQ(driveDirectory('z'), one);
    // Nothing of the drive it replaced stays with the folder.
    EXPECT_EQ(volumeLabel('z'), "");
    EXPECT_EQ(driveType('z'), driveFixed);
    ASSERT_TRUE(diskFreeSpace('z').has_value());
    EXPECT_NE(diskFreeSpace('z')->totalBytes, 100U);

    EXPECT_EQ(mapFolderAsDrive(two, 1U << ('z' - 'a') | 1U << ('y' - 'a')), 'x');
    EXPECT_EQ(driveDirectory('x'), two);
    EXPECT_EQ(driveDirectory('y'), mapped);
    EXPECT_EQ(mapFolderAsDrive(two, (1U << 26) - 1), std::nullopt);
    EXPECT_EQ(logicalDrives(), (1U << 26) - 1);
}

// Before, a FIFO held the program in open() before any window showed, and a link to /dev/zero
// ended it for want of memory.
TEST(Drives, ADrivesIniThatIsNotARegularFileIsIgnoredWithOneMessage) {
    tally_test::TempFolder temp;
    tally_test::XdgConfigHome xdg(temp.path());
    std::filesystem::create_directories(configFolder());
    const auto path = configFilePath("drives.ini");
    const auto expected = "c /\n" + path + " is not a regular file" + automaticDrivesUsed;

    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    EXPECT_EQ(driveCAfterTwoReads(), expected) << "a FIFO";
    std::filesystem::remove(path);
    std::filesystem::create_symlink("/dev/zero", path);
    EXPECT_EQ(driveCAfterTwoReads(), expected) << "a link to /dev/zero";
    std::filesystem::remove(path);
    std::filesystem::create_directory(path);
    EXPECT_EQ(driveCAfterTwoReads(), expected) << "a folder";
}

TEST(Drives, ADrivesIniThatIsTooLargeGarbageOrUnreadableIsIgnoredWithAMessage) {
    const auto temp = tally_test::TempFolder::reachableByAll();
    tally_test::XdgConfigHome xdg(temp.path());
    std::filesystem::create_directories(configFolder());
    const auto path = configFilePath("drives.ini");
    const auto write = [&path](const std::string& text) {
        std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    };
    EXPECT_EQ(driveCAfterTwoReads(), "c /\n") << "a missing drives.ini is no problem";
    for (const char* harmless : {"", "\n; nothing here yet\n# nor here\n\n"}) {
        write(harmless);
        EXPECT_EQ(driveCAfterTwoReads(), "c /\n") << harmless;
    }

    write("[Drives]\nauto=0\nc=" + temp.path() + "\n" + std::string(2 << 20, ';'));
    EXPECT_EQ(driveCAfterTwoReads(), "c /\n" + path + " is larger than 1 MB" + automaticDrivesUsed);

    write(std::string("\x7f"
                      "ELF\x02\x01\x01\0\0\0 drives = 1\n\xff\xfe[\0",
                      26));
    EXPECT_EQ(driveCAfterTwoReads(), "c /\n" + path +
                                         " has no [Drives], [Labels], [Types] or [Space] section" +
                                         automaticDrivesUsed);

    write("[Drives]\nauto=0\nc=" + temp.path() + "\n");
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    const auto unreadable = driveCAfterTwoReads(true);
    if (unreadable == "cannot give up root")
        GTEST_SKIP() << "cannot give up root to meet an unreadable drives.ini";
    EXPECT_EQ(unreadable,
              "c /\n" + path + " cannot be read: Permission denied" + automaticDrivesUsed);
}

TEST(Drives, AByteOrderMarkAndCarriageReturnLineEndsAreAccepted) {
    tally_test::TempFolder folders;
    const std::string data = makeFolder(folders, "data");
    DrivesIni mac("\xEF\xBB\xBF[Drives]\rauto=0\rd=" + data + "\r[Labels]\rd=Data\r");
    EXPECT_EQ(driveDirectory('d'), data);
    EXPECT_EQ(volumeLabel('d'), "Data");
    EXPECT_EQ(driveDirectory('c'), std::nullopt);
}
