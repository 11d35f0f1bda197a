#pragma once
// The notebook's page area the date pages are laid out in.

inline constexpr int datePageWidth = 628;
inline constexpr int datePageHeight = 358;
