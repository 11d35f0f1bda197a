#pragma once
// The calendar of the years a packed MS-DOS date can hold, 1980 to 2107, in tables of some two
// kilobytes: small enough to stay in the processor's cache between the walk's system calls, so
// that turning a day count into a packed date, or a packed date into a day count, is a few
// look-ups (the walk does each three times a file) instead of a chain of divisions.

#include <array>
#include <cstddef>
#include <cstdint>

namespace platform::packed_calendar {

inline constexpr int firstYear = 1980;
inline constexpr std::size_t years = 128;

[[nodiscard]] constexpr bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// The day count since 1970-01-01 of 1 January of every year from 1980 to 2108.
inline constexpr auto yearStarts = [] {
    std::array<std::int32_t, years + 1> starts{};
    starts[0] = 3652;
    for (std::size_t i = 0; i < years; ++i)
        starts[i + 1] = starts[i] + (isLeapYear(firstYear + int(i)) ? 366 : 365);
    return starts;
}();

// The days of a common (0) and a leap (1) year before the first of each month (1 to 12).
inline constexpr auto daysBeforeMonth = [] {
    std::array<std::array<std::uint16_t, 13>, 2> before{};
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int leap = 0; leap < 2; ++leap)
        for (int month = 1; month < 12; ++month)
            before[leap][month + 1] = std::uint16_t(before[leap][month] + lengths[month - 1] +
                                                    (leap == 1 && month == 2 ? 1 : 0));
    return before;
}();

// The month and day bits of a packed date (month << 5 | day) for every day of a common (0) and a
// leap (1) year.
inline constexpr auto monthAndDay = [] {
    std::array<std::array<std::uint16_t, 366>, 2> words{};
    for (int leap = 0; leap < 2; ++leap)
        for (unsigned month = 1; month <= 12; ++month) {
            const unsigned first = daysBeforeMonth[leap][month];
            const unsigned last = month < 12 ? daysBeforeMonth[leap][month + 1] : 365U + leap;
            for (unsigned day = first; day < last; ++day)
                words[leap][day] = std::uint16_t(month << 5 | (day - first + 1));
        }
    return words;
}();

[[nodiscard]] inline bool isLeapYearIndex(std::size_t year) {
    return yearStarts[year + 1] - yearStarts[year] == 366;
}

// The packed date word (year, month and day bits) of a day count since 1970-01-01; 0 outside
// 1980 to 2107.
[[nodiscard]] inline unsigned packedDateOfDay(std::int64_t days) {
    if (days < yearStarts[0] || days >= yearStarts[years])
        return 0;
    // Four years are 1,461 days but for 2100: the guess is at most one year off.
    auto year = std::size_t((days - yearStarts[0]) * 4 / 1461);
    if (year >= years || days < yearStarts[year])
        --year;
    else if (days >= yearStarts[year + 1])
        ++year;
    const auto dayOfYear = std::size_t(days - yearStarts[year]);
    return unsigned(year << 9) | monthAndDay[isLeapYearIndex(year) ? 1 : 0][dayOfYear];
}

// The day count since 1970-01-01 of a date whose parts are in range (year 0 is 1980).
[[nodiscard]] inline std::int64_t dayOfDate(std::size_t year, unsigned month, unsigned day) {
    return yearStarts[year] + daysBeforeMonth[isLeapYearIndex(year) ? 1 : 0][month] + day - 1;
}

} // namespace platform::packed_calendar
