#pragma once
// What the Combined page shows: the three age statistics side by side, as one seven-column
// listing and as one chart with a bar of each kind per class. It has no figures of its own;
// everything is read from the age accumulators the single date pages show.

#include "dates/date_kind.h"

struct DriveStatistics;
class BarPalette;
class ChartModel;
class TextGrid;

inline constexpr int combinedGridColumns = 7;
inline constexpr int combinedGridRows = 11;

// Headings; column 0 of rows 1..10 copied from the Modified listing (which must be filled
// first); then per class the bytes and the whole number of files of Accessed, Created and
// Modified.
void fillCombinedGridDates(TextGrid& grid, const TextGrid& gridModify,
                           const DriveStatistics& stats);

// The settings of chartCombine that never change: the Modified (yellow), Created
// (green) and Accessed (red) series, narrow bars side by side offset from each other.
void setUpCombinedChart(ChartModel& chart);

// The series of the kind in chartCombine.
[[nodiscard]] int combinedSeriesIndex(DateKind kind);

// Refills the kind's series in its one colour, by megabytes or by number of files.
void fillCombinedSeries(ChartModel& chart, DateKind kind, const DriveStatistics& stats,
                        bool byMegabytes, BarPalette& barColors);
