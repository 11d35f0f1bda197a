#pragma once
// Decoding of the MS-DOS packed date and time that the age and time-of-day statistics share.
// The checks are table look-ups inline here, since the walk makes six of them per file.

#include <array>
#include <cstdint>

struct DecodedStamp {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

namespace packed_date {

// The days of every month a packed date can name, by the date word's year and month bits
// (date >> 5); 0 for the month numbers 0 and 13 to 15, which name none.
inline constexpr std::array<std::uint8_t, 2048> monthLengths = [] {
    std::array<std::uint8_t, 2048> lengths{};
    for (int year = 1980; year < 1980 + 128; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        for (int month = 1; month <= 12; ++month) {
            int days = month == 2 ? (leap ? 29 : 28) : 31;
            if (month == 4 || month == 6 || month == 9 || month == 11)
                days = 30;
            lengths[static_cast<std::size_t>((year - 1980) * 16 + month)] =
                static_cast<std::uint8_t>(days);
        }
    }
    return lengths;
}();

} // namespace packed_date

// Whether packed names a real calendar date and time of day; 0 (not recorded) does not.
[[nodiscard]] inline bool validPacked(std::uint32_t packed) {
    const std::uint32_t date = packed >> 16;
    const std::uint32_t day = date & 0x1F;
    const std::uint32_t time = packed & 0xFFFF;
    return day >= 1 && day <= packed_date::monthLengths[date >> 5] && (time >> 11) <= 23 &&
           ((time >> 5) & 0x3F) <= 59 && (time & 0x1F) <= 29;
}

// False for 0 (not recorded) and for a value whose parts are out of range for a calendar date
// or a time of day; stamp is then 1 January 1980, 00:00.
[[nodiscard]] bool decodePacked(std::uint32_t packed, DecodedStamp& stamp);
