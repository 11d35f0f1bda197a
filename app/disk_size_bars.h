#pragma once
// The bars of the main window's chart: for every ready drive of the statistics window's drive
// list, in list order, its used space (blue) under its free space (fuchsia) in gigabytes,
// labelled with the drive letter as the list shows it; with more than one drive a "Total" pair
// after them. Drives that are not ready are left out without a word. Core code, so the fill is
// tested without a window.

#include "ui/chart_series.h"

#include <string>
#include <vector>

// Empties both series and adds the bars. used is the lower part of each stack (Series5),
// free the upper one (Series4).
void fillDiskSizeBars(ChartSeries& used, ChartSeries& free,
                      const std::vector<std::string>& driveEntries);
