#include "platform/drive_table.h"

#include "platform/config_folder.h"
#include "platform/regular_file.h"

#include <charconv>
#include <map>

#include <dirent.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace platform {

namespace {

// The kernel's own text files (mountinfo, sysfs flags); a machine with ten thousand mounts
// has a mountinfo of a few MB. Empty when the file cannot be read.
std::string readKernelFile(const std::string& path) {
    return readRegularFile(path, std::size_t(64) << 20).text;
}

constexpr const char* automaticDrivesUsed = "the automatic drives are used";

std::string lowerCase(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    return text;
}

// Device number -> label, from the links in /dev/disk/by-label.
std::map<dev_t, std::string> labelsByDevice() {
    std::map<dev_t, std::string> labels;
    const std::string folder = "/dev/disk/by-label";
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr)
        return labels;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        struct stat device {};
        if (name == "." || name == ".." ||
            ::stat((folder + "/" + std::string(name)).c_str(), &device) != 0)
            continue;
        labels.emplace(device.st_rdev, DriveTable::labelFromLinkName(name));
    }
    ::closedir(dir);
    return labels;
}

// The disk of a partition carries the removable flag, so the partition's parent is asked too.
bool isRemovableDevice(unsigned major, unsigned minor) {
    char number[32];
    std::string base = "/sys/dev/block/";
    base.append(number, std::to_chars(number, number + sizeof number, major).ptr);
    base += ':';
    base.append(number, std::to_chars(number, number + sizeof number, minor).ptr);
    for (const auto* file : {"/removable", "/../removable"}) {
        const auto text = readKernelFile(base + file);
        if (!text.empty())
            return text[0] == '1';
    }
    return false;
}

int typeOfMount(const MountEntry& mount) {
    if (isRemoteFileSystem(mount.fsType))
        return driveRemote;
    if (mount.fsType == "iso9660" || mount.fsType == "udf")
        return driveCdrom;
    if (mount.fsType == "tmpfs" || mount.fsType == "ramfs")
        return driveRamdisk;
    if (mount.major != 0 && isRemovableDevice(mount.major, mount.minor))
        return driveRemovable;
    return driveFixed;
}

std::optional<int> typeFromName(const std::string& name) {
    static const std::map<std::string, int> names = {{"removable", driveRemovable},
                                                     {"fixed", driveFixed},
                                                     {"remote", driveRemote},
                                                     {"cdrom", driveCdrom},
                                                     {"ramdisk", driveRamdisk}};
    const auto it = names.find(lowerCase(name));
    return it == names.end() ? std::nullopt : std::optional<int>(it->second);
}

// "total,free[,cluster]" in bytes.
std::optional<DiskSpace> spaceFromText(std::string_view text) {
    std::uint64_t numbers[3] = {0, 0, 0};
    std::size_t count = 0;
    const char* p = text.data();
    const char* end = text.data() + text.size();
    while (count < 3) {
        while (p < end && *p == ' ')
            ++p;
        const auto parsed = std::from_chars(p, end, numbers[count]);
        if (parsed.ec != std::errc{})
            return std::nullopt;
        ++count;
        p = parsed.ptr;
        while (p < end && *p == ' ')
            ++p;
        if (p == end)
            break;
        // A comma after the third number would open a fourth field.
        if (*p != ',' || count == 3)
            return std::nullopt;
        ++p;
    }
    if (count < 2 || p != end)
        return std::nullopt;
    return DiskSpace{numbers[0], numbers[1], numbers[2]};
}

// The mount that holds a folder: the one with the longest mount point above it.
const MountEntry* containingMount(const std::vector<MountEntry>& mounts,
                                  const std::string& folder) {
    const MountEntry* best = nullptr;
    for (const auto& mount : mounts) {
        const auto& point = mount.mountPoint;
        const bool inside =
            point == "/" || (folder.compare(0, point.size(), point) == 0 &&
                             (folder.size() == point.size() || folder[point.size()] == '/'));
        if (inside && (best == nullptr || point.size() >= best->mountPoint.size()))
            best = &mount;
    }
    return best;
}

