#pragma once
// The value marks a series writes beside its bars or slices.

#include "ui/chart_color.h"

#include <optional>
#include <string>

struct ChartMarks final {
    enum class Style { Value, Percent, LabelAndPercent };

    bool visible = false;
    Style style = Style::Value;
    std::string format; // the value format of the figure, "#,##0.00 GB", "##0.# %"
    ColorRef textColor = clBlack;
    std::optional<ColorRef> backColor = 0x80FFFF; // none: no box behind the text
    int arrowLength = 8;                          // pixels from the slice or bar to the mark
};
