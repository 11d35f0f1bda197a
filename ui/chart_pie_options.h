#pragma once
// Settings only a pie series has: its turn, the exploded biggest slice, and the merging of
// small slices into one labelled "Other".

#include "ui/chart_color.h"

#include <string>

struct ChartPieOptions final {
    int rotationAngle = 0;   // degrees, where the first slice starts
    int explodeBiggest = 0;  // percent of the radius the biggest slice stands out
    double otherPercent = 0; // slices below this share of the total merge; 0: no merging
    std::string otherLabel = "Other";
    ColorRef otherColor = clSilver;
};
