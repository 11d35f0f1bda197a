#include "space/size_classes.h"

#include "collect/drive_statistics.h"
#include "platform/hot_path.h"

#include <bit>

int sizeClassOf(std::int64_t size) {
    // Class n holds the sizes up to 16 KB * 2^(n-1): the class is the bit length of size - 1,
    // less the 13 bits below 16 KB.
    if (size <= 16384)
        return 1;
    const int sizeClass = std::bit_width(static_cast<std::uint64_t>(size - 1)) - 13;
    return sizeClass > 12 ? 12 : sizeClass;
}

TALLY_WALK_PATH void updateSizeClass(DriveStatistics& stats, std::int64_t size) {
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
