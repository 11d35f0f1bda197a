#pragma once
// One point of a series: its value, the label written on the axis or mark, its colour, and
// for line series an optional x position (the point's index otherwise).

#include "ui/chart_color.h"

#include <optional>
#include <string>

struct ChartPoint final {
    double value = 0;
    std::string label;
    ColorRef color = clRed;
    std::optional<double> x;
};
