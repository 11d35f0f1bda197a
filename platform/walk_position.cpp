// The current directory as the walk moves it. Entering a directory remembers the (device,
// inode) of the directory left and the name taken; leaving goes to ".." and checks that it is
// the remembered directory. When it is not (the directory was moved meanwhile), the way down is
// taken again from the drive root by the remembered names, each step checked. No descriptor is
// held per level and nothing recurses, so depth costs only the names.

#include "platform/directory_search.h"
#include "platform/drives.h"

#include <climits>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

struct Identity {
    dev_t device = 0;
    ino_t inode = 0;

    [[nodiscard]] bool operator==(const Identity&) const = default;
};

struct Level {
    Identity parent; // the directory this level was entered from
    std::string name;
};

class WalkPosition final {
public:
    bool enterRoot(const std::string& directory) {
        const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        struct stat status {};
        const bool ok = ::fstat(fd, &status) == 0 && ::fchdir(fd) == 0;
        ::close(fd);
        if (!ok) {
            return false;
        }
        m_rootPath = directory;
        m_root = {status.st_dev, status.st_ino};
        m_current = m_root;
        m_levels.clear();
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
        const std::string fileName(name);
        const int fd =
            ::openat(AT_FDCWD, fileName.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            return false;
        }
        struct stat status {};
        const bool ok =
            ::fstat(fd, &status) == 0 && status.st_dev == m_root.device && ::fchdir(fd) == 0;
        ::close(fd);
        if (!ok) {
            return false;
        }
        m_levels.push_back({m_current, fileName});
        m_current = {status.st_dev, status.st_ino};
        return true;
    }

    void leave() {
        if (m_levels.empty()) {
            return;
        }
        const Identity expected = m_levels.back().parent;
        m_levels.pop_back();
        if (::chdir("..") == 0 && identityOf(".") == expected) {
            m_current = expected;
            return;
        }
        walkDownFromRoot(expected);
    }

    std::string currentPath() const {
        // The system call itself: the C library's getcwd falls back to reading every directory
        // up to the root when the path is longer than PATH_MAX, once per call.
        char buffer[PATH_MAX];
        if (::syscall(SYS_getcwd, buffer, sizeof buffer) > 0 && buffer[0] == '/') {
            return buffer;
        }
        if (!m_haveRoot) {
            return {};
        }
        // Deeper than PATH_MAX: the path as the walk went down.
        std::string path = m_rootPath;
        for (const auto& level : m_levels) {
            if (path.empty() || path.back() != '/') {
                path += '/';
            }
            path += level.name;
        }
        return path;
    }

private:
    static Identity identityOf(const char* path) {
        struct stat status {};
        if (::stat(path, &status) != 0) {
            return {};
        }
        return {status.st_dev, status.st_ino};
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
            Identity{status.st_dev, status.st_ino} != m_root) {
            if (fd >= 0) {
                ::close(fd);
            }
            return;
        }
        Identity reached = m_root;
        for (std::size_t i = 0; i < m_levels.size(); ++i) {
            const Identity wanted = i + 1 < m_levels.size() ? m_levels[i + 1].parent : target;
            const int next = ::openat(fd, m_levels[i].name.c_str(),
                                      O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (next < 0 || ::fstat(next, &status) != 0 ||
                Identity{status.st_dev, status.st_ino} != wanted) {
                if (next >= 0) {
                    ::close(next);
                }
                m_levels.resize(i);
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
    Identity m_root;
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

std::string currentDirectory() {
    return walkPosition().currentPath();
}

} // namespace platform
