#pragma once
// The letters of the machine: the automatic drives of the mount table (mount_table.h) with the
// adjustments of drives.ini applied, and what the drive calls report for each letter. Built
// from the system once and cached by drives.cpp; building it reads mountinfo, sysfs, the label
// links and drives.ini, but never touches the drives themselves.

#include "platform/drives.h"
#include "platform/ini_document.h"
#include "platform/mount_table.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace platform {

struct DriveInfo {
    std::string directory;
    int type = driveFixed;
    std::string label;
    std::string networkConnection;
    std::optional<DiskSpace> space; // from drives.ini [Space]; otherwise statvfs decides
};

class DriveTable final {
public:
    // The table of this machine: /proc/self/mountinfo and drives.ini in the configuration folder.
    // A drives.ini that is not a regular file, is too large, cannot be read or holds none of
    // the sections is ignored, and the user is told so once.
    [[nodiscard]] static DriveTable fromSystem();

    // Whether a drives.ini document has any of the sections the table reads ([Drives],
    // [Labels], [Types], [Space]); a file with content but none of them is not a drives.ini.
    [[nodiscard]] static bool hasDriveSettings(const IniDocument& drivesIni);

    // A table from a mount list and a drives.ini document; the sysfs and label lookups of the
    // system still apply to the mounts.
    [[nodiscard]] static DriveTable build(const std::vector<MountEntry>& mounts,
                                          const IniDocument& drivesIni);

    // The label a /dev/disk/by-label link name stands for: udev writes blanks and other unsafe
    // bytes as \xHH.
    [[nodiscard]] static std::string labelFromLinkName(std::string_view name);

    // Nothing for an unmapped letter (either case).
    [[nodiscard]] const DriveInfo* drive(char letter) const;

    // Maps a letter by hand for the life of this table (either case).
    void setDrive(char letter, DriveInfo info);

private:
    std::array<std::optional<DriveInfo>, 26> m_drives;
};

} // namespace platform
