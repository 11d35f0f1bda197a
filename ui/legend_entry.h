#pragma once
// One line of a chart's legend in the order it is shown: a colour swatch and a text.

#include "ui/chart_color.h"

#include <string>

struct LegendEntry final {
    std::string text;
    ColorRef color = 0;
};
