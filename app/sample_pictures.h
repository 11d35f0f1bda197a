#pragma once
// The screen shots of the maker's products that the sample window shows, drawn at run time
// with the program's own widgets (grids and charts in a window frame), so the program carries
// no picture files.

#include <QPixmap>

// The picture of product 0 to 4 (the About window's order), samplePictureSize() large.
[[nodiscard]] QPixmap samplePicture(int product);
[[nodiscard]] QSize samplePictureSize();
