#include "platform/file_time.h"

#include "platform/hot_path.h"
#include "platform/packed_calendar.h"

#include <algorithm>
#include <limits>
#include <memory>
#include <vector>

namespace platform {

namespace {

constexpr std::int64_t secondsPerDay = 86400;

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

std::int64_t utcOffsetAt(std::int64_t unixSeconds) {
    const auto t = time_t(unixSeconds);
    tm local{};
    if (localtime_r(&t, &local) == nullptr)
        return 0;
    return local.tm_gmtoff;
}

// The local zone's UTC offsets over the years a packed date can hold, as the moments each one
// begins, found once by asking the C library a week apart and narrowing every change down to
// the second. A look-up is then an index into buckets of some twelve days and a step at most,
// which stays in the processor's cache however widely a tree's stamps are spread; asking
// localtime_r per stamp cost more than the rest of a file's statistics. Two changes within one week
// that cancel out would be missed; no zone has had them in these years.
class ZoneOffsets final {
public:
    ZoneOffsets() {
        std::int64_t offset = utcOffsetAt(first);
        m_starts.push_back(first);
        m_offsets.push_back(offset);
        for (std::int64_t previous = first; previous < last - 1;) {
            const std::int64_t probe = std::min(previous + probeStep, last - 1);
            // Every change between the probes, one after the other.
            while (utcOffsetAt(probe) != offset) {
                std::int64_t before = previous; // still the current offset
                std::int64_t after = probe;     // another offset
                while (after - before > 1) {
                    const std::int64_t middle = before + (after - before) / 2;
                    (utcOffsetAt(middle) == offset ? before : after) = middle;
                }
                offset = utcOffsetAt(after);
                m_starts.push_back(after);
                m_offsets.push_back(offset);
                previous = after;
            }
            previous = probe;
        }
        // A last start no stamp reaches, so that the step in offsetAt needs no bounds check.
        m_starts.push_back(std::numeric_limits<std::int64_t>::max());
        m_offsets.push_back(offset);
        m_bucketSpans.resize(std::size_t((last - first) >> bucketShift) + 1);
        std::size_t span = 0;
        for (std::size_t bucket = 0; bucket < m_bucketSpans.size(); ++bucket) {
            const std::int64_t start = first + (std::int64_t(bucket) << bucketShift);
            while (span + 1 < m_starts.size() && m_starts[span + 1] <= start)
                ++span;
            m_bucketSpans[bucket] = std::uint32_t(span);
        }
    }

    // The offset at a stamp in [first, last).
    [[nodiscard]] std::int64_t offsetAt(std::int64_t unixSeconds) const {
        // A zone with one offset all along (UTC and many others) needs no look-up at all.
        if (m_starts.size() == 2)
            return m_offsets[0];
        // From the span that holds the bucket's first second on to the one that holds the
        // stamp: zones change their offsets months apart, so this is mostly no step at all.
        std::size_t span = m_bucketSpans[std::size_t(unixSeconds - first) >> bucketShift];
        while (m_starts[span + 1] <= unixSeconds)
            ++span;
        return m_offsets[span];
    }

    // Packed dates run from 1980 to 2107; the range reaches two days beyond either end, more
    // than any zone's offset.
    static constexpr std::int64_t first = 315'532'800 - 2 * secondsPerDay;  // 1980-01-01
    static constexpr std::int64_t last = 4'354'819'200 + 2 * secondsPerDay; // 2108-01-01

private:
    static constexpr std::int64_t probeStep = 7 * secondsPerDay;
    // Buckets of 2^20 seconds (some twelve days) index the spans, so that a look-up is no
    // search at all.
    static constexpr int bucketShift = 20;

    std::vector<std::int64_t> m_starts;
    std::vector<std::int64_t> m_offsets;
    std::vector<std::uint32_t> m_bucketSpans; // the span that holds each bucket's first second
};

// What a conversion looks up, made on the first conversion after a reset of the zone. At
// namespace scope, so that reaching it costs no guard of a function's static.
struct ConversionTables {
    ZoneOffsets offsets;
};
std::unique_ptr<const ConversionTables> conversionTablesMade;

// Out of line, so that the conversion itself stays small.
[[gnu::noinline]] const ConversionTables& makeConversionTables() {
    tzset();
    conversionTablesMade = std::make_unique<const ConversionTables>();
    return *conversionTablesMade;
}

const ConversionTables& conversionTables() {
    if (!conversionTablesMade) [[unlikely]]
        return makeConversionTables();
    return *conversionTablesMade;
}

} // namespace

// Three of these per file on the walk's path: a division by a constant and a look-up in a small
// table.
TALLY_WALK_PATH LocalStamp fileTimeToLocal(FileTime fileTime) {
    const std::int64_t unixSeconds = std::int64_t(fileTime / ticksPerSecond) - epochDifference;
    // Outside the range (the stamp 0 included) no date can be packed; one comparison for both
    // ends.
    if (std::uint64_t(unixSeconds - ZoneOffsets::first) >=
        std::uint64_t(ZoneOffsets::last - ZoneOffsets::first))
        return {};
    const ConversionTables& tables = conversionTables();
    // Positive: the range starts in 1980, and no offset is a day.
    const auto local = std::uint64_t(unixSeconds + tables.offsets.offsetAt(unixSeconds));
    const std::uint64_t days = local / secondsPerDay;
    using packed_calendar::yearStarts;
    if (days < std::uint64_t(yearStarts.front()) || days >= std::uint64_t(yearStarts.back()))
        return {};
    return {std::int32_t(days), std::int32_t(local - days * secondsPerDay)};
}

std::uint32_t LocalStamp::packed() const {
    if (!recorded())
        return 0;
    const auto second = unsigned(secondOfDay);
    const unsigned timeWord =
        ((second / 3600) << 11) | ((second / 60 % 60) << 5) | (second % 60 / 2);
    return (packed_calendar::packedDateOfDay(day) << 16) | timeWord;
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
    conversionTablesMade.reset();
}

} // namespace platform
