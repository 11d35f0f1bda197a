#pragma once
// Sample charts set up the way the program's windows set theirs up, with made-up figures:
// the gallery renders them to pictures for review, and the rendering tests draw them.

#include "ui/chart_model.h"

#include <QString>

namespace chart_gallery {

// The main window's used/free stacked 3D bars, without the view settings of an animation.
void fillDriveSpaceBars(ChartModel& chart);
// The animation stages the main window passes through.
void setOpeningStart(ChartModel& chart);  // zoom 20, rotation and elevation 280, depth 25
void setOpeningMiddle(ChartModel& chart); // zoom 60, rotation and elevation 320
void setAtRest(ChartModel& chart);        // zoom 100, orthogonal, depth 60
// The Types page pie: largest types, "Other" below 5 %, biggest exploded, label and percent.
void fillTypesPie(ChartModel& chart, int rotationAngle);
// The Sizes page: twelve size classes as horizontal bars with percent marks.
void fillSizeBars(ChartModel& chart);
// The Combined page: three series of ten horizontal bars side by side.
void fillCombinedBars(ChartModel& chart);
// The Time page: three line series of 48 half-hour slots.
void fillTimeLines(ChartModel& chart);
// The Attribute page's small share chart: four red bars with value marks, no axes or walls.
void fillAttributeBars(ChartModel& chart);
// One of the Space page's small used/free pies.
void fillDrivePie(ChartModel& chart, const std::string& title, double used, double free);

// Renders every sample into PNG files in outDir and prints one to a PDF there. Returns the
// names of the files written.
QStringList renderChartGallery(const QString& outDir);

} // namespace chart_gallery
