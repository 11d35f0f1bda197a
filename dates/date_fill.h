#pragma once
// What the Access, Created and Modified pages show, worked out from the age accumulators alone,
// so that the listings and the bar charts can be redrawn at any time without the disk. The
// listing puts the oldest class at the top; the bars run the other way, "Not recorded" first.

#include "dates/date_kind.h"
#include "ui/chart_color.h"

#include <array>
#include <string>

struct DriveStatistics;
class BarPalette;
class ChartModel;
class ChartSeries;
class TextGrid;

inline constexpr int datesGridColumns = 3;
inline constexpr int datesGridRows = 11;

using AgeArray = std::array<double, 10>;

// The byte and the count accumulators of one kind of stamp.
[[nodiscard]] const AgeArray& ageBytes(const DriveStatistics& stats, DateKind kind);
[[nodiscard]] const AgeArray& ageCounts(const DriveStatistics& stats, DateKind kind);

// "Accessed Date", "Created Date" or "Modified Date": the heading of the kind's listing.
[[nodiscard]] std::string dateGridHeading(DateKind kind);

// Headings, then rows 1..10 with the classes from "Over 4 years" down to "Not recorded", each
// with its bytes and its number of files as whole numbers with thousands separators.
void fillGridDates(const std::string& heading, TextGrid& grid, const AgeArray& bytes,
                   const AgeArray& counts);

// Loads the palette (its many colours, or color in every entry when oneColor is set), then
// refills the series with the ten classes in class order, in megabytes when inMegabytes is set,
// bar i in palette entry i + 1.
void fillAgeSeries(ChartSeries& series, const AgeArray& values, bool inMegabytes, ColorRef color,
                   bool oneColor, BarPalette& barColors);

// The settings of a date chart that never change: one horizontal bar series of gradient bars
// with percent marks, the legend listing the bar values last bar first.
void setUpDateChart(ChartModel& chart, DateKind kind);

// Undoes any zoom, sets the title of the mode and refills the bars in many colours, by
// megabytes or by number of files.
void fillDateChart(ChartModel& chart, DateKind kind, const DriveStatistics& stats, bool byMegabytes,
                   BarPalette& barColors);
