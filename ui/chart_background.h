#pragma once
// What fills the chart behind everything: a plain colour or a gradient between two colours.

#include "ui/chart_color.h"

struct ChartBackground final {
    enum class Direction { TopBottom, BottomTop, LeftRight, RightLeft };

    ColorRef color = clSilver;
    bool gradient = false;
    ColorRef startColor = clWhite; // where the gradient begins
    ColorRef endColor = clSilver;
    Direction direction = Direction::TopBottom;
};
