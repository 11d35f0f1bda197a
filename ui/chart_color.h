#pragma once
// Chart colours stay Windows colour references (0x00BBGGRR) in every model, so page fills can
// use the values the program names; only painting turns them into QColor. The named colours
// are the sixteen classic ones the pages use.

#include <cstdint>

using ColorRef = std::uint32_t;

inline constexpr ColorRef clBlack = 0x000000;
inline constexpr ColorRef clMaroon = 0x000080;
inline constexpr ColorRef clGreen = 0x008000;
inline constexpr ColorRef clOlive = 0x008080;
inline constexpr ColorRef clNavy = 0x800000;
inline constexpr ColorRef clPurple = 0x800080;
inline constexpr ColorRef clTeal = 0x808000;
inline constexpr ColorRef clGray = 0x808080;
inline constexpr ColorRef clSilver = 0xC0C0C0;
inline constexpr ColorRef clRed = 0x0000FF;
inline constexpr ColorRef clLime = 0x00FF00;
inline constexpr ColorRef clYellow = 0x00FFFF;
inline constexpr ColorRef clBlue = 0xFF0000;
inline constexpr ColorRef clFuchsia = 0xFF00FF;
inline constexpr ColorRef clAqua = 0xFFFF00;
inline constexpr ColorRef clWhite = 0xFFFFFF;
