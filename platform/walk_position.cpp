// The current directory as the walk moves it. The walk keeps the directories it came through
// open, up to a depth, so that leaving a directory is an fchdir to its parent that holds even
// when the directory was moved or removed meanwhile, with no lookup by name. Deeper than that,
// entering remembers the (device, inode) of the directory left, and leaving goes to ".." and
// checks that it is the remembered directory; when it is not, the way down is taken again by
// the remembered names, each step checked. Nothing recurses, so depth costs only the names.
// The directory entered last is lent once to the listing, which so reads it without opening it
// again; the path shown for the current directory is put together from the names taken, which
// costs no system call and works at any depth.
// A directory is entered only on the drive root's mount (its mount id, or its device where the
// kernel gives no mount id), so neither another file system nor a bind mount is walked.

#include "platform/directory_search.h"
#include "platform/drives.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace platform {

namespace {

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;

    [[nodiscard]] bool operator==(const Identity&) const = default;
};

struct Place {
    Identity identity;
    std::uint64_t mount = 0;
    bool mountKnown = false;
};

// Where an open directory is.
std::optional<Place> placeOf(int fd) {
    struct statx status {};
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_INO | STATX_MNT_ID, &status) != 0)
        return std::nullopt;
    return Place{{makedev(status.stx_dev_major, status.stx_dev_minor), status.stx_ino},
                 status.stx_mnt_id,
                 (status.stx_mask & STATX_MNT_ID) != 0};
}

struct Level {
    Identity parent; // the directory this level was entered from
    std::string name;
    int parentFd; // that directory, kept open, or -1 deeper than keptLevels
};

// Leaves room for the descriptors the rest of the program needs under the usual limit of 1024.
constexpr std::size_t keptLevels = 256;

class WalkPosition final {
public:
    bool enterRoot(const std::string& directory) {
        const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        const auto place = placeOf(fd);
        if (!place || ::fchdir(fd) != 0) {
            ::close(fd);
            return false;
        }
        forgetLevels(0);
        setCurrent(fd);
        m_rootPath = directory;
        char shown[PATH_MAX];
        m_shownRootPath = ::getcwd(shown, sizeof shown) != nullptr ? shown : directory;
        m_root = *place;
        m_current = m_root.identity;
        m_haveRoot = true;
        return true;
    }

