#pragma once
// Renders every widget of the toolkit (charts aside) in the settings the windows use into PNG
// files, plus a printed PDF of a long grid, so their look can be checked without running the
// program. Needs a QApplication (the offscreen platform will do).

#include <QString>

// Writes the pictures into outDir (created when missing); returns false when a file could not
// be written.
bool renderWidgetGallery(const QString& outDir);
