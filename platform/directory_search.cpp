#include "platform/directory_search.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

namespace {

FileTime fileTimeOf(const statx_timestamp& stamp) {
    return fileTimeFromUnix(stamp.tv_sec, stamp.tv_nsec);
}

bool isDotEntry(std::string_view name) {
    return name == "." || name == "..";
}

std::uint32_t attributesOfType(unsigned fileType) {
    switch (fileType) {
    case DT_DIR:
        return attrDirectory;
    case DT_LNK:
        return attrReparsePoint;
    case DT_CHR:
    case DT_BLK:
    case DT_FIFO:
    case DT_SOCK:
        return attrSystem;
    default:
        return 0;
    }
}

} // namespace

struct DirectorySearch::State {
    DIR* dir = nullptr;
    std::uint32_t skipMask = 0;
    bool withDetails = false;
    FindData data;

    // Fills data from one entry; false when the entry vanished before it could be examined.
    bool describe(const dirent& entry) {
        data = FindData{};
        data.name = entry.d_name;
        unsigned fileType = entry.d_type;
        const bool needStatus = fileType == DT_UNKNOWN || (withDetails && fileType != DT_DIR);
        struct statx status {};
        if (needStatus) {
            const unsigned mask = withDetails ? STATX_BASIC_STATS | STATX_BTIME : STATX_TYPE;
            if (::statx(::dirfd(dir), entry.d_name, AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC, mask,
                        &status) != 0) {
                return false;
            }
            fileType = IFTODT(status.stx_mode);
        }
        data.attributes = attributesOfType(fileType);
        if (data.name.front() == '.' && !isDotEntry(data.name)) {
            data.attributes |= attrHidden;
        }
        if (!withDetails || fileType == DT_DIR) {
            return true;
        }
        if ((status.stx_mode & 0222) == 0 && fileType != DT_LNK) {
            data.attributes |= attrReadOnly;
        }
        if (fileType == DT_REG) {
            data.size = status.stx_size;
        }
        data.lastWriteTime = fileTimeOf(status.stx_mtime);
        data.lastAccessTime = fileTimeOf(status.stx_atime);
        if ((status.stx_mask & STATX_BTIME) != 0) {
            data.creationTime = fileTimeOf(status.stx_btime);
        }
        return true;
    }

    bool advance() {
        if (dir == nullptr) {
            return false;
        }
        while (const dirent* entry = ::readdir(dir)) {
            if (describe(*entry) && (data.attributes & skipMask) == 0) {
                return true;
            }
        }
        data = FindData{};
        return false;
    }
};

DirectorySearch::DirectorySearch() : m_state(std::make_unique<State>()) {}

DirectorySearch::~DirectorySearch() {
    close();
}

bool DirectorySearch::findFirst(std::uint32_t skipMask, bool withDetails) {
    close();
    m_state->dir = ::opendir(".");
    m_state->skipMask = skipMask;
    m_state->withDetails = withDetails;
    return m_state->advance();
}

bool DirectorySearch::findNext() {
    return m_state->advance();
}

const FindData& DirectorySearch::data() const {
    return m_state->data;
}

void DirectorySearch::close() {
    if (m_state->dir != nullptr) {
        ::closedir(m_state->dir);
        m_state->dir = nullptr;
    }
    m_state->data = FindData{};
}

} // namespace platform