DriveInfo infoOfMount(const MountEntry& mount, const std::string& directory,
                      const std::map<dev_t, std::string>& labels) {
    DriveInfo info;
    info.directory = directory;
    info.type = typeOfMount(mount);
    if (info.type == driveRemote)
        info.networkConnection = mount.source;
    if (directory == mount.mountPoint) {
        const auto label = labels.find(makedev(mount.major, mount.minor));
        if (label != labels.end())
            info.label = label->second;
    }
    return info;
}

bool isFolder(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

} // namespace

DriveTable DriveTable::fromSystem() {
    const auto path = configFilePath("drives.ini");
    auto drivesIni = IniDocument::load(path, automaticDrivesUsed);
    if (!drivesIni.isBlank() && !hasDriveSettings(drivesIni)) {
        reportIgnoredFile(path, "has no [Drives], [Labels], [Types] or [Space] section",
                          automaticDrivesUsed);
    }
    return build(parseMountInfo(readKernelFile("/proc/self/mountinfo")), drivesIni);
}

bool DriveTable::hasDriveSettings(const IniDocument& drivesIni) {
    return drivesIni.hasSection("Drives") || drivesIni.hasSection("Labels") ||
           drivesIni.hasSection("Types") || drivesIni.hasSection("Space");
}

DriveTable DriveTable::build(const std::vector<MountEntry>& mounts, const IniDocument& drivesIni) {
    DriveTable table;
    const auto labels = labelsByDevice();
    if (drivesIni.value("Drives", "auto").value_or("1") != "0") {
        for (const auto& drive : assignDriveLetters(mounts, isFolder)) {
            table.m_drives[std::size_t(drive.letter - 'a')] =
                infoOfMount(drive.mount, drive.mount.mountPoint, labels);
        }
    }
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        const std::string key(1, letter);
        auto& slot = table.m_drives[std::size_t(letter - 'a')];
        if (const auto folder = drivesIni.value("Drives", key)) {
            if (folder->empty()) {
                slot.reset();
                continue;
            }
            std::string directory = *folder;
            while (directory.size() > 1 && directory.back() == '/')
                directory.pop_back();
            const MountEntry* mount = containingMount(mounts, directory);
            slot = mount != nullptr ? infoOfMount(*mount, directory, labels)
                                    : DriveInfo{directory, driveFixed, {}, {}, {}};
        }
        if (!slot)
            continue;
        if (const auto label = drivesIni.value("Labels", key))
            slot->label = *label;
        if (const auto type = drivesIni.value("Types", key)) {
            if (const auto code = typeFromName(*type))
                slot->type = *code;
        }
        if (const auto space = drivesIni.value("Space", key))
            slot->space = spaceFromText(*space);
    }
    return table;
}

std::string DriveTable::labelFromLinkName(std::string_view name) {
    std::string result;
    for (std::size_t i = 0; i < name.size(); ++i) {
        unsigned value = 0;
        if (name[i] == '\\' && i + 3 < name.size() && name[i + 1] == 'x') {
            const auto parsed =
                std::from_chars(name.data() + i + 2, name.data() + i + 4, value, 16);
            if (parsed.ec == std::errc{} && parsed.ptr == name.data() + i + 4) {
                result += char(value);
                i += 3;
                continue;
            }
        }
        result += name[i];
    }
    return result;
}

const DriveInfo* DriveTable::drive(char letter) const {
    if (letter >= 'A' && letter <= 'Z')
        letter = char(letter - 'A' + 'a');
    if (letter < 'a' || letter > 'z')
        return nullptr;
    const auto& slot = m_drives[std::size_t(letter - 'a')];
    return slot ? &*slot : nullptr;
}

} // namespace platform

namespace platform {

void DriveTable::setDrive(char letter, DriveInfo info) {
    if (letter >= 'A' && letter <= 'Z')
        letter = static_cast<char>(letter - 'A' + 'a');
    if (letter >= 'a' && letter <= 'z')
        m_drives[static_cast<std::size_t>(letter - 'a')] = std::move(info);
}

} // namespace platform
