#pragma once
// Half-hour slots of the day (0 = 00:00-00:29 ... 47 = 23:30-23:59) for the time-of-day
// histograms. A stamp in slot 0 is a real stamp and is counted; only stamps that are not
// recorded or cannot be decoded are left out.

#include "platform/file_time.h"

#include <cstdint>

struct DriveStatistics;

// The slot of a packed local time, -1 for 0; an undecodable value counts as 00:00 (slot 0).
[[nodiscard]] int timeToSlot(std::uint32_t packed);

// Counts the file's creation, last-write and last-access stamps, in this order, each in the
// slot timeToSlot gives its packed form (read straight from its second of the day).
void DropIntoHourSlot(DriveStatistics& stats, platform::LocalStamp created,
                      platform::LocalStamp modified, platform::LocalStamp accessed);
