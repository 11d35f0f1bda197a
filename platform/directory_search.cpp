#include "platform/directory_search.h"

#include "platform/coarse_clock.h"
#include "platform/directory_listing.h"
#include "platform/drive_attributes.h"
#include "platform/hot_path.h"
#include "platform/walk_log.h"
#include "platform/walk_position.h"

#include <array>
#include <cerrno>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace platform {

namespace {

FileTime fileTimeOf(const statx_timestamp& stamp) {
    return fileTimeFromUnix(stamp.tv_sec, stamp.tv_nsec);
}

// Names are never empty.
bool isDotEntry(std::string_view name) {
    return name.size() <= 2 && name.front() == '.' && name.back() == '.';
}

std::uint32_t hiddenOf(std::string_view name) {
    return name.front() == '.' && !isDotEntry(name) ? attrHidden : 0;
}

// By entry type, which is the file mode's four type bits (DT_DIR, DT_LNK, ...): a look-up
// instead of a chain of comparisons on the walk's per-entry path.
constexpr std::array<std::uint32_t, 16> attributesByType = [] {
    std::array<std::uint32_t, 16> byType{};
    byType[DT_DIR] = attrDirectory;
    byType[DT_LNK] = attrReparsePoint;
    for (const unsigned special : {DT_CHR, DT_BLK, DT_FIFO, DT_SOCK})
        byType[special] = attrSystem;
    return byType;
}();

std::uint32_t attributesOfType(unsigned fileType) {
    return fileType < attributesByType.size() ? attributesByType[fileType] : 0;
}

// How often a batch of look-ups asks the coarse clock whether to end.
constexpr std::size_t entriesPerClockRead = 4;

} // namespace

struct DirectorySearch::State {
    DirectoryListing ownListing;
    DirectoryListing* listing = nullptr;
    std::size_t next = 0;
    std::uint32_t skipMask = 0;
    bool withDetails = false;
    unsigned typesExamined = 0; // a bit for each entry type (DT_...) that is examined
    const DriveAttributeSource* driveAttributes = nullptr; // the current drive's, if it has one
    int directory = -1; // the walk's directory, which the names are relative to

    // Fills data from one entry of the given type; false when the entry vanished before it
    // could be examined. Part of the search's loop, the look-up of the status included.
    TALLY_WALK_INLINE bool describe(std::size_t index, unsigned fileType, FindData& data) {
        data.name = listing->name(index);
        if (fileType == DT_UNKNOWN || (withDetails && fileType != DT_DIR))
            return describeFromStatus(index, data);
        data.attributes = attributesOfType(fileType) | hiddenOf(data.name);
        clearDetails(data);
        takeDriveAttributes(index, fileType, data);
        return true;
    }

    // The same for an entry whose type the listing does not give, or whose details are asked
    // for.
    TALLY_WALK_INLINE bool describeFromStatus(std::size_t index, FindData& data) {
        // Only the fields the walk uses, so that file systems that must fetch the others
        // (network ones) are not asked for them.
        const unsigned mask = withDetails ? STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME |
                                                STATX_MTIME | STATX_BTIME
                                          : STATX_TYPE;
        struct statx status;
        if (::statx(directory, listing->cName(index), AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC,
                    mask, &status) != 0) {
            logWalkFailure("cannot read the status of", currentDirectory(), data.name, errno);
            return false;
        }
        const unsigned fileType = IFTODT(status.stx_mode);
        data.attributes = attributesOfType(fileType) | hiddenOf(data.name);
        if (withDetails && fileType != DT_DIR) {
            if ((status.stx_mode & 0222) == 0 && fileType != DT_LNK)
                data.attributes |= attrReadOnly;
            data.size = fileType == DT_REG ? status.stx_size : 0;
            data.lastWriteTime = fileTimeOf(status.stx_mtime);
            data.lastAccessTime = fileTimeOf(status.stx_atime);
            data.creationTime =
                (status.stx_mask & STATX_BTIME) != 0 ? fileTimeOf(status.stx_btime) : 0;
        } else {
            clearDetails(data);
        }
        takeDriveAttributes(index, fileType, data);
        return true;
    }

