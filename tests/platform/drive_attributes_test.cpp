#include "platform/directory_search.h"
#include "platform/drive_attributes.h"
#include "platform/drives.h"
#include "platform/fake_drive_attributes.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>

#include <linux/magic.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
namespace fs = std::filesystem;

namespace {

// Drive d mapped to a folder through drives.ini in a temporary configuration folder.
class FolderDrive final {
public:
    explicit FolderDrive(const std::string& folder) : m_xdg(m_config.path()) {
        fs::create_directories(m_config.path() + "/tally99");
        std::ofstream(m_config.path() + "/tally99/drives.ini")
            << "[Drives]\nauto=0\nd=" << folder << "\n";
        reloadDriveTable();
    }
    ~FolderDrive() {
        ::chdir("/");
        reloadDriveTable();
    }

private:
    tally_test::TempFolder m_config;
    tally_test::XdgConfigHome m_xdg;
};

std::map<std::string, std::uint32_t> listRoot(bool withDetails) {
    std::map<std::string, std::uint32_t> seen;
    DirectorySearch search;
    for (bool found = search.findFirst(0, withDetails); found; found = search.findNext())
        seen[std::string(search.data().name)] = search.data().attributes;
    return seen;
}

} // namespace

TEST(DriveAttributes, OnlyFatAndNtfsTypesMayKeepAttributes) {
    EXPECT_EQ(driveAttributeKindOf(MSDOS_SUPER_MAGIC), DriveAttributeKind::fat);
    EXPECT_EQ(driveAttributeKindOf(0x7366746e), DriveAttributeKind::ntfs) << "ntfs3";
    EXPECT_EQ(driveAttributeKindOf(FUSE_SUPER_MAGIC), DriveAttributeKind::ntfs) << "ntfs-3g";
    for (const long other : {long(EXT4_SUPER_MAGIC), long(TMPFS_MAGIC), long(BTRFS_SUPER_MAGIC),
                             long(XFS_SUPER_MAGIC), long(OVERLAYFS_SUPER_MAGIC), 0L})
        EXPECT_EQ(driveAttributeKindOf(other), DriveAttributeKind::none) << std::hex << other;
}

TEST(DriveAttributes, TheNtfsWordIsFourBytesInTheProcessorsOrder) {
    const std::uint32_t hiddenSystemArchive = 0x26;
    EXPECT_EQ(ntfsAttributeWord(&hiddenSystemArchive, 4), 0x26U);
    const char tooShort = 0x26;
    EXPECT_EQ(ntfsAttributeWord(&tooShort, 1), std::nullopt);
    const std::uint64_t tooLong = 0x26;
    EXPECT_EQ(ntfsAttributeWord(&tooLong, 8), std::nullopt);
}

TEST(DriveAttributes, TheDriveDecidesTheFourClassicBitsAndTheTypeTheRest) {
    // A dot folder the drive does not hide is not hidden; one it marks read-only is.
    EXPECT_EQ(withDriveAttributes(attrDirectory | attrHidden, attrDirectory | attrReadOnly),
              attrDirectory | attrReadOnly);
    // A file without write permission that the drive does not mark read-only is not.
    EXPECT_EQ(withDriveAttributes(attrReadOnly, attrArchive), attrArchive);
    // The drive's own directory and volume bits never make a file a folder or a label.
    EXPECT_EQ(withDriveAttributes(0, attrDirectory | attrVolumeLabel | attrSystem), attrSystem);
    EXPECT_EQ(withDriveAttributes(attrReparsePoint, attrHidden), attrReparsePoint | attrHidden);
}

TEST(DriveAttributes, AFolderOnThisMachinesOwnFileSystemHasNoSource) {
    tally_test::TempFolder tree;
    FolderDrive drive(tree.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    EXPECT_EQ(driveAttributeSource(), nullptr)
        << "the temporary folder is on a file system without DOS attributes";
}

TEST(DriveAttributes, SearchesAskTheDriveForFoldersAndForFilesWithDetailsOnly) {
    tally_test::TempFolder tree;
    const std::string root = tree.path();
    fs::create_directory(root + "/Folder");
    fs::create_directory(root + "/.dotfolder");
    std::ofstream(root + "/file.txt") << "x";
    std::ofstream(root + "/.dotfile") << "x";
    std::ofstream(root + "/unreadable") << "x";
    ::chmod((root + "/unreadable").c_str(), 0444);
    fs::create_symlink(root + "/file.txt", root + "/link");
    ASSERT_EQ(::mkfifo((root + "/fifo").c_str(), 0644), 0);
    FolderDrive drive(root);
    tally_test::FakeDriveAttributes fake({{"Folder", attrDirectory | attrHidden},
                                          {".dotfolder", attrDirectory},
                                          {"file.txt", attrArchive | attrSystem},
                                          {".dotfile", attrArchive},
                                          {"link", attrHidden},
                                          {"fifo", attrHidden}});
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_NE(driveAttributeSource(), nullptr);

    auto names = listRoot(false);
    std::sort(fake.asked.begin(), fake.asked.end());
    EXPECT_EQ(fake.asked,
              (std::vector<std::pair<std::string, bool>>{{".dotfolder", true}, {"Folder", true}}));
    EXPECT_EQ(names["Folder"], attrDirectory | attrHidden);
    EXPECT_EQ(names[".dotfolder"], attrDirectory) << "a dot does not hide on such a drive";

    fake.asked.clear();
    auto details = listRoot(true);
    std::sort(fake.asked.begin(), fake.asked.end());
    EXPECT_EQ(fake.asked, (std::vector<std::pair<std::string, bool>>{{".dotfile", false},
                                                                     {".dotfolder", true},
                                                                     {"Folder", true},
                                                                     {"file.txt", false},
                                                                     {"unreadable", false}}))
        << "links, special files and the dot entries are never asked";
    EXPECT_EQ(details["file.txt"], attrArchive | attrSystem);
    EXPECT_EQ(details[".dotfile"], attrArchive);
    EXPECT_EQ(details["unreadable"], attrReadOnly) << "without a word the stand-ins hold";
    EXPECT_EQ(details["link"], attrReparsePoint);
    EXPECT_EQ(details["fifo"], attrSystem);
}
