#pragma once
// One collection run without a window, for tally99-report: the drives of a selection walked in
// order exactly as the statistics window walks them (reset once, overhang only for a single
// drive, the cluster size per drive), with the status text kept instead of shown.
// A folder the user named is walked as the drive letter it was mapped to, but what is said
// about it on stderr names the folder as the user typed it: the letter means nothing to them.

#include "collect/drive_statistics.h"
#include "collect/report.h"
#include "collect/scan_host.h"
#include "platform/hot_path.h"
#include "types/selection_filter.h"

#include <map>
#include <string>
#include <vector>

class ProgressLine;

class ReportRun final : public ScanHost {
public:
    // folders: for each letter mapped to a folder of the user's, that folder as typed.
    explicit ReportRun(SelectionFilter filter, std::map<char, std::string> folders = {});

    // Walks every drive of the selection; false when a drive was not ready or could not be
    // entered (its message has been written to stderr).
    [[nodiscard]] bool run();
    // Keeps a line of progress on a terminal while run() walks (not owned; nullptr for none);
    // the line is erased before every message and when run() returns.
    void showProgressOn(ProgressLine* line) { m_progress = line; }
    // How many drives of the selection were entered and walked; with none, the accumulators
    // hold no result.
    [[nodiscard]] int drivesWalked() const { return m_drivesWalked; }

    [[nodiscard]] const DriveStatistics& statistics() const { return m_stats; }
    [[nodiscard]] const std::string& status() const { return m_status; }
    // The run as a report: its figures, the drives walked (each as it stood before its walk),
    // the selection and the status, written by the stamp's program at its time and host.
    [[nodiscard]] Report report(const ReportStamp& stamp) const;

    [[nodiscard]] const std::string& currentDrive() const override { return m_currentDrive; }
    [[nodiscard]] TALLY_WALK_PATH bool abortRequested() const override { return false; }
    [[nodiscard]] TALLY_WALK_PATH bool isThisSelected(std::string_view fileName) const override {
        return m_filter.isThisSelected(fileName);
    }
    [[nodiscard]] bool overhangEnabled() const override { return m_filter.drives.size() == 1; }
    [[nodiscard]] int chosenDriveCount() const override {
        return static_cast<int>(m_filter.drives.size());
    }
    // The walk sets its status text every third file: the moment to look at the progress line.
    void setStatusText(const std::string& text) override;
    void doFileTypes() override;

private:
    // False, with the reason on stderr, when the folder behind a letter cannot be listed.
    [[nodiscard]] bool folderCanBeEntered(char letter) const;
    void clearProgress() const;

    SelectionFilter m_filter;
    std::map<char, std::string> m_folders;
    DriveStatistics m_stats;
    std::string m_currentDrive;
    std::string m_status;
    int m_drivesWalked = 0;
    ProgressLine* m_progress = nullptr;
    std::vector<ReportTarget> m_targets; // host and time are the report's, set by report()
};
