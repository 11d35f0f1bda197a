#include "platform/mount_table.h"

#include <gtest/gtest.h>

#include <set>

using namespace platform;

namespace {

// A container's mount table: overlay root, pseudo file systems, a bind mount, a file mount,
// a tmpfs, a network share and a USB disk, not in mount-point order.
constexpr std::string_view sampleMountInfo =
    "500 1 0:51 / / rw,relatime master:1 - overlay overlay rw,lowerdir=/l,upperdir=/u\n"
    "501 500 0:52 / /proc rw,nosuid - proc proc rw\n"
    "502 500 0:53 / /sys ro - sysfs sysfs ro\n"
    "503 500 0:54 / /dev rw - tmpfs tmpfs rw\n"
    "504 503 0:55 / /dev/pts rw - devpts devpts rw\n"
    "505 500 8:17 / /media/usb\\040stick rw shared:5 - vfat /dev/sdb1 rw\n"
    "506 500 8:2 /srv/data /data rw - ext4 /dev/sda2 rw\n"
    "507 500 8:2 /srv/data/sub /data2 rw - ext4 /dev/sda2 rw\n"
    "508 500 8:2 / /etc/hosts rw - ext4 /dev/sda2 rw\n"
    "509 500 0:60 / /scratch rw - tmpfs tmpfs rw,size=1g\n"
    "510 500 0:61 / /mnt/share rw - cifs //server/share rw\n"
    "511 500 0:62 / /run/user/1000 rw - tmpfs tmpfs rw\n"
    "512 500 7:3 / /snap/core/1 ro - squashfs /dev/loop3 ro\n"
    "513 500 0:63 / /mnt/cgroup rw - cgroup2 cgroup2 rw\n"
    "514 500 0:64 / /proc/sys/fs/binfmt_misc rw - binfmt_misc binfmt_misc rw\n"
    "this line is not a mount\n";

bool everyFolderButHosts(const std::string& path) {
    return path != "/etc/hosts";
}

} // namespace

TEST(MountTable, ParsesFieldsAndDecodesEscapes) {
    const auto mounts = parseMountInfo(sampleMountInfo);
    ASSERT_EQ(mounts.size(), 15U);
    EXPECT_EQ(mounts[5].mountPoint, "/media/usb stick");
    EXPECT_EQ(mounts[5].major, 8U);
    EXPECT_EQ(mounts[5].minor, 17U);
    EXPECT_EQ(mounts[5].fsType, "vfat");
    EXPECT_EQ(mounts[5].source, "/dev/sdb1");
    EXPECT_EQ(mounts[6].root, "/srv/data");
    EXPECT_EQ(mounts[10].source, "//server/share");
}

TEST(MountTable, LettersGoToRealFileSystemsInMountPointOrder) {
    const auto drives = assignDriveLetters(parseMountInfo(sampleMountInfo), everyFolderButHosts);
    std::vector<std::pair<char, std::string>> got;
    for (const auto& drive : drives)
        got.emplace_back(drive.letter, drive.mount.mountPoint);
    const std::vector<std::pair<char, std::string>> expected = {{'c', "/"},
                                                                {'d', "/data"},
                                                                {'e', "/media/usb stick"},
                                                                {'f', "/mnt/share"},
                                                                {'g', "/scratch"}};
    EXPECT_EQ(got, expected);
    EXPECT_EQ(drives[0].mount.fsType, "overlay");
}

TEST(MountTable, BindMountOfAnotherFolderOfTheSameFileSystemCounts) {
    // The second mount shows a folder outside the first one's root: new content, a drive.
    const auto drives =
        assignDriveLetters(parseMountInfo("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                          "2 1 8:2 /a /x rw - ext4 /dev/sda2 rw\n"
                                          "3 1 8:2 /b /y rw - ext4 /dev/sda2 rw\n"
                                          "4 1 8:2 /a/deeper /z rw - ext4 /dev/sda2 rw\n"
                                          "5 1 8:1 /home /w rw - ext4 /dev/sda1 rw\n"),
                           [](const std::string&) { return true; });
    ASSERT_EQ(drives.size(), 3U);
    EXPECT_EQ(drives[1].mount.mountPoint, "/x");
    EXPECT_EQ(drives[2].mount.mountPoint, "/y");
}

TEST(MountTable, RootIsCEvenWhenMissingAndLettersStopAtZ) {
    std::string text;
    for (int i = 0; i < 30; ++i) {
        text += std::to_string(10 + i) + " 1 0:" + std::to_string(100 + i) + " / /m" +
                char('A' + i / 10) + char('0' + i % 10) + " rw - ext4 /dev/x rw\n";
    }
    const auto drives = assignDriveLetters(parseMountInfo(text), everyFolderButHosts);
    ASSERT_EQ(drives.size(), 24U);
    EXPECT_EQ(drives.front().letter, 'c');
    EXPECT_EQ(drives.front().mount.mountPoint, "/");
    EXPECT_EQ(drives.back().letter, 'z');
    EXPECT_EQ(drives.back().mount.mountPoint, "/mC2");
    std::set<char> letters;
    for (const auto& drive : drives)
        EXPECT_TRUE(letters.insert(drive.letter).second);
}

TEST(MountTable, LaterMountOnTheSameFolderHidesTheEarlier) {
    const auto drives =
        assignDriveLetters(parseMountInfo("1 0 8:1 / / rw - ext4 /dev/sda1 rw\n"
                                          "2 1 8:2 / /mnt rw - ext4 /dev/sda2 rw\n"
                                          "3 1 0:40 / /mnt rw - nfs4 server:/export rw\n"),
                           [](const std::string&) { return true; });
    ASSERT_EQ(drives.size(), 2U);
    EXPECT_EQ(drives[1].mount.fsType, "nfs4");
    EXPECT_TRUE(isRemoteFileSystem("nfs4"));
    EXPECT_TRUE(isRemoteFileSystem("fuse.sshfs"));
    EXPECT_FALSE(isRemoteFileSystem("ext4"));
}
