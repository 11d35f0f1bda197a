#include "collect/drive_statistics.h"
#include "dates/age_classes.h"
#include "dates/hour_slots.h"
#include "platform/file_time.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::uint32_t packed(int year, int month, int day, int hour = 12, int minute = 0, int second = 0) {
    const std::uint32_t date =
        static_cast<std::uint32_t>(((year - 1980) << 9) | (month << 5) | day);
    const std::uint32_t time =
        static_cast<std::uint32_t>((hour << 11) | (minute << 5) | (second / 2));
    return date << 16 | time;
}

std::int64_t day(int year, int month, int dayOfMonth) {
    return platform::dayNumberFromCivil(year, static_cast<unsigned>(month),
                                        static_cast<unsigned>(dayOfMonth));
}

platform::LocalStamp stamp(int year, int month, int dayOfMonth, int hour = 12, int minute = 0) {
    return {static_cast<std::int32_t>(day(year, month, dayOfMonth)), hour * 3600 + minute * 60};
}

} // namespace

TEST(AgeClasses, EveryBoundaryFallsIntoItsClass) {
    const struct {
        int age;
        int index;
    } cases[] = {{-1, 0},   {0, 1},    {7, 1},    {8, 2},    {30, 2},   {31, 3},  {60, 3},
                 {61, 4},   {120, 4},  {121, 5},  {365, 5},  {366, 6},  {730, 6}, {731, 7},
                 {1095, 7}, {1096, 8}, {1460, 8}, {1461, 9}, {40000, 9}};
    for (const auto& c : cases)
        EXPECT_EQ(ageToIndex(c.age), c.index) << c.age;
}

TEST(AgeClasses, AgesAreCalendarDaysInEitherDirection) {
    const std::int64_t today = day(2026, 12, 8);
    EXPECT_EQ(dateToAge(0, today), -1);
    EXPECT_EQ(dateToAge(packed(2026, 12, 8, 23, 59), today), 0);
    EXPECT_EQ(dateToAge(packed(2026, 12, 7, 23, 59), today), 1);
    EXPECT_EQ(dateToAge(packed(2026, 12, 18), today), 10); // ten days in the future
    EXPECT_EQ(dateToAge(packed(2024, 2, 29), today), today - day(2024, 2, 29));
    // Impossible dates count as 1 January 1980.
    const int since1980 = static_cast<int>(today - day(1980, 1, 1));
    EXPECT_EQ(dateToAge(packed(2020, 13, 1), today), since1980);
    EXPECT_EQ(dateToAge(packed(2020, 2, 0), today), since1980);
    EXPECT_EQ(dateToAge(packed(2021, 2, 29), today), since1980);
    EXPECT_EQ(dateToAge(packed(2020, 5, 5, 24, 0), today), since1980);
    EXPECT_EQ(dateToAge(packed(2020, 5, 5, 12, 60), today), since1980);
    EXPECT_EQ(dateToAge(packed(2020, 5, 5, 12, 0, 60), today), since1980);
    // The first and last days a packed date can hold, and every month's last day in a leap year.
    EXPECT_EQ(dateToAge(packed(1980, 1, 1), today), since1980);
    EXPECT_EQ(dateToAge(packed(2107, 12, 31), today), day(2107, 12, 31) - today);
    const int monthLengths[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        const int last = monthLengths[month - 1];
        EXPECT_EQ(dateToAge(packed(2024, month, last), today), today - day(2024, month, last));
        EXPECT_EQ(dateToAge(packed(2024, month, last + 1), today), since1980) << month;
    }
}

TEST(AgeClasses, EveryDayFrom1980To2107IsItsCalendarDay) {
    // The day of a stamp is computed, not looked up: every day a packed date can hold, counted
    // from a day in the middle of the range and from the first.
    for (const std::int64_t today : {day(2040, 6, 15), day(1980, 1, 1)}) {
        int days = 0;
        int wrong = 0;
        for (int year = 1980; year <= 2107; ++year) {
            const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
            for (int month = 1; month <= 12; ++month) {
                const int length = month == 2 ? (leap ? 29 : 28)
                                   : month == 4 || month == 6 || month == 9 || month == 11 ? 30
                                                                                           : 31;
                for (int d = 1; d <= length; ++d, ++days) {
                    const std::int64_t expected = std::llabs(day(year, month, d) - today);
                    wrong += dateToAge(packed(year, month, d), today) == expected ? 0 : 1;
                }
            }
        }
        EXPECT_EQ(days, 46751);
        EXPECT_EQ(wrong, 0) << "from day " << today;
    }
}

