#include "space/bar_palette.h"

void BarPalette::initAColors(bool usePalette, ColorRef color) {
    static constexpr std::array<ColorRef, 12> palette = {clRed,   clMaroon, clBlue,    clYellow,
                                                         clGreen, clLime,   clFuchsia, clTeal,
                                                         clNavy,  clAqua,   clWhite,   clGray};
    for (std::size_t i = 1; i <= 12; ++i)
        m_barColors[i] = usePalette ? palette[i - 1] : color;
}

ColorRef BarPalette::operator[](int index) const {
    return index >= 1 && index <= 12 ? m_barColors[static_cast<std::size_t>(index)] : clBlack;
}
