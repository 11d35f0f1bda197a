#include "platform/mount_table.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <map>

namespace platform {

namespace {

constexpr std::array<std::string_view, 21> pseudoTypes = {
    "proc",     "sysfs",       "cgroup",     "cgroup2",  "devpts",   "devtmpfs",   "mqueue",
    "debugfs",  "tracefs",     "securityfs", "pstore",   "bpf",      "autofs",     "fusectl",
    "configfs", "binfmt_misc", "hugetlbfs",  "squashfs", "efivarfs", "rpc_pipefs", "nsfs"};

constexpr std::array<std::string_view, 5> systemFolders = {"/proc", "/sys", "/dev", "/run",
                                                           "/snap"};

constexpr std::array<std::string_view, 16> remoteTypes = {
    "nfs", "nfs4", "cifs",      "smb3",  "smbfs",       "sshfs",       "fuse.sshfs", "9p",
    "afs", "ceph", "glusterfs", "davfs", "fuse.davfs2", "fuse.rclone", "ncpfs",      "lustre"};

// The folder itself or anything inside it.
bool isInside(std::string_view path, std::string_view folder) {
    if (folder == "/")
        return true;
    return path.substr(0, folder.size()) == folder &&
           (path.size() == folder.size() || path[folder.size()] == '/');
}

// mountinfo writes blanks, tabs, newlines and backslashes as a backslash and three octal digits.
std::string decodeOctalEscapes(std::string_view field) {
    std::string result;
    result.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](std::size_t k) {
            return k < field.size() && field[k] >= '0' && field[k] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            result +=
                char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            result += field[i];
        }
    }
    return result;
}

std::vector<std::string_view> splitFields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (start < line.size()) {
        const auto end = std::min(line.find(' ', start), line.size());
        if (end > start)
            fields.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

bool parseDevice(std::string_view text, unsigned& major, unsigned& minor) {
    const auto colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    const auto first = std::from_chars(text.data(), text.data() + colon, major);
    const auto second = std::from_chars(text.data() + colon + 1, text.data() + text.size(), minor);
    return first.ec == std::errc{} && first.ptr == text.data() + colon &&
           second.ec == std::errc{} && second.ptr == text.data() + text.size();
}

bool isPseudo(const MountEntry& mount) {
    if (std::find(pseudoTypes.begin(), pseudoTypes.end(), mount.fsType) != pseudoTypes.end())
        return true;
    return std::any_of(systemFolders.begin(), systemFolders.end(),
                       [&](std::string_view folder) { return isInside(mount.mountPoint, folder); });
}

} // namespace

std::vector<MountEntry> parseMountInfo(std::string_view text) {
    std::vector<MountEntry> mounts;
    std::size_t start = 0;
    while (start < text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        const auto fields = splitFields(text.substr(start, end - start));
        start = end + 1;
        // id, parent, major:minor, root, mount point, options, optional fields..., "-", type,
        // source, super options
        if (fields.size() < 10)
            continue;
        const auto separator = std::find(fields.begin() + 6, fields.end(), "-");
        if (fields.end() - separator < 3)
            continue;
        MountEntry mount;
        if (!parseDevice(fields[2], mount.major, mount.minor))
            continue;
        mount.root = decodeOctalEscapes(fields[3]);
        mount.mountPoint = decodeOctalEscapes(fields[4]);
        mount.fsType = decodeOctalEscapes(separator[1]);
        mount.source = decodeOctalEscapes(separator[2]);
        mounts.push_back(std::move(mount));
    }
    return mounts;
}

std::vector<LetteredMount>
assignDriveLetters(const std::vector<MountEntry>& mounts,
                   const std::function<bool(const std::string&)>& isFolder) {
    // A later mount on the same mount point hides the earlier one.
    std::map<std::string, const MountEntry*> visible;
    std::vector<const MountEntry*> inOrder;
    for (const auto& mount : mounts) {
        auto [it, added] = visible.try_emplace(mount.mountPoint, &mount);
        if (!added) {
            std::replace(inOrder.begin(), inOrder.end(), it->second, &mount);
            it->second = &mount;
        } else {
            inOrder.push_back(&mount);
        }
    }

    std::vector<LetteredMount> drives;
    drives.push_back({'c', MountEntry{0, 0, "/", "/", "", ""}});
    if (const auto root = visible.find("/"); root != visible.end())
        drives.front().mount = *root->second;

    // Mount order decides which mount of a file system is the original one.
    std::vector<const MountEntry*> listed{&drives.front().mount};
    std::vector<const MountEntry*> candidates;
    for (const auto* mount : inOrder) {
        if (mount->mountPoint == "/" || isPseudo(*mount))
            continue;
        const bool shownAlready = std::any_of(listed.begin(), listed.end(), [&](const auto* seen) {
            return seen->major == mount->major && seen->minor == mount->minor &&
                   isInside(mount->root, seen->root);
        });
        if (shownAlready || !isFolder(mount->mountPoint))
            continue;
        listed.push_back(mount);
        candidates.push_back(mount);
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const auto* a, const auto* b) { return a->mountPoint < b->mountPoint; });
    char letter = 'd';
    for (const auto* mount : candidates) {
        if (letter > 'z')
            break;
        drives.push_back({letter++, *mount});
    }
    return drives;
}

bool isRemoteFileSystem(std::string_view fsType) {
    return std::find(remoteTypes.begin(), remoteTypes.end(), fsType) != remoteTypes.end();
}

} // namespace platform
