#pragma once
// What the drive walk needs from whoever runs it: the statistics window in the program, the
// headless report in tally99-report, recording fakes in tests. The walk calls nothing else
// outside the core, so it runs and is tested without a window.
//
// Cost: pumpMessages and setStatusText are called on the per-file path (the pump after every
// file, the status text every third file), so implementations must return at once when there
// is nothing to do and only store the text.

#include "dates/date_kind.h"

#include <string>
#include <string_view>

class ScanHost {
public:
    virtual ~ScanHost() = default;

    // The drive entry being walked (its first character is the drive letter).
    [[nodiscard]] virtual const std::string& currentDrive() const = 0;
    [[nodiscard]] virtual bool abortRequested() const = 0;
    // True once the program is quitting: the walk then stops as on an abort.
    [[nodiscard]] virtual bool applicationTerminating() const { return false; }
    [[nodiscard]] virtual bool isThisSelected(std::string_view fileName) const = 0;
    // The overhang sums are kept only while the Overhang page is enabled (single-drive runs).
    [[nodiscard]] virtual bool overhangEnabled() const = 0;
    [[nodiscard]] virtual int chosenDriveCount() const = 0;

    virtual void setStatusText(const std::string& text) = 0;
    // Lets pending window messages run (Abort, Esc, timers).
    virtual void pumpMessages() {}
    // Switches the controls that could start a run or redraw a page off (false) and on (true).
    virtual void disenable(bool /*enabled*/) {}
    virtual void setBusyCursor(bool /*busy*/) {}

    // The page fills, called after each drive's walk in this order.
    virtual void doOverHang() {}
    virtual void doFileTypes() {}
    virtual void doFileSizes() {}
    virtual void doFileAttrs() {}
    virtual void fillGridDates(DateKind /*kind*/) {}
    virtual void fillCombinedGridDates() {}
    virtual void doFileTimes() {}
    virtual void doFileAges() {}
    virtual void sortTypesByExtension() {}
};
