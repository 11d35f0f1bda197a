#pragma once
// Cluster overhang: the bytes a file's last cluster would leave empty with clusters of 4, 8,
// 16, 32 and 64 KB; and the cluster size of the drive being walked, the file system's real
// allocation unit where the platform reports one, else a guess from the capacity.

#include <cstdint>
#include <string>

struct DriveStatistics;

void updateOverhang(DriveStatistics& stats, std::int64_t size);

// Sets stats.clusterSize for the drive whose entry text begins with its letter; 0 when the
// drive is not ready or the size cannot be told.
void computeClusterSize(DriveStatistics& stats, const std::string& driveEntry);

// The fallback by capacity in bytes; 0 for drives of 2 GiB or less.
[[nodiscard]] std::int32_t clusterSizeForCapacity(double capacity);
