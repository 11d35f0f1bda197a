#pragma once
// The title above a chart: one or more centred lines.

#include "ui/chart_color.h"

#include <string>
#include <vector>

struct ChartTitle final {
    std::vector<std::string> lines;
    bool visible = true;
    ColorRef color = clBlue;
};
