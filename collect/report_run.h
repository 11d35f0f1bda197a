#pragma once
// One collection run without a window, for tally99-report: the drives of a selection walked in
// order exactly as the statistics window walks them (reset once, overhang only for a single
// drive, the cluster size per drive), with the status text kept instead of shown.

#include "collect/drive_statistics.h"
#include "collect/scan_host.h"
#include "types/selection_filter.h"

#include <string>

class ReportRun final : public ScanHost {
public:
    explicit ReportRun(SelectionFilter filter);

    // Walks every drive of the selection; false when a drive was not ready or could not be
    // entered (its message has been shown through the message hook).
    [[nodiscard]] bool run();

    [[nodiscard]] const DriveStatistics& statistics() const { return m_stats; }
    [[nodiscard]] const std::string& status() const { return m_status; }

    [[nodiscard]] const std::string& currentDrive() const override { return m_currentDrive; }
    [[nodiscard]] bool abortRequested() const override { return false; }
    [[nodiscard]] bool isThisSelected(std::string_view fileName) const override {
        return m_filter.isThisSelected(fileName);
    }
    [[nodiscard]] bool overhangEnabled() const override { return m_filter.drives.size() == 1; }
    [[nodiscard]] int chosenDriveCount() const override {
        return static_cast<int>(m_filter.drives.size());
    }
    void setStatusText(const std::string& text) override { m_status = text; }
    void doFileTypes() override;

private:
    SelectionFilter m_filter;
    DriveStatistics m_stats;
    std::string m_currentDrive;
    std::string m_status;
};
