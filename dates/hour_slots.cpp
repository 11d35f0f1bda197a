#include "dates/hour_slots.h"

#include "collect/drive_statistics.h"
#include "dates/packed_date.h"

namespace {

// The slot to count, or -1 for a stamp that is not recorded or cannot be decoded.
int countedSlot(std::uint32_t packed) {
    if (!validPacked(packed))
        return -1;
    const std::uint32_t time = packed & 0xFFFF;
    return static_cast<int>(2 * (time >> 11) + (((time >> 5) & 0x3F) >= 30 ? 1 : 0));
}

} // namespace

int timeToSlot(std::uint32_t packed) {
    if (packed == 0)
        return -1;
    DecodedStamp stamp;
    (void)decodePacked(packed, stamp);
    return 2 * stamp.hour + (stamp.minute >= 30 ? 1 : 0);
}

void DropIntoHourSlot(DriveStatistics& stats, std::uint32_t createPacked,
                      std::uint32_t modifyPacked, std::uint32_t accessPacked) {
    if (const int slot = countedSlot(createPacked); slot >= 0)
        stats.createHours[static_cast<std::size_t>(slot)] += 1.0;
    if (const int slot = countedSlot(modifyPacked); slot >= 0)
        stats.modifyHours[static_cast<std::size_t>(slot)] += 1.0;
    if (const int slot = countedSlot(accessPacked); slot >= 0)
        stats.accessHours[static_cast<std::size_t>(slot)] += 1.0;
}
