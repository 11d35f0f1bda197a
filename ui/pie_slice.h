#pragma once
// One slice of a pie as it is drawn: after small slices were merged into "Other" and the
// biggest one was exploded. Angles in degrees, counter-clockwise from three o'clock.

#include "ui/chart_color.h"

#include <string>

struct PieSlice final {
    double value = 0;
    double percent = 0; // of the pie's total
    std::string label;
    ColorRef color = 0;
    double startAngle = 0;
    double sweepAngle = 0;
    int explodePercent = 0;
    int pointIndex = -1; // the series point it comes from; -1 for "Other"
};
