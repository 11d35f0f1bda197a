#include "dates/age_classes.h"

#include "collect/drive_statistics.h"
#include "dates/packed_date.h"
#include "platform/hot_path.h"
#include "platform/packed_calendar.h"

#include <array>
#include <cstdlib>

namespace {

// The class of every age up to four years, the last bound; older ones are class 9.
constexpr int agedOut = 1460;
constexpr std::array<std::uint8_t, agedOut + 1> ageClasses = [] {
    constexpr int limits[] = {7, 30, 60, 120, 365, 730, 1095, agedOut};
    std::array<std::uint8_t, agedOut + 1> classes{};
    int index = 1;
    for (int age = 0; age <= agedOut; ++age) {
        while (age > limits[index - 1])
            ++index;
        classes[static_cast<std::size_t>(age)] = static_cast<std::uint8_t>(index);
    }
    return classes;
}();

// The day a packed stamp names, as a day count since 1970-01-01; one that cannot be decoded
// counts as 1 January 1980.
std::int64_t dayOfPacked(std::uint32_t packed) {
    if (!validPacked(packed))
        return platform::packed_calendar::yearStarts[0];
    return platform::packed_calendar::dayOfDate(packed >> 25, (packed >> 21) & 0xF,
                                                (packed >> 16) & 0x1F);
}

// The class of an age of at least 0 days.
std::size_t classOfAge(std::int64_t age) {
    return age > agedOut ? 9 : ageClasses[static_cast<std::size_t>(age)];
}

} // namespace

int dateToAge(std::uint32_t packed, std::int64_t todayDayNumber) {
    if (packed == 0)
        return -1;
    return static_cast<int>(std::llabs(todayDayNumber - dayOfPacked(packed)));
}

int ageToIndex(int age) {
    return age < 0 ? 0 : static_cast<int>(classOfAge(age));
}

TALLY_WALK_PATH void updateAges(DriveStatistics& stats, platform::LocalStamp accessed,
                                platform::LocalStamp created, platform::LocalStamp modified,
                                std::int64_t size, std::int64_t todayDayNumber) {
    const double bytes = static_cast<double>(size);
    auto add = [&](std::array<double, 10>& counts, std::array<double, 10>& sums,
                   platform::LocalStamp stamp) {
        // dateToAge and ageToIndex in one step, within this file so that it is inlined: the
        // walk takes it three times a file. A recorded stamp always has a packed form that
        // decodes, so its day is the one dateToAge would find.
        const std::size_t c =
            stamp.recorded() ? classOfAge(std::llabs(todayDayNumber - stamp.day)) : 0;
        counts[c] += 1.0;
        sums[c] += bytes;
    };
    add(stats.accessAgeCount, stats.accessAgeBytes, accessed);
    add(stats.createAgeCount, stats.createAgeBytes, created);
    add(stats.modifyAgeCount, stats.modifyAgeBytes, modified);
}

const std::array<std::string, 10>& ageClassLabels() {
    static const std::array<std::string, 10> labels = {
        "Not recorded",   "<= 7 days",   "8 - 30 days", "31 - 60 days", "61 - 120 days",
        "121 - 365 days", "1 - 2 years", "2 - 3 years", "3 - 4 years",  "Over 4 years"};
    return labels;
}
