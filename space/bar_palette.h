#pragma once
// The twelve bar colours that the Sizes, Types and date charts give their bars and slices,
// indexed 1..12 like the size classes. A chart fill loads the fixed palette (or one colour for
// every entry) before it adds its points.

#include "ui/chart_color.h"

#include <array>

class BarPalette final {
public:
    // usePalette: the fixed palette red, maroon, blue, yellow, green, lime, fuchsia, teal, navy,
    // aqua, white, gray (color is ignored); otherwise color in all twelve entries.
    void initAColors(bool usePalette, ColorRef color);

    // Entry 1..12; entries outside that range read as black.
    [[nodiscard]] ColorRef operator[](int index) const;

private:
    std::array<ColorRef, 13> m_barColors{};
};
