#include "space/attribute_stats.h"

#include "collect/drive_statistics.h"
#include "platform/hot_path.h"

TALLY_WALK_PATH void collectFileAttr(DriveStatistics& stats, std::uint32_t attributes,
                                     std::int64_t size) {
    const double bytes = static_cast<double>(size);
    if (attributes & 0x01) {
        stats.readOnlyCount += 1;
        stats.readOnlyBytes += bytes;
    }
    if (attributes & 0x02) {
        stats.hiddenCount += 1;
        stats.hiddenBytes += bytes;
    }
    if (attributes & 0x04) {
        stats.systemCount += 1;
        stats.systemBytes += bytes;
    }
    if (attributes & 0x20) {
        stats.archiveCount += 1;
        stats.archiveBytes += bytes;
    }
}
