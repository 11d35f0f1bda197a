#pragma once
// File times as the program keeps them: 64-bit counts of 100-nanosecond ticks since
// 1601-01-01 UTC (the Windows FILETIME form), 0 meaning "not recorded". Conversion to local
// time (and on to a packed MS-DOS date and time) goes through the system time zone with a table
// of UTC offsets, so that a walk does not call localtime_r for every stamp, yet every date
// converts exactly, daylight-saving changes included.

#include <cstdint>
#include <ctime>
#include <limits>

namespace platform {

using FileTime = std::uint64_t;

inline constexpr std::int64_t ticksPerSecond = 10'000'000;
// Seconds from 1601-01-01 to 1970-01-01.
inline constexpr std::int64_t epochDifference = 11'644'473'600;

// Seconds and nanoseconds since the Unix epoch as a FileTime; stamps before 1601 give 0. Inline:
// the walk converts three stamps a file.
[[nodiscard]] inline FileTime fileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds) {
    constexpr auto maxSeconds =
        std::int64_t(std::numeric_limits<FileTime>::max() / ticksPerSecond) - epochDifference - 1;
    if (seconds < -epochDifference || seconds > maxSeconds)
        return 0;
    return FileTime(seconds + epochDifference) * ticksPerSecond + nanoseconds / 100;
}

// A file time in local time, taken apart into the day it falls on and the second of that day.
// The walk reads the day (for the age) and the half hour (for the time of day) of three stamps a
// file straight from here, so that no stamp is packed into the MS-DOS form and unpacked again.
// It is not recorded exactly where the packed form is 0: for the stamp 0, and where the local
// date lies before 1980-01-01 or after 2107-12-31.
struct LocalStamp {
    std::int32_t day = 0;          // days since 1970-01-01
    std::int32_t secondOfDay = -1; // -1 when not recorded

    [[nodiscard]] bool recorded() const { return secondOfDay >= 0; }
    // 0 for 00:00 to 00:29, ... 47 for 23:30 to 23:59; only for a recorded stamp.
    [[nodiscard]] unsigned halfHour() const { return unsigned(secondOfDay) / 1800; }
    // Local MS-DOS date (high 16 bits) and time (low 16 bits); 0 when not recorded.
    [[nodiscard]] std::uint32_t packed() const;
};

[[nodiscard]] LocalStamp fileTimeToLocal(FileTime fileTime);

// Today's local date as a day count since 1970-01-01 (read once per run by the caller).
[[nodiscard]] std::int64_t todayLocalDayNumber();

// Day count since 1970-01-01 of a civil date (proleptic Gregorian).
[[nodiscard]] std::int64_t dayNumberFromCivil(int year, unsigned month, unsigned day);

// Forgets the cached UTC offsets and reads the TZ setting again (tests that change TZ call it).
// The cache belongs to the one thread that converts stamps.
void resetTimeZoneCache();

} // namespace platform
