#pragma once
// The attributes a drive keeps itself. FAT and NTFS store read-only, hidden, system and archive
// for every entry; on such a drive the walk takes those four from the drive instead of from the
// stand-ins (a leading dot, missing write permission), so that a folder hidden there is passed
// over as it would be on the system that wrote it.
//
// Which source a drive has is decided once, when the walk enters the drive's root (the walk
// never leaves that mount): from the file-system type that statfs gives, confirmed by reading
// the root's own word. Every other drive has no source, so the walk costs nothing more there.
//   FAT (vfat, msdos):      the ioctl FAT_IOCTL_GET_ATTRIBUTES on the entry, opened for reading
//                           (an O_PATH descriptor does not take an ioctl)
//   NTFS (ntfs3, ntfs-3g):  the extended attribute "system.ntfs_attrib", four bytes in the
//                           processor's byte order; ntfs-3g is a FUSE file system, so every
//                           FUSE drive is asked once at its root and keeps no source when the
//                           root has no such word
// Tests replace the choice (setDriveAttributeSourceFactory), since the kernel may have no FAT
// or NTFS driver.

#include "platform/drive_attribute_source.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

enum class DriveAttributeKind { none, fat, ntfs };

// The kind of source a file system of this statfs f_type may have; none for every type that
// keeps no such attributes.
[[nodiscard]] DriveAttributeKind driveAttributeKindOf(long fileSystemType);

// The value of "system.ntfs_attrib" as a word; nothing unless it has exactly four bytes.
[[nodiscard]] std::optional<std::uint32_t> ntfsAttributeWord(const void* value, std::size_t size);

// The attribute word of an entry with read-only, hidden, system and archive taken from the
// word the drive keeps, every other bit (directory, reparse point) from the stand-in word.
[[nodiscard]] constexpr std::uint32_t withDriveAttributes(std::uint32_t standIn,
                                                          std::uint32_t kept) {
    constexpr std::uint32_t fromDrive = 0x01 | 0x02 | 0x04 | 0x20;
    return (standIn & ~fromDrive) | (kept & fromDrive);
}

// Chooses the source of the drive whose root directory is open as rootFd and is the current
// directory; the walk calls it when it enters a drive's root.
void chooseDriveAttributeSource(int rootFd);

// The source of the drive entered last, or nullptr where the stand-ins hold.
[[nodiscard]] const DriveAttributeSource* driveAttributeSource();

// Replaces the choice: the factory is asked, once per drive root entered, for the source of
// that root (nullptr for none). An empty factory puts the real choice back; either way the
// source chosen before is dropped.
using DriveAttributeSourceFactory =
    std::function<std::unique_ptr<DriveAttributeSource>(int rootFd)>;
void setDriveAttributeSourceFactory(DriveAttributeSourceFactory factory);

} // namespace platform
