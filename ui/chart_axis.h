#pragma once
// One axis of a chart (left, right or bottom). An automatic axis takes its range from the
// values of the series drawn against it; a fixed one keeps minimum and maximum as set.
// The bottom axis of a bar or line chart labels the points with their own labels when
// labelsFromPoints is set, otherwise with numbers in valueFormat.

#include "ui/chart_color.h"

#include <string>

struct ChartAxis final {
    bool visible = true;
    bool automatic = true;
    double minimum = 0;
    double maximum = 0;
    std::string valueFormat; // empty: "#,##0", with the decimals the labels' step needs
    bool labelsFromPoints = true;
    int labelAngle = 0;       // 0 or 90 degrees
    int labelSeparation = 10; // least gap between labels, percent of the label's size
    std::string title;
    bool axisLineVisible = true;
    ColorRef labelColor = clBlack;
};
