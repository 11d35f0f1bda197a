#pragma once
// Prints a window as it looks at this moment: an image of its client area on one portrait page,
// at the size it has on a 96-dpi screen or, when that is wider than the page, scaled down to the
// page width, centred at the top. The image is rendered at twice the screen resolution so that
// text stays sharp on paper. Grids and charts that should stay vector print through their own
// routines instead.

class QPagedPaintDevice;
class QWidget;

// Returns false when the device could not be painted on.
bool printWindowImage(QWidget& window, QPagedPaintDevice& device);
