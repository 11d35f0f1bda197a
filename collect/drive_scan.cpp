#include "collect/drive_scan.h"

#include "app/helpers.h"
#include "dates/age_classes.h"
#include "dates/hour_slots.h"
#include "platform/directory_listing.h"
#include "platform/directory_search.h"
#include "platform/drives.h"
#include "platform/file_time.h"
#include "platform/hot_path.h"
#include "platform/read_ahead.h"
#include "space/attribute_stats.h"
#include "space/overhang.h"
#include "space/size_classes.h"

#include <optional>
#include <string_view>
#include <vector>

namespace {

// Subdirectories that the walk does not enter.
constexpr std::uint32_t skipInDirectoryPass =
    platform::attrHidden | platform::attrSystem | platform::attrVolumeLabel;

FileRecord recordOf(const platform::FindData& data) {
    return FileRecord{data.name,           static_cast<std::int64_t>(data.size),
                      data.attributes,     data.creationTime,
                      data.lastAccessTime, data.lastWriteTime};
}

} // namespace

// Which drives are chosen does not change during a walk: whether to keep the overhang sums is
// asked once, not per file.
DriveScan::DriveScan(DriveStatistics& stats, ScanHost& host)
    : m_stats(stats), m_host(host), m_countOverhang(host.overhangEnabled()) {
    if (platform::ReadAhead::wanted())
        m_readAhead = platform::ReadAhead::Settings{};
}

void DriveScan::scan() {
    m_host.setStatusText({});
    m_host.disenable(false);
    m_host.setBusyCursor(true);
    m_today = platform::todayLocalDayNumber();

    ScanAllDrives();

    if (m_host.chosenDriveCount() == 1)
        m_host.doOverHang();
    m_host.doFileTypes();
    m_host.doFileSizes();
    m_host.doFileAttrs();
    m_host.fillGridDates(DateKind::Accessed);
    m_host.fillGridDates(DateKind::Created);
    m_host.fillGridDates(DateKind::Modified);
    m_host.fillCombinedGridDates();
    m_host.doFileTimes();
    m_host.doFileAges();
    m_host.sortTypesByExtension();

    std::string status = "Finished - " + formatCount(m_stats.filesFound) + " files processed";
    if (m_stats.filesSelected != m_stats.filesFound)
        status += " " + formatCount(m_stats.filesSelected) + " files found";
    if (m_host.abortRequested())
        status += " INCOMPLETE ... ABORTED";
    m_host.setStatusText(status);

    m_host.setBusyCursor(false);
    m_host.disenable(true);
}

void DriveScan::ScanAllDrives() {
    const std::string& drive = m_host.currentDrive();
    if (drive.empty() || !driveReady(drive.front()))
        return;
    if (!platform::enterDriveRoot(drive.front())) {
        showError("Can't open drive " + drive);
        return;
    }
    scan_dir();
}

