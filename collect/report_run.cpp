#include "collect/report_run.h"

#include "app/helpers.h"
#include "collect/drive_scan.h"
#include "collect/progress_line.h"
#include "platform/directory_search.h"
#include "platform/drives.h"
#include "platform/hot_path.h"
#include "platform/message_hook.h"
#include "space/overhang.h"
#include "types/type_entry.h"

#include <cstdio>
#include <filesystem>

namespace {

// Why a drive's directory cannot be listed; none when it can. The walk opens a drive's root
// the same way, so what fails here would fail there.
std::error_code listingError(const std::optional<std::string>& directory) {
    if (!directory)
        return std::make_error_code(std::errc::no_such_file_or_directory);
    std::error_code error;
    const std::filesystem::directory_iterator listing(*directory, error);
    return error;
}

// A file system that claims more than a report can carry exactly (no real one comes near
// 8 PiB) is recorded at that limit.
std::int64_t sizeForReport(std::uint64_t bytes) {
    return bytes > std::uint64_t(maxExactFigure) ? maxExactFigure
                                                 : static_cast<std::int64_t>(bytes);
}

ReportTarget targetBeforeWalk(char letter, std::int32_t clusterSize) {
    ReportTarget target;
    target.folder = platform::driveDirectory(letter).value_or(std::string());
    target.drive = static_cast<char>(letter | 0x20);
    if (const auto space = platform::diskFreeSpace(letter)) {
        target.totalBytes = sizeForReport(space->totalBytes);
        target.freeBytes = sizeForReport(space->freeBytes);
    }
    target.clusterSize = clusterSize;
    return target;
}

} // namespace

ReportRun::ReportRun(SelectionFilter filter, std::map<char, std::string> folders)
    : m_filter(std::move(filter)), m_folders(std::move(folders)) {}

bool ReportRun::run() {
    bool failed = false;
    bool driveFailed = false;
    platform::setMessageHook([this, &driveFailed](platform::MessageKind kind,
                                                  const std::string& title,
                                                  const std::string& text) {
        driveFailed = driveFailed || kind == platform::MessageKind::Error;
        clearProgress();
        std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
        return platform::MessageResult::Ok;
    });
    m_stats.clearVariables(nullptr);
    m_drivesWalked = 0;
    m_targets.clear();
    for (const auto& drive : m_filter.drives) {
        m_currentDrive = drive;
        if (!drive.empty() && !folderCanBeEntered(drive.front())) {
            failed = true;
            continue;
        }
        if (drive.empty() || !driveReady(drive.front())) {
            clearProgress();
            std::fprintf(stderr, "Drive %s is not ready\n", drive.c_str());
            failed = true;
            continue;
        }
        computeClusterSize(m_stats, drive);
        const ReportTarget target = targetBeforeWalk(drive.front(), m_stats.clusterSize);
        driveFailed = false;
        DriveScan(m_stats, *this).scan();
        if (driveFailed) {
            failed = true;
        } else {
            ++m_drivesWalked;
            m_targets.push_back(target);
        }
    }
    platform::setMessageHook({});
    clearProgress();
    return !failed;
}

TALLY_WALK_PATH void ReportRun::setStatusText(const std::string& text) {
    m_status = text;
    // The empty text that starts each drive comes before the walk is on the drive.
    if (m_progress != nullptr && !text.empty() && m_progress->due())
        m_progress->show(m_stats.filesFound, platform::currentDirectory());
}

void ReportRun::clearProgress() const {
    if (m_progress != nullptr)
        m_progress->clear();
}

bool ReportRun::folderCanBeEntered(char letter) const {
    const auto folder = m_folders.find(letter);
    if (folder == m_folders.end())
        return true;
    const std::error_code error = listingError(platform::driveDirectory(letter));
    if (!error)
        return true;
    clearProgress();
    std::fprintf(stderr, "tally99-report: cannot enter folder %s: %s\n", folder->second.c_str(),
                 error.message().c_str());
    return false;
}

void ReportRun::doFileTypes() {
    // A run over chosen types lists every chosen type, with no files if none was found.
    if (!m_filter.includeTypes)
        return;
    for (const auto& entry : m_filter.typeEntries())
        m_stats.fileTypes.insertType(extractExtension(entry), 0, true);
}

Report ReportRun::report(const ReportStamp& stamp) const {
    Report report;
    report.stamp(stamp);
    for (ReportTarget target : m_targets) {
        target.host = stamp.host;
        target.created = stamp.created;
        report.targets.push_back(std::move(target));
    }
    report.selection = selectionOf(m_filter);
    report.status = m_status;
    const std::string leftOut =
        overhangEnabled() ? std::string()
                          : "the run covered " + std::to_string(chosenDriveCount()) + " drives";
    report.figures = figuresOf(m_stats, leftOut);
    return report;
}
