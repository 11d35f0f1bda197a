#include "dates/age_classes.h"

#include "collect/drive_statistics.h"
#include "platform/file_time.h"

#include <array>
#include <cstdlib>

namespace {

// The day number of the first of every month a packed date can name, and the month's length
// (0 for the month numbers 0 and 13 to 15, which name none), by the date word's year and month
// bits: a stamp's day is then a look-up, not a calendar computation for each of a file's three
// stamps.
struct MonthStarts {
    std::array<std::int32_t, 2048> first{};
    std::array<std::uint8_t, 2048> length{};

    MonthStarts() {
        for (int year = 1980; year < 1980 + 128; ++year)
            for (unsigned month = 1; month <= 12; ++month) {
                const auto index = static_cast<std::size_t>((year - 1980) * 16) + month;
                const std::int64_t start = platform::dayNumberFromCivil(year, month, 1);
                const std::int64_t next = month == 12
                                              ? platform::dayNumberFromCivil(year + 1, 1, 1)
                                              : platform::dayNumberFromCivil(year, month + 1, 1);
                first[index] = static_cast<std::int32_t>(start);
                length[index] = static_cast<std::uint8_t>(next - start);
            }
    }
};

bool validTimeOfDay(std::uint32_t time) {
    return (time >> 11) <= 23 && ((time >> 5) & 0x3F) <= 59 && (time & 0x1F) <= 29;
}

} // namespace

int dateToAge(std::uint32_t packed, std::int64_t todayDayNumber) {
    if (packed == 0)
        return -1;
    static const MonthStarts months;
    const std::uint32_t date = packed >> 16;
    const std::size_t yearAndMonth = date >> 5;
    const std::uint32_t dayOfMonth = date & 0x1F;
    // A stamp that cannot be decoded counts as 1 January 1980.
    std::int64_t day = months.first[1];
    if (dayOfMonth >= 1 && dayOfMonth <= months.length[yearAndMonth] &&
        validTimeOfDay(packed & 0xFFFF))
        day = months.first[yearAndMonth] + dayOfMonth - 1;
    return static_cast<int>(std::llabs(todayDayNumber - day));
}

int ageToIndex(int age) {
    static const int limits[] = {7, 30, 60, 120, 365, 730, 1095, 1460};
    if (age < 0)
        return 0;
    for (int i = 0; i < 8; ++i)
        if (age <= limits[i])
            return i + 1;
    return 9;
}

void updateAges(DriveStatistics& stats, std::uint32_t accessPacked, std::uint32_t createPacked,
                std::uint32_t modifyPacked, std::int64_t size, std::int64_t todayDayNumber) {
    const double bytes = static_cast<double>(size);
    auto add = [&](std::array<double, 10>& counts, std::array<double, 10>& sums,
                   std::uint32_t packed) {
        const auto c = static_cast<std::size_t>(ageToIndex(dateToAge(packed, todayDayNumber)));
        counts[c] += 1.0;
        sums[c] += bytes;
    };
    add(stats.accessAgeCount, stats.accessAgeBytes, accessPacked);
    add(stats.createAgeCount, stats.createAgeBytes, createPacked);
    add(stats.modifyAgeCount, stats.modifyAgeBytes, modifyPacked);
}

const std::array<std::string, 10>& ageClassLabels() {
    static const std::array<std::string, 10> labels = {
        "Not recorded",   "<= 7 days",   "8 - 30 days", "31 - 60 days", "61 - 120 days",
        "121 - 365 days", "1 - 2 years", "2 - 3 years", "3 - 4 years",  "Over 4 years"};
    return labels;
}