    bool enter(std::string_view name) {
        if (name.empty() || name == "." || name == ".." || name.find('/') != name.npos) {
            return false;
        }
        if (!m_haveRoot && !adoptCurrentDirectoryAsRoot()) {
            return false;
        }
        std::string fileName(name);
        const int fd =
            ::openat(AT_FDCWD, fileName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        const auto place = placeOf(fd);
        if (!place || !onRootMount(*place) || ::fchdir(fd) != 0) {
            ::close(fd);
            return false;
        }
        int parentFd = -1;
        if (m_levels.size() < keptLevels) {
            parentFd = m_currentFd;
        } else if (m_currentFd >= 0) {
            ::close(m_currentFd);
        }
        m_currentFd = -1;
        m_levels.push_back({m_current, std::move(fileName), parentFd});
        setCurrent(fd);
        m_current = place->identity;
        return true;
    }

    void leave() {
        if (m_levels.empty()) {
            return;
        }
        const Level left = std::move(m_levels.back());
        m_levels.pop_back();
        if (left.parentFd >= 0) {
            if (::fchdir(left.parentFd) == 0) {
                setCurrent(left.parentFd);
                m_current = left.parent;
                return;
            }
            ::close(left.parentFd);
        }
        setCurrent(-1);
        if (::chdir("..") == 0 && identityOf(".") == left.parent) {
            m_current = left.parent;
            return;
        }
        walkDownFromRoot(left.parent);
    }

    std::string currentPath() const {
        if (!m_haveRoot) {
            char buffer[PATH_MAX];
            return ::getcwd(buffer, sizeof buffer) != nullptr ? buffer : std::string();
        }
        std::string path = m_shownRootPath;
        for (const auto& level : m_levels) {
            if (path.empty() || path.back() != '/') {
                path += '/';
            }
            path += level.name;
        }
        return path;
    }

    int borrowEntered() {
        if (m_lent) {
            return -1;
        }
        m_lent = true;
        return m_currentFd;
    }

private:
    [[nodiscard]] bool onRootMount(const Place& place) const {
        if (place.mountKnown && m_root.mountKnown)
            return place.mount == m_root.mount;
        return place.identity.device == m_root.identity.device;
    }

    static Identity identityOf(const char* path) {
        struct stat status {};
        if (::stat(path, &status) != 0) {
            return {};
        }
        return {status.st_dev, status.st_ino};
    }

    // Makes fd (or nothing, for -1) the open current directory, closing the one before, and
    // lends it out again.
    void setCurrent(int fd) {
        if (m_currentFd >= 0 && m_currentFd != fd) {
            ::close(m_currentFd);
        }
        m_currentFd = fd;
        m_lent = fd < 0;
    }

    // Drops the levels from `from` on, closing the directories they kept open.
    void forgetLevels(std::size_t from) {
        for (std::size_t i = from; i < m_levels.size(); ++i) {
            if (m_levels[i].parentFd >= 0) {
                ::close(m_levels[i].parentFd);
            }
        }
        m_levels.resize(std::min(from, m_levels.size()));
    }

    bool adoptCurrentDirectoryAsRoot() {
        char buffer[PATH_MAX];
        if (::getcwd(buffer, sizeof buffer) == nullptr) {
            return false;
        }
        return enterRoot(buffer);
    }

    // Goes from the root down the remembered names to the directory the left level was entered
    // from, checking every step. When an ancestor itself was renamed the way is lost: the walk
    // stays at the deepest directory that still checks out and forgets the levels below it.
    void walkDownFromRoot(const Identity& target) {
        int fd = ::open(m_rootPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        struct stat status {};
        if (fd < 0 || ::fstat(fd, &status) != 0 ||
            Identity{status.st_dev, status.st_ino} != m_root.identity) {
            if (fd >= 0) {
                ::close(fd);
            }
            return;
        }
        Identity reached = m_root.identity;
        for (std::size_t i = 0; i < m_levels.size(); ++i) {
            const Identity wanted = i + 1 < m_levels.size() ? m_levels[i + 1].parent : target;
            const int next = ::openat(fd, m_levels[i].name.c_str(),
                                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0 || ::fstat(next, &status) != 0 ||
                Identity{status.st_dev, status.st_ino} != wanted) {
                if (next >= 0) {
                    ::close(next);
                }
                forgetLevels(i);
                break;
            }
            ::close(fd);
            fd = next;
            reached = wanted;
        }
        if (::fchdir(fd) == 0) {
            m_current = reached;
        }
        ::close(fd);
    }

    bool m_haveRoot = false;
    std::string m_rootPath;
    std::string m_shownRootPath; // the root as the system names it, symbolic links resolved
    int m_currentFd = -1;        // the current directory, open, or -1
    bool m_lent = true;          // the listing has had m_currentFd already
    Place m_root;
    Identity m_current;
    std::vector<Level> m_levels;
};

WalkPosition& walkPosition() {
    static WalkPosition position;
    return position;
}

} // namespace

bool enterDriveRoot(char letter) {
    const auto directory = driveDirectory(letter);
    return directory && walkPosition().enterRoot(*directory);
}

bool enterDirectory(std::string_view name) {
    return walkPosition().enter(name);
}

void leaveDirectory() {
    walkPosition().leave();
}

int borrowEnteredDirectoryDescriptor() {
    return walkPosition().borrowEntered();
}

std::string currentDirectory() {
    return walkPosition().currentPath();
}

} // namespace platform
