#pragma once
// Drive letters on Linux. A drive table maps letters to directories: c is "/", every other real
// mounted file system gets the next free letter from d in mount-point order (read from
// /proc/self/mountinfo; pseudo, system, file and bind mounts are not drives). drives.ini in the
// configuration folder adjusts it:
//   [Drives] auto=0 turns the automatic part off; d=/some/folder adds or replaces a letter,
//            d= (empty) removes it
//   [Labels] d=backup              volume label
//   [Types]  d=removable           one of removable, fixed, remote, cdrom, ramdisk
//   [Space]  d=total,free[,cluster] sizes in bytes that replace what statvfs says (for tests)
// Letters a and b are only ever mapped by hand. The table is read once and cached; reload()
// reads it again (tests change drives.ini between cases).

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Drive type codes as the Windows drive-type call returns them.
enum DriveTypeCode : int {
    driveUnknown = 0,
    driveNoRootDir = 1,
    driveRemovable = 2,
    driveFixed = 3,
    driveRemote = 4,
    driveCdrom = 5,
    driveRamdisk = 6,
};

struct DiskSpace {
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;    // all free blocks, not only those available to the user
    std::uint64_t clusterBytes = 0; // the file system's allocation unit (fragment size); 0 unknown
};

// Bit n set for every mapped letter 'a' + n (as GetLogicalDrives).
[[nodiscard]] std::uint32_t logicalDrives();

// The directory a letter maps to (either case), or nothing for an unmapped letter.
[[nodiscard]] std::optional<std::string> driveDirectory(char letter);

// driveNoRootDir for an unmapped letter.
[[nodiscard]] int driveType(char letter);

// File-system label (drives.ini, else /dev/disk/by-label), empty when there is none.
[[nodiscard]] std::string volumeLabel(char letter);

// For a remote drive, the mount's network source (server:/export, //server/share); else empty.
[[nodiscard]] std::string networkConnection(char letter);

// Sizes of the letter's file system; nothing when the letter is unmapped or statvfs fails
// (the drive is then not ready).
[[nodiscard]] std::optional<DiskSpace> diskFreeSpace(char letter);

// Maps a folder to a letter until the table is read again, so that a folder can be walked as a
// drive of its own (the headless report does this): the first free letter from d or, when every
// letter from d is taken, the last letter, whose drive the folder then replaces. A letter set in
// lettersInUse (bit n for 'a' + n, as logicalDrives) is never given: the caller's other drives.
// Nothing when every letter is in use.
[[nodiscard]] std::optional<char> mapFolderAsDrive(const std::string& directory,
                                                   std::uint32_t lettersInUse);

// Reads /proc/self/mountinfo and drives.ini again.
void reloadDriveTable();

} // namespace platform
