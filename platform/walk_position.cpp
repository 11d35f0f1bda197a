// Where the walk is as it moves through a drive. Below the drive's root the walk's directory is
// a descriptor, not the process's current directory: entering opens a subdirectory relative to
// it and leaving takes the parent's back, so a directory costs no change of the process's
// current directory, and everything the walk asks about an entry is asked relative to the
// descriptor. At the root, and before any walk, it is the process's current directory, which
// entering the root sets.
// The walk keeps the directories it came through open, up to a depth, so that leaving a
// directory holds even when the directory was moved or removed meanwhile, with no lookup by
// name. Deeper than that, entering remembers the (device, inode) of the directory left, and
// leaving opens ".." and checks that it is the remembered directory; when it is not, the way is
// taken again by the remembered names from the deepest directory still open, each step
// checked. When a directory on that way was renamed too, the walk has lost its way: every leave
// says so until the walk is back in a directory it can prove it is in (the deepest one the
// checked steps reached, or at the latest one it kept open), so that no directory's files are
// looked up in another.
// A level costs its identity, a descriptor or -1, and its name in the one path that grows and
// shrinks with the walk; that path is also the one shown for the current directory, so showing
// it costs no system call and works at any depth. Nothing recurses.
// A directory is entered only on the drive root's mount (the kernel refuses to cross a mount
// point while opening it; where it cannot, the walk compares mount ids, or devices where the
// kernel gives no mount id), so neither another file system nor a bind mount is walked.
// A folder not entered and the way lost are logged under "tally.walk" (platform/walk_log.h).

#include "platform/walk_position.h"
#include "platform/directory_search.h"
#include "platform/drive_attributes.h"
#include "platform/drives.h"
#include "platform/hot_path.h"
#include "platform/walk_log.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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
TALLY_WALK_PATH std::optional<Place> placeOf(int fd) {
    struct statx status {};
    if (::statx(fd, "", AT_EMPTY_PATH | AT_STATX_DONT_SYNC, STATX_INO | STATX_MNT_ID, &status) != 0)
        return std::nullopt;
    return Place{{makedev(status.stx_dev_major, status.stx_dev_minor), status.stx_ino},
                 status.stx_mnt_id,
                 (status.stx_mask & STATX_MNT_ID) != 0};
}

TALLY_WALK_PATH Identity identityOf(int fd) {
    const auto place = placeOf(fd);
    return place ? place->identity : Identity{};
}

struct Level {
    Identity parent;        // the directory this level was entered from
    std::size_t pathLength; // the length of that directory's path
    int parentFd;           // that directory, kept open, or -1 deeper than keptLevels
};

// Leaves room for the descriptors the rest of the program needs under the usual limit of 1024.
constexpr std::size_t keptLevels = 256;
constexpr std::size_t noDepth = SIZE_MAX;
// Lost, and not even in a directory the walk can prove: until a level kept open is left.
constexpr std::size_t lostWithoutPlace = SIZE_MAX - 1;

