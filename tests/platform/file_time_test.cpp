#include "platform/file_time.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <unistd.h>

using namespace platform;

namespace {

// Sets TZ for one test and restores the previous setting afterwards.
class TimeZone final {
public:
    explicit TimeZone(const char* zone) {
        const char* old = std::getenv("TZ");
        m_hadOld = old != nullptr;
        m_old = m_hadOld ? old : "";
        ::setenv("TZ", zone, 1);
        resetTimeZoneCache();
    }
    ~TimeZone() {
        if (m_hadOld)
            ::setenv("TZ", m_old.c_str(), 1);
        else
            ::unsetenv("TZ");
        resetTimeZoneCache();
    }
    TimeZone(const TimeZone&) = delete;
    TimeZone& operator=(const TimeZone&) = delete;

private:
    bool m_hadOld = false;
    std::string m_old;
};

bool haveZone(const std::string& zone) {
    return ::access(("/usr/share/zoneinfo/" + zone).c_str(), R_OK) == 0;
}

// What the C library says, packed the MS-DOS way: the reference for the cached conversion.
std::uint32_t packedByLocaltime(std::int64_t unixSeconds) {
    const auto t = time_t(unixSeconds);
    tm local{};
    localtime_r(&t, &local);
    const auto date = unsigned((local.tm_year + 1900 - 1980) << 9) |
                      unsigned((local.tm_mon + 1) << 5) | unsigned(local.tm_mday);
    const auto time =
        unsigned(local.tm_hour << 11) | unsigned(local.tm_min << 5) | unsigned(local.tm_sec / 2);
    return (date << 16) | time;
}

// The packed form, the day and the second of the day all as the C library says.
void expectSameAsLocaltime(std::int64_t from, std::int64_t to, std::int64_t step) {
    for (std::int64_t t = from; t <= to; t += step) {
        const LocalStamp stamp = fileTimeToLocal(fileTimeFromUnix(t, 0));
        ASSERT_EQ(stamp.packed(), packedByLocaltime(t)) << "unix time " << t;
        const auto local = time_t(t);
        tm parts{};
        localtime_r(&local, &parts);
        ASSERT_EQ(stamp.day, dayNumberFromCivil(parts.tm_year + 1900, unsigned(parts.tm_mon + 1),
                                                unsigned(parts.tm_mday)))
            << "unix time " << t;
        ASSERT_EQ(stamp.secondOfDay, parts.tm_hour * 3600 + parts.tm_min * 60 + parts.tm_sec)
            << "unix time " << t;
    }
}

constexpr std::int64_t springChange2024 = 1711846800; // 2024-03-31 01:00:00 UTC
constexpr std::int64_t autumnChange2024 = 1729990800; // 2024-10-27 01:00:00 UTC

} // namespace

TEST(FileTime, UnixConversionAndZero) {
    EXPECT_EQ(fileTimeFromUnix(0, 0), 116444736000000000ULL);
    EXPECT_EQ(fileTimeFromUnix(1, 999'999'999), 116444736000000000ULL + 19'999'999);
    EXPECT_EQ(fileTimeFromUnix(-11'644'473'601, 0), 0U);
    EXPECT_EQ(fileTimeToLocal(0).packed(), 0U);
}

TEST(FileTime, DaylightSavingChangesInBerlinConvertExactly) {
    if (!haveZone("Europe/Berlin"))
        GTEST_SKIP() << "no time zone data for Europe/Berlin";
    TimeZone zone("Europe/Berlin");
    // 01:00 UTC is 03:00 summer time: date 2024-03-31, time 03:00:00.
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(springChange2024, 0)).packed(),
              ((44U << 9 | 3U << 5 | 31U) << 16) | (3U << 11));
    // One second before it is 01:59:59 winter time (seconds halved: 29).
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(springChange2024 - 1, 0)).packed(),
              ((44U << 9 | 3U << 5 | 31U) << 16) | (1U << 11 | 59U << 5 | 29U));
    expectSameAsLocaltime(springChange2024 - 7200, springChange2024 + 7200, 7);
    expectSameAsLocaltime(autumnChange2024 - 7200, autumnChange2024 + 7200, 7);
    // The same hours again after the cache has been filled by other dates.
    expectSameAsLocaltime(springChange2024 - 3 * 86400, autumnChange2024 + 86400, 3571);
    expectSameAsLocaltime(springChange2024 - 1800, springChange2024 + 1800, 1);
}

