#pragma once
// Decoding of the MS-DOS packed date and time that the age and time-of-day statistics share.

#include <cstdint>

struct DecodedStamp {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// False for 0 (not recorded) and for a value whose parts are out of range for a calendar date
// or a time of day; stamp is then 1 January 1980, 00:00.
[[nodiscard]] bool decodePacked(std::uint32_t packed, DecodedStamp& stamp);
