#pragma once
// The span an axis shows and the distance between its labelled ticks.

struct AxisRange final {
    double minimum = 0;
    double maximum = 1;
    double step = 0.1;
};