class WalkPosition final {
public:
    bool enterRoot(const std::string& directory) {
        const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            logWalkFailure("cannot open the drive's root", directory, {}, errno);
            return false;
        }
        const auto place = placeOf(fd);
        if (!place || ::fchdir(fd) != 0) {
            logWalkFailure("cannot enter the drive's root", directory, {}, errno);
            ::close(fd);
            return false;
        }
        forgetLevels();
        setCurrent(fd);
        char shown[PATH_MAX];
        m_path = ::getcwd(shown, sizeof shown) != nullptr ? shown : directory;
        m_root = *place;
        m_current = m_root.identity;
        m_haveRoot = true;
        chooseDriveAttributeSource(fd);
        return true;
    }

    TALLY_WALK_PATH bool enter(std::string_view name) {
        if (name.empty() || name == "." || name == ".." || name.find('/') != name.npos)
            return false;
        if ((!m_haveRoot && !adoptCurrentDirectoryAsRoot()) || m_lostAt != noDepth)
            return false;
        // The name goes into the path first, where it serves as the name to open.
        const std::size_t pathLength = m_path.size();
        if (m_path.empty() || m_path.back() != '/')
            m_path += '/';
        const std::size_t nameStart = m_path.size();
        m_path += name;
        const int fd = openOnRootMount(directoryDescriptor(), m_path.c_str() + nameStart);
        // Where the directory is matters only deeper than the levels kept open, where it is
        // how the way back is checked: above, it costs no system call.
        std::optional<Place> place;
        if (fd >= 0 && m_levels.size() + 1 >= keptLevels)
            place = placeOf(fd);
        if (fd < 0 || (m_levels.size() + 1 >= keptLevels && !place)) {
            logWalkFailure(errno == EXDEV ? "not entered, another file system:" : "cannot enter",
                           m_path, {}, errno);
            if (fd >= 0)
                ::close(fd);
            m_path.resize(pathLength);
            return false;
        }
        int parentFd = -1;
        if (m_levels.size() < keptLevels)
            parentFd = m_currentFd;
        else if (m_currentFd >= 0)
            ::close(m_currentFd);
        m_currentFd = -1;
        m_levels.push_back({m_current, pathLength, parentFd});
        setCurrent(fd);
        m_current = place ? place->identity : Identity{};
        return true;
    }

    TALLY_WALK_PATH bool leave() {
        if (m_levels.empty())
            return m_lostAt == noDepth;
        const Level left = m_levels.back();
        m_levels.pop_back();
        m_path.resize(left.pathLength);
        const Identity parent = left.parent;
        if (left.parentFd >= 0) {
            // Read to its end when it was entered: nothing to lend.
            setCurrent(left.parentFd, false);
            return arrived(parent);
        }
        if (m_lostAt != noDepth) {
            // Lost: the walk's directory is the deepest one it could prove, if any.
            return m_levels.size() == m_lostAt && arrived(parent);
        }
        const int up = ::openat(m_currentFd, "..", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (up >= 0 && identityOf(up) == parent) {
            setCurrent(up);
            return arrived(parent);
        }
        if (up >= 0)
            ::close(up);
        return retrace(parent);
    }

    TALLY_WALK_PATH const std::string& currentPath() {
        if (!m_haveRoot) {
            char buffer[PATH_MAX];
            m_path = ::getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
        }
        return m_path;
    }

    // Below the root the walk's own descriptor; at the root the process's current directory.
    [[nodiscard]] int directoryDescriptor() const {
        return m_levels.empty() ? AT_FDCWD : m_currentFd;
    }

    int borrowEntered() {
        if (m_lent)
            return -1;
        m_lent = true;
        return m_currentFd;
    }

private:
    // Opens a subdirectory of directory that is on the drive root's mount, never through a
    // symbolic link; -1 otherwise. The kernel refuses to cross a mount point itself where it
    // can (openat2), which costs nothing; elsewhere the mount is asked for.
    TALLY_WALK_PATH int openOnRootMount(int directory, const char* name) {
        constexpr int flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        if (!m_asksForMount) {
            open_how how{};
            how.flags = flags;
            how.resolve = RESOLVE_NO_XDEV;
            const long fd = ::syscall(SYS_openat2, directory, name, &how, sizeof how);
            if (fd >= 0 || (errno != ENOSYS && errno != EPERM))
                return static_cast<int>(fd);
            m_asksForMount = true;
        }
        const int fd = ::openat(directory, name, flags);
        const auto place = fd >= 0 ? placeOf(fd) : std::nullopt;
        if (fd >= 0 && (!place || !onRootMount(*place))) {
            const int error = place ? EXDEV : errno;
            ::close(fd);
            errno = error;
            return -1;
        }
        return fd;
    }

    [[nodiscard]] bool onRootMount(const Place& place) const {
        if (place.mountKnown && m_root.mountKnown)
            return place.mount == m_root.mount;
        return place.identity.device == m_root.identity.device;
    }

    TALLY_WALK_PATH bool arrived(const Identity& directory) {
        m_current = directory;
        m_lostAt = noDepth;
        return true;
    }

    // Makes fd (or nothing, for -1) the walk's open directory, closing the one before; one
    // opened afresh may be lent to the listing.
    TALLY_WALK_PATH void setCurrent(int fd, bool fresh = true) {
        if (m_currentFd >= 0 && m_currentFd != fd)
            ::close(m_currentFd);
        m_currentFd = fd;
        m_lent = fd < 0 || !fresh;
    }

    void forgetLevels() {
        for (const Level& level : m_levels)
            if (level.parentFd >= 0)
                ::close(level.parentFd);
        m_levels.clear();
        m_lostAt = noDepth;
    }

    bool adoptCurrentDirectoryAsRoot() {
        char buffer[PATH_MAX];
        if (::getcwd(buffer, sizeof buffer) == nullptr)
            return false;
        return enterRoot(buffer);
    }

    // The name the walk took to enter the level below depth, as it stands in the path.
    [[nodiscard]] std::string nameBelow(std::size_t depth) const {
        std::size_t start = m_levels[depth].pathLength;
        if (m_path[start] == '/')
            ++start;
        const std::size_t end =
            depth + 1 < m_levels.size() ? m_levels[depth + 1].pathLength : m_path.size();
        return m_path.substr(start, end - start);
    }

    // Takes the way to the directory the left level was entered from (target, at the depth the
    // levels now have) again: from the deepest directory still open, down the remembered
    // names, checking every step. When a step fails the walk is lost and stays in the deepest
    // directory the steps proved.
    bool retrace(const Identity& target) {
        const std::size_t depth = m_levels.size();
        std::size_t open = depth;
        while (open > 0 && m_levels[open - 1].parentFd < 0)
            --open;
        if (open == 0) {
            setCurrent(-1);
            return lose(lostWithoutPlace);
        }
        std::size_t proven = open - 1;
        const int kept = m_levels[proven].parentFd; // closed by its level, not here
        int fd = kept;
        for (; proven < depth; ++proven) {
            const Identity wanted = proven + 1 < depth ? m_levels[proven + 1].parent : target;
            const int next = ::openat(fd, nameBelow(proven).c_str(),
                                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0 || identityOf(next) != wanted) {
                if (next >= 0)
                    ::close(next);
                break;
            }
            if (fd != kept)
                ::close(fd);
            fd = next;
        }
        // The level that kept its directory open closes it; the walk holds a copy (which shares
        // its reading position, so it is not lent).
        const int here = fd != kept ? fd : ::fcntl(kept, F_DUPFD_CLOEXEC, 0);
        setCurrent(here, fd != kept);
        if (here >= 0 && proven == depth)
            return arrived(target);
        return lose(here >= 0 ? proven : lostWithoutPlace);
    }

    bool lose(std::size_t provenDepth) {
        m_lostAt = provenDepth;
        qCInfo(walkLog).noquote() << "lost the way back to" << QString::fromLocal8Bit(m_path)
                                  << "(a directory on the way was moved or renamed):"
                                  << "the directories left until the walk is back where it"
                                  << "can prove it is are not counted";
        return false;
    }

    bool m_haveRoot = false;
    // The kernel cannot refuse mount crossings itself (no openat2, or it is filtered out).
    bool m_asksForMount = false;
    int m_currentFd = -1; // the walk's directory, open, or -1
    bool m_lent = true;   // the listing has had m_currentFd already
    Place m_root;
    Identity m_current;
    std::vector<Level> m_levels;
    // The drive's root as the system names it (symbolic links resolved), then "/" and the
    // name of every level.
    std::string m_path;
    // While the walk has lost its way: the depth of the directory it is provably in, or
    // lostWithoutPlace; noDepth otherwise.
    std::size_t m_lostAt = noDepth;
};

TALLY_WALK_PATH WalkPosition& walkPosition() {
    static WalkPosition position;
    return position;
}

} // namespace

bool enterDriveRoot(char letter) {
    const auto directory = driveDirectory(letter);
    return directory && walkPosition().enterRoot(*directory);
}

TALLY_WALK_PATH bool enterDirectory(std::string_view name) {
    return walkPosition().enter(name);
}

TALLY_WALK_PATH bool leaveDirectory() {
    return walkPosition().leave();
}

int borrowEnteredDirectoryDescriptor() {
    return walkPosition().borrowEntered();
}

TALLY_WALK_PATH int walkDirectoryDescriptor() {
    return walkPosition().directoryDescriptor();
}

TALLY_WALK_PATH const std::string& currentDirectory() {
    return walkPosition().currentPath();
}

} // namespace platform
