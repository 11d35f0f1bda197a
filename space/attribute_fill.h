#pragma once
// What the Attribute page shows, from the accumulators: per attribute the number of files and
// their bytes, and each attribute's share of all attribute counts and of all attribute bytes.
// A file with two attributes counts under both, so the shares are of the sum of the four
// counts (or byte totals), not of the files.

#include <array>
#include <string>

struct DriveStatistics;
class ChartModel;

struct AttributeFigures {
    std::array<std::string, 4> counts; // lblNHidden, lblNReadOnly, lblNSystem, lblNArchive
    std::array<std::string, 4> sizes;  // lblSzHidden ... lblSzArchive, no unit
};

[[nodiscard]] AttributeFigures attributeFigures(const DriveStatistics& stats);

// A share chart's fixed settings: no axes, title, legend, frame or zoom, four bars to a page,
// marks of the value as "#,##0.## %".
void setUpAttributeChart(ChartModel& chart);

// Refills the series of the shares of the counts (red) and of the shares of the bytes (blue),
// each added archive, system, read-only, hidden so that hidden is the top bar. A chart
// whose sum is 0 stays empty.
void fillAttributeCharts(ChartModel& countChart, ChartModel& bytesChart,
                         const DriveStatistics& stats);
