#pragma once
// Space kept free around the plot, in percent of the chart's width (left, right) and height
// (top, bottom).

struct ChartMargins final {
    int left = 3;
    int top = 4;
    int right = 3;
    int bottom = 4;
};
