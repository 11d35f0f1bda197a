#pragma once
// What the Overhang page shows after a single-drive run, worked out from the accumulators: the
// five wasted-space figures, the total size of the selected files with its unit, the number of
// files, the space the files really take with the drive's own cluster size, the row the arrow
// points at, and the five bars of the share of occupied space that is lost.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

struct DriveStatistics;
class ChartModel;

inline constexpr std::array<std::int32_t, 5> overhangClusterSizes = {4096, 8192, 16384, 32768,
                                                                     65536};

struct OverhangFigures {
    std::array<std::string, 5> wasted; // the wasted space per cluster size, 4K first, no unit
    std::string totalSize;             // the selected files' total, in the panel under the table
    std::string numFiles;              // "Number of files scanned: ..." beside it
    // "Actual space used ..." at the panel's right; none when the drive's cluster size is not one
    // of the five, and the label then keeps its text (the message covers the page anyway).
    std::optional<std::string> actualSpace;
    int arrowRow = 0; // 1..5, the row of the drive's cluster size; 0: no arrow
};

// T: the total size of the selected files, the sum of the twelve size classes.
[[nodiscard]] double overhangTotalBytes(const DriveStatistics& stats);

// The row (1 for 4K ... 5 for 64K) of a cluster size, 0 for any other size.
[[nodiscard]] int clusterArrowRow(std::int32_t clusterSize);

// The overhang sum that belongs to one of the five cluster sizes; 0 for any other size.
[[nodiscard]] double overhangFor(const DriveStatistics& stats, std::int32_t clusterSize);

// bytes in KB when total is below 1 MB, else in MB, with thousands separators and no decimals:
// the unit follows total, not bytes.
[[nodiscard]] std::string sizeWithUnit(double bytes, double total);

// The texts of the page; meaningful when overhangTotalBytes is above 0.
[[nodiscard]] OverhangFigures overhangFigures(const DriveStatistics& stats);

// chartOverhang's fixed settings: no axes, title, legend, frame or zoom, one red horizontal bar
// series whose marks show the value as "#,##0. %", five bars to a page.
void setUpOverhangChart(ChartModel& chart);

// Five bars, 64K first (so the 4K bar is on top): 100 x W / (T + W) for each cluster size.
// Needs overhangTotalBytes above 0.
void fillOverhangChart(ChartModel& chart, const DriveStatistics& stats);
