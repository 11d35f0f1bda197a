#include "space/overhang.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "platform/drives.h"

void updateOverhang(DriveStatistics& stats, std::int64_t size) {
    double* sums[] = {&stats.overhang4K, &stats.overhang8K, &stats.overhang16K, &stats.overhang32K,
                      &stats.overhang64K};
    std::int64_t cluster = 4096;
    for (double* sum : sums) {
        const std::int64_t rest = size % cluster;
        if (rest != 0)
            *sum += static_cast<double>(cluster - rest);
        cluster *= 2;
    }
}

std::int32_t clusterSizeForCapacity(double capacity) {
    if (capacity >= 34359738368.0)
        return 32768;
    if (capacity > 17179869184.0)
        return 16384;
    if (capacity > 8589934592.0)
        return 8192;
    if (capacity > 2147483648.0)
        return 4096;
    return 0;
}

void computeClusterSize(DriveStatistics& stats, const std::string& driveEntry) {
    stats.clusterSize = 0;
    if (driveEntry.empty() || !driveReady(driveEntry.front()))
        return;
    const auto space = platform::diskFreeSpace(driveEntry.front());
    if (!space)
        return;
    if (space->clusterBytes > 0 && space->clusterBytes <= 0x40000000u)
        stats.clusterSize = static_cast<std::int32_t>(space->clusterBytes);
    else
        stats.clusterSize = clusterSizeForCapacity(static_cast<double>(space->totalBytes));
}
