#include "platform/file_time.h"

#include <array>
#include <limits>

namespace platform {

namespace {

constexpr std::int64_t ticksPerSecond = 10'000'000;
// Seconds from 1601-01-01 to 1970-01-01.
constexpr std::int64_t epochDifference = 11'644'473'600;
constexpr std::int64_t secondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

struct CivilDate {
    std::int64_t year;
    unsigned month;
    unsigned day;
};

CivilDate civilFromDayNumber(std::int64_t days) {
    days += 719468;
    const std::int64_t era = floorDiv(days, 146097);
    const auto dayOfEra = unsigned(days - era * 146097);
    const unsigned yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shiftedMonth = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    const unsigned month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    const std::int64_t year = std::int64_t(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0);
    return {year, month, day};
}

std::int64_t utcOffsetAt(std::int64_t unixSeconds) {
    const auto t = time_t(unixSeconds);
    tm local{};
    if (localtime_r(&t, &local) == nullptr) {
        return 0;
    }
    return local.tm_gmtoff;
}

// UTC offsets per UTC day. A day whose start and end have the same offset has it throughout
// (zones change their offset at most once a day); a day with a change inside is marked and its
// stamps go to localtime_r one by one. Direct-mapped over some 45 years, so that even a tree
// whose stamps spread over decades seldom asks the C library.
class OffsetCache final {
public:
    [[nodiscard]] std::int64_t offsetAt(std::int64_t unixSeconds) {
        // Stamps come from FileTime, whose range keeps the day well inside 32 bits.
        const auto day = std::int32_t(floorDiv(unixSeconds, secondsPerDay));
        Slot& slot = m_slots[std::uint32_t(day) % m_slots.size()];
        if (slot.day != day) {
            const std::int64_t start = std::int64_t(day) * secondsPerDay;
            const std::int64_t first = utcOffsetAt(start);
            slot.day = day;
            slot.offset =
                utcOffsetAt(start + secondsPerDay - 1) == first ? std::int32_t(first) : changingDay;
        }
        return slot.offset != changingDay ? slot.offset : utcOffsetAt(unixSeconds);
    }

    void clear() { m_slots.fill(Slot{}); }

private:
    // Eight bytes a slot, so that the whole cache stays in the processor's cache.
    static constexpr std::int32_t changingDay = std::numeric_limits<std::int32_t>::min();
    struct Slot {
        std::int32_t day = std::numeric_limits<std::int32_t>::min();
        std::int32_t offset = 0; // seconds east of UTC, or changingDay
    };
    std::array<Slot, 16384> m_slots{};
};

OffsetCache& offsetCache() {
    static OffsetCache cache = [] {
        tzset();
        return OffsetCache{};
    }();
    return cache;
}

} // namespace

FileTime fileTimeFromUnix(std::int64_t seconds, std::uint32_t nanoseconds) {
    constexpr auto maxSeconds =
        std::int64_t(std::numeric_limits<FileTime>::max() / ticksPerSecond) - epochDifference - 1;
    if (seconds < -epochDifference || seconds > maxSeconds) {
        return 0;
    }
    return FileTime(seconds + epochDifference) * ticksPerSecond + nanoseconds / 100;
}

std::uint32_t fileTimeToPackedLocal(FileTime fileTime) {
    if (fileTime == 0) {
        return 0;
    }
    const std::int64_t unixSeconds = std::int64_t(fileTime / ticksPerSecond) - epochDifference;
    const std::int64_t local = unixSeconds + offsetCache().offsetAt(unixSeconds);
    const std::int64_t days = floorDiv(local, secondsPerDay);
    const auto secondOfDay = unsigned(local - days * secondsPerDay);
    const CivilDate date = civilFromDayNumber(days);
    if (date.year < 1980 || date.year > 2107) {
        return 0;
    }
    const auto dateWord = unsigned((date.year - 1980) << 9) | (date.month << 5) | date.day;
    const unsigned timeWord =
        ((secondOfDay / 3600) << 11) | ((secondOfDay / 60 % 60) << 5) | (secondOfDay % 60 / 2);
    return (dateWord << 16) | timeWord;
}

std::int64_t todayLocalDayNumber() {
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    return dayNumberFromCivil(local.tm_year + 1900, unsigned(local.tm_mon + 1),
                              unsigned(local.tm_mday));
}

std::int64_t dayNumberFromCivil(int year, unsigned month, unsigned day) {
    const std::int64_t y = std::int64_t(year) - (month <= 2 ? 1 : 0);
    const std::int64_t era = floorDiv(y, 400);
    const auto yearOfEra = unsigned(y - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + std::int64_t(dayOfEra) - 719468;
}

void resetTimeZoneCache() {
    tzset();
    offsetCache().clear();
}

} // namespace platform
