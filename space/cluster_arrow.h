#pragma once
// The Overhang page's arrow picture (41 x 49 pixels, placed with its top edge at the top of a
// cluster-size caption): a red block arrow pointing right at the caption, its point headY
// pixels below the top edge; the rest of the picture is transparent, so it hides nothing below.
// Drawn with QPainter so that it needs no picture file.

#include <QPixmap>

inline constexpr int clusterArrowWidth = 41;
inline constexpr int clusterArrowHeight = 49;

[[nodiscard]] QPixmap clusterArrowPicture(int headY);