TALLY_WALK_PATH void DriveScan::scan_dir() {
    // The walk's own stack, one frame per directory being walked, kept lean because a chain
    // of folders may be 100,000 deep: the directories' entries are read once into one stack
    // of listings (the subdirectories are found in them, and after those have been walked the
    // files are taken from them), and the names of the subdirectories still to walk are kept
    // back to back in one buffer.
    struct Frame {
        std::size_t firstName; // this directory's subdirectory names in `names`
        std::size_t nextName;
        bool lost = false;    // the walk could not prove it got back here: nothing more is done
        bool counted = false; // its files were counted while its listing was read
    };

    platform::DirectoryListing listings(m_listingBudget);
    std::string names;
    std::vector<Frame> stack;
    // Started here, ended (its threads joined) when the walk returns, abort or quit included.
    std::optional<platform::ReadAhead> readAhead;
    if (m_readAhead)
        readAhead.emplace(platform::currentDirectory(), *m_readAhead);
    // Inlined, as TALLY_WALK_INLINE would have it: it reads the directory just entered.
    auto openFrame = [&]() __attribute__((always_inline)) {
        if (readAhead)
            readAhead->entered();
        stack.push_back({names.size(), names.size()});
        if (!listings.push() || stopping())
            return;
        if (listings.partial()) {
            // Too large to keep: one pass counts the files and finds the subdirectories.
            stack.back().counted = true;
            scanfiles(platform::currentDirectory(), listings, &names);
            return;
        }
        if (!m_search.findFirstSubdirectory(listings, skipInDirectoryPass))
            return;
        do {
            const FileRecord entry = recordOf(m_search.data());
            if (classifyEntry(entry) == EntryKind::Directory)
                names.append(entry.name).push_back('\0');
        } while (!stopping() && m_search.findNext());
    };

    openFrame();
    while (!stack.empty()) {
        Frame& top = stack.back();
        if (!top.lost && !stopping() && top.nextName < names.size()) {
            const std::string_view name(names.data() + top.nextName);
            top.nextName += name.size() + 1;
            if (platform::enterDirectory(name))
                openFrame();
            continue;
        }
        if (!top.lost && !top.counted)
            scanfiles(platform::currentDirectory(), listings, nullptr);
        names.resize(top.firstName);
        listings.pop();
        stack.pop_back();
        // A directory the walk cannot prove it is back in is skipped like one that cannot be
        // entered: its files would be looked up in another directory.
        if (!stack.empty() && !platform::leaveDirectory())
            stack.back().lost = true;
    }
}

TALLY_WALK_PATH void DriveScan::scanfiles(const std::string& path,
                                          platform::DirectoryListing& listing,
                                          std::string* subdirectories) {
    if (stopping())
        return;
    m_statusPath = nullptr;
    // A whole listing's subdirectories were taken in a pass of their own.
    const std::uint32_t skipMask = subdirectories == nullptr ? platform::attrDirectory : 0;
    if (!m_search.findFirst(listing, skipMask, true))
        return;
    do {
        countEntry(path, recordOf(m_search.data()), subdirectories);
        m_host.pumpMessages();
    } while (!stopping() && m_search.findNext());
}

TALLY_WALK_PATH void DriveScan::countEntry(const std::string& path, const FileRecord& entry,
                                           std::string* subdirectories) {
    const EntryKind kind = classifyEntry(entry);
    if (kind == EntryKind::File) {
        crunchNumbers(path, entry);
        m_stats.filesFound += 1;
    } else if (subdirectories != nullptr && kind == EntryKind::Directory &&
               (entry.attributes & skipInDirectoryPass) == 0) {
        subdirectories->append(entry.name).push_back('\0');
    }
}

TALLY_WALK_PATH void DriveScan::crunchNumbers(const std::string& path, const FileRecord& record) {
    if (m_stats.filesFound % 3 == 0) {
        // The text changes only with the directory: build it once per directory (scanfiles
        // forgets it) in the same buffer, hand it over every third file.
        if (m_statusPath != &path) {
            m_statusText.assign("Processing drive ")
                .append(m_host.currentDrive())
                .append(" ... standby : ")
                .append(path);
            m_statusPath = &path;
        }
        m_host.setStatusText(m_statusText);
    }
    if (!m_host.isThisSelected(record.name))
        return;
    m_stats.filesSelected += 1;

    collectFileAttr(m_stats, record.attributes, record.size);

    const platform::LocalStamp created = createDosTime(record);
    const platform::LocalStamp modified = modifyDosTime(record);
    const platform::LocalStamp accessed = accessDosTime(record);
    DropIntoHourSlot(m_stats, created, modified, accessed);

    const std::size_t dot = record.name.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : record.name.substr(dot);

    if (m_today == 0)
        m_today = platform::todayLocalDayNumber();
    updateAges(m_stats, accessed, created, modified, record.size, m_today);
    m_stats.fileTypes.insertType(extension, record.size, false);
    updateSizeClass(m_stats, record.size);
    if (m_countOverhang)
        updateOverhang(m_stats, record.size);
}

DriveSpace diskSpace(const std::string& rootPath) {
    if (rootPath.empty())
        return {};
    const auto space = platform::diskFreeSpace(rootPath.front());
    if (!space)
        return {};
    return {static_cast<double>(space->freeBytes), static_cast<double>(space->totalBytes)};
}
