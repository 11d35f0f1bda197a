#include "collect/drive_scan.h"

#include "app/helpers.h"
#include "dates/age_classes.h"
#include "dates/hour_slots.h"
#include "platform/directory_listing.h"
#include "platform/directory_search.h"
#include "platform/drives.h"
#include "platform/file_time.h"
#include "space/attribute_stats.h"
#include "space/overhang.h"
#include "space/size_classes.h"

#include <vector>

namespace {

FileRecord recordOf(const platform::FindData& data) {
    return FileRecord{data.name,           static_cast<std::int64_t>(data.size),
                      data.attributes,     data.creationTime,
                      data.lastAccessTime, data.lastWriteTime};
}

} // namespace

DriveScan::DriveScan(DriveStatistics& stats, ScanHost& host) : m_stats(stats), m_host(host) {}

bool DriveScan::stopping() const {
    return m_host.abortRequested() || m_host.applicationTerminating();
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
    m_host.SortbyExtensionClick();

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

void DriveScan::scan_dir() {
    // One frame per directory being walked: its path, its entries (read once: the subdirectories
    // are found in them, and after those have been walked the files are taken from them), the
    // names of the subdirectories and the next one to walk.
    struct Frame {
        std::string path;
        platform::DirectoryListing listing;
        std::vector<std::string> subdirectories;
        std::size_t next = 0;
    };
    constexpr std::uint32_t skipInDirectoryPass =
        platform::attrHidden | platform::attrSystem | platform::attrVolumeLabel;

    // Frames are kept when a directory is done and reused for the next one at that depth, so
    // that their buffers are not allocated again for every directory.
    std::vector<Frame> stack;
    std::size_t depth = 0;
    auto openFrame = [&] {
        if (depth == stack.size())
            stack.emplace_back();
        Frame& frame = stack[depth++];
        frame.path = platform::currentDirectory();
        frame.subdirectories.clear();
        frame.next = 0;
        frame.listing.clear();
        if (stopping() || !frame.listing.read())
            return;
        platform::DirectorySearch search;
        if (!search.findFirst(frame.listing, skipInDirectoryPass, false))
            return;
        do {
            const FileRecord entry = recordOf(search.data());
            if (classifyEntry(entry) == EntryKind::Directory)
                frame.subdirectories.emplace_back(entry.name);
        } while (!stopping() && search.findNext());
    };

    openFrame();
    while (depth > 0) {
        Frame& top = stack[depth - 1];
        if (!stopping() && top.next < top.subdirectories.size()) {
            const std::string& name = top.subdirectories[top.next++];
            if (platform::enterDirectory(name))
                openFrame();
            continue;
        }
        scanfiles(top.path, top.listing);
        --depth;
        if (depth > 0)
            platform::leaveDirectory();
    }
}

void DriveScan::scanfiles(const std::string& path, const platform::DirectoryListing& listing) {
    if (stopping())
        return;
    m_statusPath = nullptr;
    platform::DirectorySearch search;
    if (!search.findFirst(listing, 0, true))
        return;
    const FileRecord first = recordOf(search.data());
    if (classifyEntry(first) == EntryKind::File) {
        crunchNumbers(path, first);
        m_stats.filesFound += 1;
    }
    while (!stopping() && search.findNext()) {
        const FileRecord entry = recordOf(search.data());
        if (classifyEntry(entry) == EntryKind::File) {
            crunchNumbers(path, entry);
            m_stats.filesFound += 1;
        }
        m_host.pumpMessages();
    }
}

void DriveScan::crunchNumbers(const std::string& path, const FileRecord& record) {
    if (m_stats.filesFound % 3 == 0) {
        // The text changes only with the directory: build it once per directory (scanfiles
        // forgets it), hand it over every third file.
        if (m_statusPath != &path) {
            m_statusText = "Processing drive " + m_host.currentDrive() + " ... standby : " + path;
            m_statusPath = &path;
        }
        m_host.setStatusText(m_statusText);
    }
    if (!m_host.isThisSelected(record.name))
        return;
    m_stats.filesSelected += 1;

    collectFileAttr(m_stats, record.attributes, record.size);

    const PackedDateTime created = createDosTime(record);
    const PackedDateTime modified = modifyDosTime(record);
    const PackedDateTime accessed = accessDosTime(record);
    DropIntoHourSlot(m_stats, created, modified, accessed);

    const std::size_t dot = record.name.rfind('.');
    const std::string_view extension =
        dot == std::string_view::npos ? std::string_view() : record.name.substr(dot);

    if (m_today == 0)
        m_today = platform::todayLocalDayNumber();
    updateAges(m_stats, accessed, created, modified, record.size, m_today);
    m_stats.fileTypes.insertType(extension, record.size, false);
    updateSizeClass(m_stats, record.size);
    if (m_host.overhangEnabled())
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
