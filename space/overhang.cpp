#include "space/overhang.h"

#include "app/helpers.h"
#include "collect/drive_statistics.h"
#include "platform/drives.h"
#include "platform/hot_path.h"

TALLY_WALK_PATH void updateOverhang(DriveStatistics& stats, std::int64_t size) {
    // What the last cluster of each size leaves unused. For the sizes the walk gives (never
    // negative) the rest of a division by a power of two is its low bits: a division per
    // cluster size was a good part of a file's statistics.
    auto add = [size](double& sum, std::int64_t cluster) {
        const std::int64_t rest = size >= 0 ? (size & (cluster - 1)) : size % cluster;
        if (rest != 0)
            sum += static_cast<double>(cluster - rest);
    };
    add(stats.overhang4K, 4096);
    add(stats.overhang8K, 8192);
    add(stats.overhang16K, 16384);
    add(stats.overhang32K, 32768);
    add(stats.overhang64K, 65536);
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
