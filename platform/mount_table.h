#pragma once
// The automatic part of the drive table: which mounts of /proc/self/mountinfo are drives, and
// which letter each gets. Pure functions of the file's text (and of a folder test), so that
// tests can feed any mount table.
//
// Rules: "/" is always c, whatever its type (overlay in containers). Every other real file
// system gets the next letter from d in mount-point order, up to z. Not drives: mounts under
// /proc, /sys, /dev, /run and /snap; pseudo file systems (proc, sysfs, cgroup, ...); squashfs
// images; mounts of a file rather than a folder; and a second mount of a file system that is
// already listed when it shows nothing new (a bind mount of the same or a contained folder).

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct MountEntry {
    unsigned major = 0;
    unsigned minor = 0;
    std::string root;       // the folder of the file system shown at the mount point
    std::string mountPoint; // escapes (\040 and the like) decoded
    std::string fsType;
    std::string source;
};

struct LetteredMount {
    char letter = 'c';
    MountEntry mount;
};

// Every well-formed line of a mountinfo text, in the file's (mount) order.
[[nodiscard]] std::vector<MountEntry> parseMountInfo(std::string_view text);

// The drives among the mounts, c first, then d, e, ... in mount-point order. isFolder tells
// whether a mount point is a folder (a file can be mounted over a file).
[[nodiscard]] std::vector<LetteredMount>
assignDriveLetters(const std::vector<MountEntry>& mounts,
                   const std::function<bool(const std::string&)>& isFolder);

// True for network file systems (nfs, cifs, sshfs, ...).
[[nodiscard]] bool isRemoteFileSystem(std::string_view fsType);

} // namespace platform
