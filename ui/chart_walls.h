#pragma once
// The walls that frame a 3D chart: the back wall behind the plot, the left wall beside the
// value axis and the floor under the bars.

#include "ui/chart_color.h"

struct ChartWalls final {
    bool visible = true;
    bool backFilled = true; // false: transparent back wall, only its frame is drawn
    ColorRef backColor = clWhite;
    ColorRef leftColor = 0x80FFFF; // a light yellow
    ColorRef bottomColor = clWhite;
};
