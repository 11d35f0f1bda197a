#include "platform/drive_attributes.h"
#include "platform/hot_path.h"

#include <cstring>
#include <string>
#include <utility>

#include <fcntl.h>
#include <linux/magic.h>
#include <linux/msdos_fs.h>
#include <sys/ioctl.h>
#include <sys/statfs.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace platform {

namespace {

// ntfs3 names itself "ntfs" in its magic; the read-only driver before it used "NTFS" and
// exposes no attribute word, which the check at the root finds out.
constexpr long ntfs3Magic = 0x7366746e;
constexpr long classicNtfsMagic = 0x5346544e;

class FatAttributes final : public DriveAttributeSource {
public:
    std::optional<std::uint32_t> attributesOf(int directory, const char* name,
                                              bool isDirectory) const override {
        // Only files and folders reach here (the walk never opens a special file); O_NONBLOCK
        // all the same, in case one appeared under the name meanwhile.
        const int flags = O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC |
                          (isDirectory ? O_DIRECTORY : 0);
        const int fd = ::openat(directory, name, flags);
        if (fd < 0)
            return std::nullopt;
        __u32 word = 0;
        const bool read = ::ioctl(fd, FAT_IOCTL_GET_ATTRIBUTES, &word) == 0;
        ::close(fd);
        return read ? std::optional<std::uint32_t>(word) : std::nullopt;
    }
};

class NtfsAttributes final : public DriveAttributeSource {
public:
    std::optional<std::uint32_t> attributesOf(int directory, const char* name,
                                              bool) const override {
        // Extended attributes are read by path only: an open directory is reached through its
        // entry in /proc.
        std::string path = name;
        if (directory != AT_FDCWD)
            path = "/proc/self/fd/" + std::to_string(directory) + "/" + name;
        char value[4];
        const ssize_t size = ::lgetxattr(path.c_str(), "system.ntfs_attrib", value, sizeof value);
        return size < 0 ? std::nullopt : ntfsAttributeWord(value, std::size_t(size));
    }
};

std::unique_ptr<DriveAttributeSource> realSourceFor(int rootFd) {
    struct statfs status {};
    if (::fstatfs(rootFd, &status) != 0)
        return nullptr;
    std::unique_ptr<DriveAttributeSource> source;
    switch (driveAttributeKindOf(static_cast<long>(status.f_type))) {
    case DriveAttributeKind::fat:
        source = std::make_unique<FatAttributes>();
        break;
    case DriveAttributeKind::ntfs:
        source = std::make_unique<NtfsAttributes>();
        break;
    case DriveAttributeKind::none:
        return nullptr;
    }
    // A drive whose root gives no word (another FUSE file system, a driver without the
    // attribute) keeps the stand-ins rather than failing to read every entry.
    return source->attributesOf(rootFd, ".", true) ? std::move(source) : nullptr;
}

struct Choice {
    DriveAttributeSourceFactory factory;
    std::unique_ptr<DriveAttributeSource> current;
};

Choice& choice() {
    static Choice state;
    return state;
}

} // namespace

DriveAttributeKind driveAttributeKindOf(long fileSystemType) {
    switch (fileSystemType) {
    case MSDOS_SUPER_MAGIC:
        return DriveAttributeKind::fat;
    case ntfs3Magic:
    case classicNtfsMagic:
    case FUSE_SUPER_MAGIC:
        return DriveAttributeKind::ntfs;
    default:
        return DriveAttributeKind::none;
    }
}

std::optional<std::uint32_t> ntfsAttributeWord(const void* value, std::size_t size) {
    std::uint32_t word = 0;
    if (size != sizeof word)
        return std::nullopt;
    std::memcpy(&word, value, sizeof word);
    return word;
}

void chooseDriveAttributeSource(int rootFd) {
    Choice& state = choice();
    state.current = state.factory ? state.factory(rootFd) : realSourceFor(rootFd);
}

TALLY_WALK_PATH const DriveAttributeSource* driveAttributeSource() {
    return choice().current.get();
}

void setDriveAttributeSourceFactory(DriveAttributeSourceFactory factory) {
    Choice& state = choice();
    state.factory = std::move(factory);
    state.current.reset();
}

} // namespace platform
