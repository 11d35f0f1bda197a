#pragma once
// The walk over one drive: depth-first through the current directory, every subdirectory of a
// directory before that directory's own files, every file classified, counted and fed into the
// accumulators in a fixed order, and afterwards every page filled from them.
//
// The walk never follows a symbolic link, never leaves the mount of the drive's root (another
// file system or a bind mount), never opens a special file and keeps its own stack of
// directories rather than recursing, a few dozen bytes a level, so a chain of any depth is
// safe. A directory it cannot prove it got back into (deep down, moved and renamed under it)
// is skipped like one that cannot be entered, so no file is counted twice or from another
// directory. Per file it allocates nothing and builds no path: one statx (inside the
// directory search), one pass through the updates, the pump.

#include "collect/drive_statistics.h"
#include "collect/file_record.h"
#include "collect/scan_host.h"
#include "platform/directory_listing.h"
#include "platform/directory_search.h"
#include "platform/read_ahead.h"

#include <cstdint>
#include <optional>
#include <string>

class DriveScan final {
public:
    DriveScan(DriveStatistics& stats, ScanHost& host);

    // One drive's whole collection: the walk of host.currentDrive() and the page fills.
    void scan();
    // Enters the root of the current drive and walks it.
    void ScanAllDrives();
    // Walks the current directory and everything below it.
    void scan_dir();
    // Counts the current directory's files from its listing; path is only for the status text.
    // With subdirectories, also appends the names of the subdirectories to walk there (each
    // followed by a zero), for a listing that can be gone through only once.
    void scanfiles(const std::string& path, platform::DirectoryListing& listing,
                   std::string* subdirectories);
    // Feeds one file into the accumulators.
    void crunchNumbers(const std::string& path, const FileRecord& record);
    // What the walk keeps of directory listings, in bytes, before it reads a directory in
    // batches (tests make it small).
    void setListingBudget(std::size_t bytes) { m_listingBudget = bytes; }
    // How the walk reads ahead for a cold cache; std::nullopt switches it off. On by default unless
    // TALLY99_READ_AHEAD=0.
    void setReadAhead(std::optional<platform::ReadAhead::Settings> settings) {
        m_readAhead = settings;
    }

private:
    // Asked before every entry: inline, so that it costs the two questions to the host only.
    [[nodiscard]] bool stopping() const {
        return m_host.abortRequested() || m_host.applicationTerminating();
    }
    void countEntry(const std::string& path, const FileRecord& entry, std::string* subdirectories);

    DriveStatistics& m_stats;
    ScanHost& m_host;
    bool m_countOverhang;
    // One search for every listing of the walk (each directory's two passes), so that a
    // directory costs no allocation for it.
    platform::DirectorySearch m_search;
    std::size_t m_listingBudget = platform::DirectoryListing::defaultKeptBytes;
    std::optional<platform::ReadAhead::Settings> m_readAhead;
    std::int64_t m_today = 0;
    // "Processing drive ... standby : <path>", built once per directory.
    std::string m_statusText;
    const std::string* m_statusPath = nullptr;
};

struct DriveSpace {
    double freeBytes = 0;
    double totalBytes = 0;
};

// Free and total bytes of a drive root such as "c:\"; 0 and 0 when the drive cannot be asked.
[[nodiscard]] DriveSpace diskSpace(const std::string& rootPath);
