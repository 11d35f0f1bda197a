#include "app/disk_size_bars.h"

#include "platform/drives.h"

#include <optional>

namespace {

constexpr double bytesToGigabytes = 9.313226e-10;

struct Space {
    double freeBytes = 0;
    double totalBytes = 0;
};

// The free and total bytes of a ready drive; nothing for one that is not ready. A drive is
// ready exactly when its sizes can be read.
std::optional<Space> readyDriveSpace(char letter) {
    const std::optional<platform::DiskSpace> space = platform::diskFreeSpace(letter);
    if (!space) {
        return std::nullopt;
    }
    return Space{static_cast<double>(space->freeBytes), static_cast<double>(space->totalBytes)};
}

} // namespace

void fillDiskSizeBars(ChartSeries& used, ChartSeries& free,
                      const std::vector<std::string>& driveEntries) {
    used.clear();
    free.clear();
    double freeSum = 0;
    double totalSum = 0;
    int drivesAdded = 0;
    for (const std::string& entry : driveEntries) {
        if (entry.empty()) {
            continue;
        }
        const std::optional<Space> space = readyDriveSpace(entry.front());
        if (!space || space->totalBytes < 0) {
            continue;
        }
        freeSum += space->freeBytes;
        totalSum += space->totalBytes;
        const double freeGb = space->freeBytes * bytesToGigabytes;
        const double totalGb = space->totalBytes * bytesToGigabytes;
        const std::string letter(1, entry.front());
        free.add(freeGb, letter, clFuchsia);
        used.add(totalGb - freeGb, letter, clBlue);
        ++drivesAdded;
    }
    // A total only says something beside two or more drives. Comparing the summed free space
    // with the last drive's would also drop it when every other drive is full (a labelled
    // CD-ROM has no free space), so the number of drives decides.
    if (drivesAdded > 1) {
        const double freeGb = freeSum * bytesToGigabytes;
        const double totalGb = totalSum * bytesToGigabytes;
        free.add(freeGb, "Total", clFuchsia);
        used.add(totalGb - freeGb, "Total", clBlue);
    }
}