TEST(AgeClasses, EachStampIsClassedOnItsOwn) {
    DriveStatistics stats;
    const std::int64_t today = day(2026, 12, 8);
    updateAges(stats, stamp(2026, 12, 1), {}, stamp(2020, 1, 1), 1572864, today);
    EXPECT_EQ(stats.accessAgeCount[1], 1);
    EXPECT_EQ(stats.accessAgeBytes[1], 1572864);
    EXPECT_EQ(stats.createAgeCount[0], 1);
    EXPECT_EQ(stats.modifyAgeCount[9], 1);
    EXPECT_EQ(ageClassLabels()[0], "Not recorded");
    EXPECT_EQ(ageClassLabels()[9], "Over 4 years");
}

TEST(HourSlots, HalfHoursFromMidnight) {
    EXPECT_EQ(timeToSlot(0), -1);
    EXPECT_EQ(timeToSlot(packed(2020, 1, 1, 14, 45)), 29);
    EXPECT_EQ(timeToSlot(packed(2020, 1, 1, 14, 29, 58)), 28);
    EXPECT_EQ(timeToSlot(packed(2020, 1, 1, 23, 59)), 47);
    EXPECT_EQ(timeToSlot(packed(2020, 1, 1, 0, 10)), 0);
    EXPECT_EQ(timeToSlot(packed(2020, 13, 1, 14, 45)), 0);
}

TEST(HourSlots, RealStampsInTheFirstSlotCountButUnrecordedOnesDoNot) {
    DriveStatistics stats;
    DropIntoHourSlot(stats, stamp(2020, 1, 1, 0, 10), stamp(2020, 1, 1, 14, 45), {});
    DropIntoHourSlot(stats, {}, stamp(2020, 1, 1, 0, 0), stamp(2020, 1, 1, 23, 59));
    EXPECT_EQ(stats.createHours[0], 1);
    EXPECT_EQ(stats.modifyHours[29], 1);
    EXPECT_EQ(stats.modifyHours[0], 1);
    EXPECT_EQ(stats.accessHours[47], 1);
    double created = 0;
    double accessed = 0;
    for (int s = 0; s < 48; ++s) {
        created += stats.createHours[static_cast<std::size_t>(s)];
        accessed += stats.accessHours[static_cast<std::size_t>(s)];
    }
    EXPECT_EQ(created, 1);
    EXPECT_EQ(accessed, 1);
}

TEST(DateStatistics, AWalkedStampCountsAsItsPackedFormWould) {
    // The walk counts a stamp from its local day and second of the day, never packing it; the
    // classes and slots must be those that dateToAge, ageToIndex and timeToSlot give the packed
    // form, for stamps from before 1980 to after 2107 (outside, they are not recorded), across
    // daylight-saving changes and today's date on either side.
    ::setenv("TZ", "America/New_York", 1);
    platform::resetTimeZoneCache();
    const std::int64_t today = day(2026, 12, 8);
    int checked = 0;
    int unrecorded = 0;
    for (std::int64_t t = day(1979, 12, 25) * 86400; t < day(2108, 1, 5) * 86400;
         t += 86400 + 3600 * 7 + 60 * 13 + 17) {
        const platform::LocalStamp local =
            platform::fileTimeToLocal(platform::fileTimeFromUnix(t, 0));
        DriveStatistics stats;
        updateAges(stats, local, local, local, 10, today);
        DropIntoHourSlot(stats, local, local, local);
        const std::uint32_t packedForm = local.packed();
        const auto expectedClass =
            static_cast<std::size_t>(ageToIndex(dateToAge(packedForm, today)));
        ASSERT_EQ(stats.modifyAgeCount[expectedClass], 1) << "unix time " << t;
        ASSERT_EQ(stats.accessAgeBytes[expectedClass], 10) << "unix time " << t;
        const int slot = timeToSlot(packedForm);
        double counted = 0;
        for (const double hours : stats.createHours)
            counted += hours;
        ASSERT_EQ(counted, slot < 0 ? 0 : 1) << "unix time " << t;
        const double inSlot = slot < 0 ? 0 : stats.createHours[static_cast<std::size_t>(slot)];
        ASSERT_EQ(inSlot, slot < 0 ? 0 : 1) << "unix time " << t;
        ++checked;
        unrecorded += local.recorded() ? 0 : 1;
    }
    ::unsetenv("TZ");
    platform::resetTimeZoneCache();
    EXPECT_GT(checked, 35000);
    EXPECT_GT(unrecorded, 5);
}
