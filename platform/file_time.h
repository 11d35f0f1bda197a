#pragma once
// File times as the program keeps them: 64-bit counts of 100-nanosecond ticks since
// 1601-01-01 UTC (the Windows FILETIME form), 0 meaning "not recorded". Conversion to a local
// packed MS-DOS date and time goes through the system time zone with a cache of UTC offsets, so
// that a walk does not call localtime_r for every stamp, yet every date converts exactly,
// daylight-saving changes included.

#include <cstdint>
#include <ctime>

namespace platform {

using FileTime = std::uint64_t;

// Seconds and nanoseconds since the Unix epoch as a FileTime; stamps before 1601 give 0.
[[nodiscard]] FileTime fileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds);

// Local MS-DOS date (high 16 bits) and time (low 16 bits) of a file time; 0 when the stamp is 0
// or its local date lies before 1980-01-01 or after 2107-12-31.
[[nodiscard]] std::uint32_t fileTimeToPackedLocal(FileTime fileTime);

// Today's local date as a day count since 1970-01-01 (read once per run by the caller).
[[nodiscard]] std::int64_t todayLocalDayNumber();

// Day count since 1970-01-01 of a civil date (proleptic Gregorian).
[[nodiscard]] std::int64_t dayNumberFromCivil(int year, unsigned month, unsigned day);

// Forgets the cached UTC offsets and reads the TZ setting again (tests that change TZ call it).
// The cache belongs to the one thread that converts stamps.
void resetTimeZoneCache();

} // namespace platform