TEST(FileTime, ChangesInsideAnHourConvertExactly) {
    if (!haveZone("Asia/Kathmandu") || !haveZone("Australia/Lord_Howe"))
        GTEST_SKIP() << "no time zone data for Asia/Kathmandu or Australia/Lord_Howe";
    {
        TimeZone zone("Asia/Kathmandu");
        // +05:30 became +05:45 at 1986-01-01 00:00 local, half past an hour in UTC.
        expectSameAsLocaltime(504901800 - 5400, 504901800 + 5400, 1);
    }
    TimeZone zone("Australia/Lord_Howe");
    // Half-hour daylight saving: 2024-04-07 and 2024-10-06.
    expectSameAsLocaltime(1712410200 - 7200, 1712410200 + 7200, 3);
    expectSameAsLocaltime(1728142200 - 7200, 1728142200 + 7200, 3);
}

TEST(FileTime, EveryZoneChangeFrom1980To2107IsFound) {
    // The offsets are looked up in a table made by probing a week apart; zones that change
    // often (Casablanca's pauses for Ramadan, a few weeks long) or by half an hour must still
    // convert every stamp as the C library does.
    // UTC and Tokyo keep one offset all along, which takes a path of its own.
    for (const char* name : {"Africa/Casablanca", "Australia/Lord_Howe", "America/Sao_Paulo",
                             "Europe/Moscow", "Pacific/Apia", "UTC", "Asia/Tokyo"}) {
        if (!haveZone(name)) {
            std::printf("skipped %s: no time zone data\n", name);
            continue;
        }
        TimeZone zone(name);
        SCOPED_TRACE(name);
        // 1980-01-02 to 2107-12-30 in steps of 14 hours and 17 minutes, so every hour of the
        // day and every day of the year are hit over the years.
        expectSameAsLocaltime(315532800 + 86400, 4354732799 - 86400, 14 * 3600 + 17 * 60);
    }
}

TEST(FileTime, EveryDayFrom1980To2107HasItsDate) {
    // Noon of every day a packed date can hold, leap days and the common year 2100 included.
    TimeZone zone("UTC");
    expectSameAsLocaltime(dayNumberFromCivil(1980, 1, 1) * 86400 + 43200,
                          dayNumberFromCivil(2107, 12, 31) * 86400 + 43200, 86400);
}

TEST(FileTime, DatesOutside1980To2107GiveZero) {
    TimeZone zone("UTC");
    const std::int64_t first1980 = dayNumberFromCivil(1980, 1, 1) * 86400;
    const std::int64_t last2107 = dayNumberFromCivil(2108, 1, 1) * 86400 - 1;
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(first1980 - 1, 0)).packed(), 0U);
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(first1980, 0)).packed(), (0U << 9 | 1U << 5 | 1U)
                                                                            << 16);
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(last2107, 0)).packed(),
              ((127U << 9 | 12U << 5 | 31U) << 16) | (23U << 11 | 59U << 5 | 29U));
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(last2107 + 1, 0)).packed(), 0U);
    EXPECT_EQ(fileTimeToLocal(1).packed(), 0U); // 1601
    // Not recorded is what the date statistics go by.
    for (const FileTime outside : {fileTimeFromUnix(first1980 - 1, 0),
                                   fileTimeFromUnix(last2107 + 1, 0), FileTime(0), FileTime(1)})
        EXPECT_FALSE(fileTimeToLocal(outside).recorded()) << outside;
    EXPECT_TRUE(fileTimeToLocal(fileTimeFromUnix(first1980, 0)).recorded());
    EXPECT_TRUE(fileTimeToLocal(fileTimeFromUnix(last2107, 0)).recorded());
}

TEST(FileTime, LimitsApplyToTheLocalDate) {
    if (!haveZone("Europe/Berlin"))
        GTEST_SKIP() << "no time zone data for Europe/Berlin";
    TimeZone zone("Europe/Berlin");
    // 1979-12-31 23:30 UTC is already 1980-01-01 00:30 in Berlin.
    const std::int64_t stamp = dayNumberFromCivil(1980, 1, 1) * 86400 - 1800;
    EXPECT_EQ(fileTimeToLocal(fileTimeFromUnix(stamp, 0)).packed(),
              ((1U << 5 | 1U) << 16) | (30U << 5));
}

TEST(FileTime, CivilDayNumbers) {
    EXPECT_EQ(dayNumberFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(dayNumberFromCivil(1969, 12, 31), -1);
    EXPECT_EQ(dayNumberFromCivil(2000, 3, 1), 11017);
    EXPECT_EQ(dayNumberFromCivil(2024, 2, 29) + 1, dayNumberFromCivil(2024, 3, 1));
    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    const auto today = todayLocalDayNumber();
    EXPECT_EQ(today, dayNumberFromCivil(local.tm_year + 1900, unsigned(local.tm_mon + 1),
                                        unsigned(local.tm_mday)));
}
