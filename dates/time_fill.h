#pragma once
// What the Time page shows: the half-hour histograms of the three stamps as three lines over
// the day, each point labelled with the start of its half hour in the user's short time format.

struct DriveStatistics;
class ChartModel;

inline constexpr int timeChartStartDepth = 20;
inline constexpr double timeAxisMaximum = 47.9583333333333;

// The settings of the Time chart that never change: the three line series "Modified time",
// "Created time" and "Access Time", the fixed bottom axis of the day's slots
// with turned labels, the legend at the top.
void setUpTimeChart(ChartModel& chart);

// Refills the three lines, 48 points each; "Access Time" is shown only when some access stamp
// was counted.
void doFileTimes(ChartModel& chart, const DriveStatistics& stats);
