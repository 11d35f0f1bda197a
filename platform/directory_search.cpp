#include "platform/directory_search.h"

#include "platform/directory_listing.h"
#include "platform/drive_attributes.h"
#include "platform/walk_log.h"
#include "platform/walk_position.h"

#include <cerrno>

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
    DirectoryListing ownListing;
    DirectoryListing* listing = nullptr;
    std::size_t next = 0;
    std::uint32_t skipMask = 0;
    bool withDetails = false;
    bool subdirectoriesOnly = false;
    const DriveAttributeSource* driveAttributes = nullptr; // the current drive's, if it has one
    int directory = -1; // the walk's directory, which the names are relative to
    FindData data;

    // Fills data from one entry; false when the entry vanished before it could be examined.
    bool describe(std::size_t index) {
        data.name = listing->name(index);
        data.size = 0;
        data.creationTime = data.lastAccessTime = data.lastWriteTime = 0;
        unsigned fileType = listing->type(index);
        const bool needStatus = fileType == DT_UNKNOWN || (withDetails && fileType != DT_DIR);
        // Filled by statx whenever it is read below: only details ask for more than the type.
        struct statx status;
        if (needStatus) {
            // Only the fields the walk uses, so that file systems that must fetch the others
            // (network ones) are not asked for them.
            const unsigned mask = withDetails ? STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME |
                                                    STATX_MTIME | STATX_BTIME
                                              : STATX_TYPE;
            if (::statx(directory, listing->cName(index), AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC,
                        mask, &status) != 0) {
                logWalkFailure("cannot read the status of", currentDirectory(), data.name, errno);
                return false;
            }
            fileType = IFTODT(status.stx_mode);
        }
        data.attributes = attributesOfType(fileType);
        if (data.name.front() == '.' && !isDotEntry(data.name))
            data.attributes |= attrHidden;
        if (withDetails && fileType != DT_DIR) {
            if ((status.stx_mode & 0222) == 0 && fileType != DT_LNK)
                data.attributes |= attrReadOnly;
            if (fileType == DT_REG)
                data.size = status.stx_size;
            data.lastWriteTime = fileTimeOf(status.stx_mtime);
            data.lastAccessTime = fileTimeOf(status.stx_atime);
            if ((status.stx_mask & STATX_BTIME) != 0)
                data.creationTime = fileTimeOf(status.stx_btime);
        }
        if (driveAttributes != nullptr)
            takeDriveAttributes(index, fileType);
        return true;
    }

    // On a drive that keeps attributes: folders in every search (whether the walk enters them
    // depends on it), files when details are asked for; never links or special files.
    void takeDriveAttributes(std::size_t index, unsigned fileType) {
        const bool isDirectory = fileType == DT_DIR;
        if (isDotEntry(data.name) || !(isDirectory || (withDetails && fileType == DT_REG)))
            return;
        if (const auto kept =
                driveAttributes->attributesOf(directory, listing->cName(index), isDirectory))
            data.attributes = withDriveAttributes(data.attributes, *kept);
    }

    bool start(DirectoryListing& listed, std::uint32_t skip, bool details, bool subdirectories) {
        listing = &listed;
        next = 0;
        skipMask = skip;
        withDetails = details;
        subdirectoriesOnly = subdirectories;
        driveAttributes = driveAttributeSource();
        directory = walkDirectoryDescriptor();
        return advance();
    }

    bool advance() {
        while (listing != nullptr) {
            if (next < listing->size()) {
                const std::size_t index = next++;
                if (subdirectoriesOnly && listing->type(index) != DT_DIR &&
                    listing->type(index) != DT_UNKNOWN)
                    continue;
                if (describe(index) && (data.attributes & skipMask) == 0)
                    return true;
            } else if (listing->readMore()) {
                next = 0;
            } else {
                break;
            }
        }
        data = FindData{};
        return false;
    }
};

DirectorySearch::DirectorySearch() : m_state(std::make_unique<State>()) {}

DirectorySearch::~DirectorySearch() = default;

bool DirectorySearch::findFirst(std::uint32_t skipMask, bool withDetails) {
    close();
    if (!m_state->ownListing.read())
        return false;
    return findFirst(m_state->ownListing, skipMask, withDetails);
}

bool DirectorySearch::findFirst(DirectoryListing& listing, std::uint32_t skipMask,
                                bool withDetails) {
    return m_state->start(listing, skipMask, withDetails, false);
}

bool DirectorySearch::findFirstSubdirectory(DirectoryListing& listing, std::uint32_t skipMask) {
    return m_state->start(listing, skipMask, false, true);
}

bool DirectorySearch::findNext() {
    return m_state->advance();
}

const FindData& DirectorySearch::data() const {
    return m_state->data;
}

void DirectorySearch::close() {
    m_state->listing = nullptr;
    m_state->next = 0;
    m_state->data = FindData{};
}

} // namespace platform
