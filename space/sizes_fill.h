#pragma once
// What the Sizes page shows, worked out from the accumulators alone so that the listing and the
// two bar charts can be redrawn at any time without the disk: the listing puts the largest class
// at the top, the chart adds the smallest class first, so both read "Over 16MB" at the top.

#include "space/bar_palette.h"

#include <string>

struct DriveStatistics;
class ChartModel;
class TextGrid;

inline constexpr int sizesGridColumns = 3;
inline constexpr int sizesGridRows = 13;

// Headings, the twelve class labels (row 1 "Over 16MB" ... row 12 "0 - 16K") and per class the
// bytes and the number of files with thousands separators.
void fillGridSizes(TextGrid& grid, const DriveStatistics& stats);

// The settings of the Sizes chart that never change: one horizontal bar series with gradient bars
// and percent marks, the legend listing the bar values last bar first. The age charts use it too,
// under their own series names.
void setUpSizesChart(ChartModel& chart, const std::string& seriesName = "Series1");

// Undoes any zoom and refills the bars from class 1 up, by megabytes ("File Sizes in MB") or by
// number of files ("Number of Files"), bar i in palette colour i.
void fillSizesChart(ChartModel& chart, const DriveStatistics& stats, bool byMegabytes,
                    const BarPalette& palette);
