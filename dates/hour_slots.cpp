#include "dates/hour_slots.h"

#include "collect/drive_statistics.h"
#include "dates/packed_date.h"
#include "platform/hot_path.h"

int timeToSlot(std::uint32_t packed) {
    if (packed == 0)
        return -1;
    DecodedStamp stamp;
    (void)decodePacked(packed, stamp);
    return 2 * stamp.hour + (stamp.minute >= 30 ? 1 : 0);
}

TALLY_WALK_PATH void DropIntoHourSlot(DriveStatistics& stats, platform::LocalStamp created,
                                      platform::LocalStamp modified,
                                      platform::LocalStamp accessed) {
    if (created.recorded())
        stats.createHours[created.halfHour()] += 1.0;
    if (modified.recorded())
        stats.modifyHours[modified.halfHour()] += 1.0;
    if (accessed.recorded())
        stats.accessHours[accessed.halfHour()] += 1.0;
}
