#include "collect/report_figures.h"

#include "collect/drive_statistics.h"

#include <limits>
#include <numeric>

namespace {

// A run's double sums hold whole numbers; one beyond 64 bits (not reachable by any disk) is
// kept at the largest value rather than converted with undefined behaviour.
std::int64_t wholeOf(double value) {
    if (!(value >= 0))
        return 0;
    if (value >= 9.2e18)
        return std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(value);
}

template <std::size_t N, std::size_t M>
void copyFrom(std::array<std::int64_t, N>& to, const std::array<double, M>& from,
              std::size_t first) {
    for (std::size_t i = 0; i < N; ++i)
        to[i] = wholeOf(from[first + i]);
}

} // namespace

std::int64_t ReportFigures::totalBytes() const {
    return std::accumulate(sizeClassBytes.begin(), sizeClassBytes.end(), std::int64_t(0));
}

ReportFigures figuresOf(const DriveStatistics& stats, const std::string& overhangLeftOut) {
    ReportFigures f;
    copyFrom(f.sizeClassCount, stats.sizeClassCount, 1);
    copyFrom(f.sizeClassBytes, stats.sizeClassBytes, 1);
    copyFrom(f.modifyHours, stats.modifyHours, 0);
    copyFrom(f.createHours, stats.createHours, 0);
    copyFrom(f.accessHours, stats.accessHours, 0);
    copyFrom(f.accessAgeCount, stats.accessAgeCount, 0);
    copyFrom(f.accessAgeBytes, stats.accessAgeBytes, 0);
    copyFrom(f.createAgeCount, stats.createAgeCount, 0);
    copyFrom(f.createAgeBytes, stats.createAgeBytes, 0);
    copyFrom(f.modifyAgeCount, stats.modifyAgeCount, 0);
    copyFrom(f.modifyAgeBytes, stats.modifyAgeBytes, 0);
    f.hiddenCount = stats.hiddenCount;
    f.readOnlyCount = stats.readOnlyCount;
    f.systemCount = stats.systemCount;
    f.archiveCount = stats.archiveCount;
    f.hiddenBytes = wholeOf(stats.hiddenBytes);
    f.readOnlyBytes = wholeOf(stats.readOnlyBytes);
    f.systemBytes = wholeOf(stats.systemBytes);
    f.archiveBytes = wholeOf(stats.archiveBytes);
    if (overhangLeftOut.empty())
        f.overhang = ReportFigures::Overhang{wholeOf(stats.overhang4K), wholeOf(stats.overhang8K),
                                             wholeOf(stats.overhang16K), wholeOf(stats.overhang32K),
                                             wholeOf(stats.overhang64K)};
    else
        f.overhangLeftOut = overhangLeftOut;
    f.clusterSize = stats.clusterSize;
    f.filesFound = stats.filesFound;
    f.filesSelected = stats.filesSelected;
    for (const auto& row : stats.fileTypes.rows())
        f.fileTypes.push_back({row.extension, row.fileCount, row.totalBytes});
    return f;
}

const std::array<const char*, 5>& overhangKeys() {
    static const std::array<const char*, 5> keys = {"overhang4K", "overhang8K", "overhang16K",
                                                    "overhang32K", "overhang64K"};
    return keys;
}

std::optional<std::string> figureOverLimit(const ReportFigures& figures) {
    std::optional<std::string> found;
    const auto check = [&found](std::string key, std::int64_t value) {
        if (!found && value > maxExactFigure)
            found = std::move(key);
    };
    forEachFigureArray(
        [&](const char* key, auto values) {
            for (std::size_t i = 0; i < values.size(); ++i)
                check(std::string(key) + "[" + std::to_string(i) + "]", values[i]);
        },
        figures);
    forEachFigureSum([&](const char* key, std::int64_t value) { check(key, value); }, figures);
    if (figures.overhang)
        for (std::size_t i = 0; i < figures.overhang->size(); ++i)
            check(overhangKeys()[i], (*figures.overhang)[i]);
    check("clusterSize", figures.clusterSize);
    for (std::size_t i = 0; i < figures.fileTypes.size(); ++i) {
        const std::string row = "fileTypes[" + std::to_string(i) + "].";
        check(row + "fileCount", figures.fileTypes[i].fileCount);
        check(row + "totalBytes", figures.fileTypes[i].totalBytes);
    }
    return found;
}
