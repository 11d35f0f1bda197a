#pragma once
// The bars of the main window's chart: for every ready drive of the statistics window's drive
// list, in list order, its used space (blue) under its free space (fuchsia) in gigabytes,
// labelled with the drive letter as the list shows it; with more than one drive a "Total" pair
// after them. The Space page draws its ticked drives the same way. Drives that are not ready are
// left out without a word. Core code, so the fill is tested without a window.

#include "ui/chart_series.h"

#include <string>
#include <vector>

// What the bars add up to: the summed bytes of the drives that got bars, and their number.
struct DiskSizeSums {
    double freeBytes = 0;
    double totalBytes = 0;
    int drives = 0;
};

// Empties both series and adds the bars. used is the lower part of each stack, free the upper
// one. withTotal false leaves the "Total" pair out whatever the
// number of drives (the Space page's "Show Cumulative Total" unticked).
DiskSizeSums fillDiskSizeBars(ChartSeries& used, ChartSeries& free,
                              const std::vector<std::string>& driveEntries, bool withTotal = true);
