#pragma once
// What the Space page shows, worked out without widgets: the stacked used/free bars of the
// ticked drives with their three figures, the per-drive pies with their "% free" titles, and
// the growth of the bar chart's depth. Every fill asks the drives afresh, so the page never
// keeps sizes of its own.

#include "ui/chart_color.h"

#include <string>
#include <vector>

class ChartModel;

inline constexpr int spacePieCount = 11;

// The three figures beside the bar chart. shown is false when the drives add up to no capacity:
// the captions, swatches and chart are then hidden and the value labels stay empty.
struct SpaceFigures {
    bool shown = false;
    // Capacity, free and used space in GB, then the unit shown beside each.
    std::string capacity, free, used;
    std::string capacityUnit, freeUnit, usedUnit;
    ColorRef freeColor =
        clBlack; // of the free figure and its unit: red when 0.1 GB or less is used
};

// The bar chart's fixed settings: gradient background, no title, legend or zoom, and the two
// stacked series used (blue) under free (fuchsia) with white marks.
void setUpSpaceBarChart(ChartModel& chart);

// Refills both series from the ticked drives and works out the figures. drivesShown gets the
// number of drives that got bars. withTotal is "Show Cumulative Total".
[[nodiscard]] SpaceFigures fillSpaceBars(ChartModel& chart, const std::vector<std::string>& ticked,
                                         bool withTotal, int& drivesShown);

// free x 100 / capacity with two decimals and the last one cut off ("45.6" for 45.678). A drive
// of no capacity has nothing free to offer, so it reads "0.0" rather than a division's NaN.
[[nodiscard]] std::string percentFreeText(double freeBytes, double capacityBytes);

// A pie's fixed settings: the hint, no legend, hidden marks, the deep tilted 3D view, the grey
// gradient and a start angle of 60 degrees.
void setUpSpacePie(ChartModel& chart);

// Fills one pie per ready drive of the whole list (ticked or not), at most eleven, and the total
// pie over those drives. Returns how many small pies were filled; pies[n..] are left as they are.
int fillSpacePies(const std::vector<ChartModel*>& pies, ChartModel& total,
                  const std::vector<std::string>& entries);

// How the bar chart's depth grows on each tick of the bar timer, by the number of drives shown.
struct SpaceBarGrowth {
    int step = 0;
    int limit = 0;
};
[[nodiscard]] SpaceBarGrowth spaceBarGrowth(int drivesShown);
