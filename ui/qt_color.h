#pragma once
// The one place where a Windows colour reference (0x00BBGGRR) becomes a QColor. System colours
// (high byte 0x80, such as the button face 0x8000000F) take the application palette's colour.

#include "ui/chart_color.h"

#include <QColor>

[[nodiscard]] QColor toQColor(ColorRef color);
