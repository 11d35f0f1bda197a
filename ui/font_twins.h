#pragma once
// The windows of the program name the classic Windows faces (Times New Roman, Arial,
// MS Sans Serif). On Linux their metric twins from fonts-liberation stand in, so captions keep
// the widths the layouts were made for. Fontconfig usually maps the names already; the twins
// are named explicitly so that a machine without those aliases looks the same.

#include <QFont>
#include <QString>

// The face to ask for in place of a Windows face name; other names come back unchanged.
[[nodiscard]] QString twinFamily(const QString& family);

// A font of the twin face sized in pixels (of the device it will paint on).
[[nodiscard]] QFont pixelFont(const QString& family, int pixelSize, bool bold = false);

// Registers the twins as Qt font substitutions for the whole application.
void installFontTwins();
