#include "dates/age_classes.h"

#include "collect/drive_statistics.h"
#include "dates/packed_date.h"
#include "platform/file_time.h"

#include <cstdlib>

int dateToAge(std::uint32_t packed, std::int64_t todayDayNumber) {
    if (packed == 0)
        return -1;
    DecodedStamp stamp;
    (void)decodePacked(packed, stamp);
    const std::int64_t day = platform::dayNumberFromCivil(
        stamp.year, static_cast<unsigned>(stamp.month), static_cast<unsigned>(stamp.day));
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
