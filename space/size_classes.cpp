#include "space/size_classes.h"

#include "collect/drive_statistics.h"

int sizeClassOf(std::int64_t size) {
    std::int64_t bound = 16384;
    for (int sizeClass = 1; sizeClass <= 11; ++sizeClass, bound *= 2)
        if (size <= bound)
            return sizeClass;
    return 12;
}

void updateSizeClass(DriveStatistics& stats, std::int64_t size) {
    const auto c = static_cast<std::size_t>(sizeClassOf(size));
    stats.sizeClassCount[c] += 1.0;
    stats.sizeClassBytes[c] += static_cast<double>(size);
}

const std::array<std::string, 12>& sizeClassLabels() {
    static const std::array<std::string, 12> labels = {
        "0 - 16K",    "16K - 32K", "32K - 64K", "64K - 128K", "128K - 256K", "256K - 512K",
        "512K - 1MB", "1MB - 2MB", "2MB - 4MB", "4MB - 8MB",  "8MB - 16MB",  "Over 16MB"};
    return labels;
}
