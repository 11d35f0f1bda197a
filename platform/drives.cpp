#include "platform/drives.h"

#include "platform/drive_table.h"

#include <sys/statvfs.h>

namespace platform {

namespace {

std::optional<DriveTable>& cachedTable() {
    static std::optional<DriveTable> table;
    return table;
}

DriveTable& loadedTable() {
    auto& table = cachedTable();
    if (!table)
        table = DriveTable::fromSystem();
    return *table;
}

const DriveInfo* driveInfo(char letter) {
    return loadedTable().drive(letter);
}

} // namespace

std::uint32_t logicalDrives() {
    std::uint32_t mask = 0;
    for (char letter = 'a'; letter <= 'z'; ++letter)
        if (driveInfo(letter) != nullptr)
            mask |= 1U << (letter - 'a');
    return mask;
}

std::optional<std::string> driveDirectory(char letter) {
    const auto* drive = driveInfo(letter);
    return drive != nullptr ? std::optional<std::string>(drive->directory) : std::nullopt;
}

int driveType(char letter) {
    const auto* drive = driveInfo(letter);
    return drive != nullptr ? drive->type : driveNoRootDir;
}

std::string volumeLabel(char letter) {
    const auto* drive = driveInfo(letter);
    return drive != nullptr ? drive->label : std::string();
}

std::string networkConnection(char letter) {
    const auto* drive = driveInfo(letter);
    return drive != nullptr ? drive->networkConnection : std::string();
}

std::optional<DiskSpace> diskFreeSpace(char letter) {
    const auto* drive = driveInfo(letter);
    if (drive == nullptr)
        return std::nullopt;
    if (drive->space)
        return drive->space;
    struct statvfs status {};
    if (::statvfs(drive->directory.c_str(), &status) != 0)
        return std::nullopt;
    const std::uint64_t fragment = status.f_frsize != 0 ? status.f_frsize : status.f_bsize;
    return DiskSpace{std::uint64_t(status.f_blocks) * fragment,
                     std::uint64_t(status.f_bfree) * fragment, fragment};
}

std::optional<char> mapFolderAsDrive(const std::string& directory, std::uint32_t lettersInUse) {
    const auto available = [lettersInUse](char letter) {
        return (lettersInUse & (1U << (letter - 'a'))) == 0;
    };
    std::optional<char> chosen;
    for (char letter = 'd'; letter <= 'z' && !chosen; ++letter)
        if (available(letter) && driveInfo(letter) == nullptr)
            chosen = letter;
    // With every letter taken the folder needs none of its own: it stands in for a drive that
    // this run does not walk.
    for (char letter = 'z'; letter >= 'a' && !chosen; --letter)
        if (available(letter))
            chosen = letter;
    if (chosen) {
        DriveInfo info;
        info.directory = directory;
        loadedTable().setDrive(*chosen, std::move(info));
    }
    return chosen;
}

void reloadDriveTable() {
    cachedTable() = DriveTable::fromSystem();
}

} // namespace platform