    static void clearDetails(FindData& data) {
        data.size = 0;
        data.creationTime = data.lastAccessTime = data.lastWriteTime = 0;
    }

    // On a drive that keeps attributes: folders in every search (whether the walk enters them
    // depends on it), files when details are asked for; never links or special files.
    void takeDriveAttributes(std::size_t index, unsigned fileType, FindData& data) const {
        if (driveAttributes == nullptr)
            return;
        const bool isDirectory = fileType == DT_DIR;
        if (isDotEntry(data.name) || !(isDirectory || (withDetails && fileType == DT_REG)))
            return;
        if (const auto kept =
                driveAttributes->attributesOf(directory, listing->cName(index), isDirectory))
            data.attributes = withDriveAttributes(data.attributes, *kept);
    }

    void start(DirectoryListing& listed, std::uint32_t skip, bool details, bool subdirectories) {
        listing = &listed;
        next = 0;
        skipMask = skip;
        withDetails = details;
        // Which entry types are examined at all: a search for subdirectories only passes over
        // what the listing says is something else, and a directory's attribute word always
        // has the directory bit, so with that bit in skipMask one named as a directory is
        // passed over unexamined.
        typesExamined = 0xFFFF;
        if (subdirectories)
            typesExamined = (1u << DT_DIR) | (1u << DT_UNKNOWN);
        if ((skip & attrDirectory) != 0)
            typesExamined &= ~(1u << DT_DIR);
        driveAttributes = driveAttributeSource();
        directory = walkDirectoryDescriptor();
    }

    // Examines entries into found until it holds capacity of them, the listing ends or the
    // clock moves on; how many. A partial listing's next batch is read only before anything is
    // found, since reading it replaces the names that what was found shows.
    TALLY_WALK_INLINE std::size_t find(FindData* found, std::size_t capacity) {
        DirectoryListing* const listed = listing;
        if (listed == nullptr)
            return 0;
        const unsigned examined = typesExamined;
        // A batch with details may wait for the disk from its first look-up: timed from its
        // start. One without is mostly a matter of names and needs no clock before it has
        // looked a few entries up (a small directory never reads it).
        std::int64_t began = withDetails ? coarseNow() : 0;
        std::size_t count = 0;
        for (;;) {
            const std::size_t size = listed->size();
            std::size_t index = next;
            while (count < capacity) {
                // Passing over what is not examined costs a test an entry.
                while (index < size && ((examined >> (listed->type(index) & 0xF)) & 1) == 0)
                    ++index;
                if (index == size)
                    break;
                FindData& data = found[count];
                const bool taken =
                    describe(index, listed->type(index), data) && (data.attributes & skipMask) == 0;
                ++index;
                // On a cold cache each look-up may wait for the disk: the batch ends once the
                // clock has moved on, so that the caller soon lets the window run and sees an
                // abort.
                if (taken && ++count % entriesPerClockRead == 0) {
                    const std::int64_t now = coarseNow();
                    if (began != 0 && now != began)
                        break;
                    began = now;
                }
            }
            next = index;
            if (count > 0 || index < size || !listed->readMore())
                return count;
            next = 0;
        }
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
    return start(listing, skipMask, withDetails, false);
}

bool DirectorySearch::findFirstSubdirectory(DirectoryListing& listing, std::uint32_t skipMask) {
    return start(listing, skipMask, false, true);
}

TALLY_WALK_INLINE bool DirectorySearch::start(DirectoryListing& listing, std::uint32_t skipMask,
                                              bool withDetails, bool subdirectoriesOnly) {
    m_state->start(listing, skipMask, withDetails, subdirectoriesOnly);
    return findMore();
}

TALLY_WALK_PATH bool DirectorySearch::findMore() {
    m_at = 0;
    m_count = m_state->find(m_found.data(), m_found.size());
    if (m_count > 0)
        return true;
    m_found[0] = FindData{};
    return false;
}

void DirectorySearch::close() {
    m_state->listing = nullptr;
    m_state->next = 0;
    m_at = m_count = 0;
    m_found[0] = FindData{};
}

} // namespace platform
