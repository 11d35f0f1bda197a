#include "app/disk_size_bars.h"

#include "app/helpers.h"
#include "collect/drive_scan.h"

namespace {

constexpr double bytesToGigabytes = 9.313226e-10;

} // namespace

DiskSizeSums fillDiskSizeBars(ChartSeries& used, ChartSeries& free,
                              const std::vector<std::string>& driveEntries, bool withTotal) {
    used.clear();
    free.clear();
    double freeSum = 0;
    double totalSum = 0;
    int drivesAdded = 0;
    for (const std::string& entry : driveEntries) {
        if (entry.empty())
            continue;
        const char letter = entry.front();
        if (!driveReady(letter))
            continue;
        const DriveSpace space = diskSpace(std::string(1, letter) + ":\\");
        if (space.totalBytes < 0)
            continue;
        freeSum += space.freeBytes;
        totalSum += space.totalBytes;
        const double freeGb = space.freeBytes * bytesToGigabytes;
        const double totalGb = space.totalBytes * bytesToGigabytes;
        const std::string label(1, letter);
        free.add(freeGb, label, clFuchsia);
        used.add(totalGb - freeGb, label, clBlue);
        ++drivesAdded;
    }
    // A total only says something beside two or more drives. Comparing the summed free space
    // with the last drive's would also drop it when every other drive is full (a labelled
    // CD-ROM has no free space), so the number of drives decides.
    if (withTotal && drivesAdded > 1) {
        const double freeGb = freeSum * bytesToGigabytes;
        const double totalGb = totalSum * bytesToGigabytes;
        free.add(freeGb, "Total", clFuchsia);
        used.add(totalGb - freeGb, "Total", clBlue);
    }
    return {freeSum, totalSum, drivesAdded};
}
