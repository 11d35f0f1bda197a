#pragma once
// Ages of time stamps in days and their ten classes, from "Not recorded" (0) to "Over 4 years"
// (9). Today's date is read once per run and passed in, never per file.

#include "platform/file_time.h"

#include <array>
#include <cstdint>
#include <string>

struct DriveStatistics;

// Days between the stamp's local date and today (absolute, so a future date counts like the
// same distance in the past); -1 when the stamp is not recorded. An undecodable stamp counts as
// 1 January 1980.
[[nodiscard]] int dateToAge(std::uint32_t packed, std::int64_t todayDayNumber);
[[nodiscard]] int ageToIndex(int age);

// Adds one file of the given size to the age classes of its three stamps: the class of
// dateToAge of each stamp's packed form, read straight from its local day.
void updateAges(DriveStatistics& stats, platform::LocalStamp accessed, platform::LocalStamp created,
                platform::LocalStamp modified, std::int64_t size, std::int64_t todayDayNumber);

// "Not recorded", "<= 7 days", ... "Over 4 years", by class.
[[nodiscard]] const std::array<std::string, 10>& ageClassLabels();
