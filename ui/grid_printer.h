#pragma once
// Prints a StringGrid's table on as many portrait pages as its rows need: the title centred at
// the top with the date at the left and the time at the right, "Page" and the number at the
// bottom left, the table centred between the left and right margins, the heading printed once
// (not repeated on every page). Everything is painted with the device's own painter, so a PDF
// keeps real text, and fonts are sized in pixels of the device (8 points at its resolution).

#include <QString>

class QPagedPaintDevice;
class StringGrid;

class GridPrinter final {
public:
    void setTitle(const QString& title) { m_title = title; }
    [[nodiscard]] const QString& title() const { return m_title; }
    // Left and right margins in millimetres.
    void setMargins(double left, double right);
    // The face of every printed text (a Windows name takes its Liberation twin) and its size.
    void setFont(const QString& family, double points);

    // Prints onto a QPrinter or QPdfWriter, turned to portrait; returns the number of pages.
    int print(const StringGrid& grid, QPagedPaintDevice& device) const;

private:
    QString m_title;
    double m_leftMargin = 20;
    double m_rightMargin = 20;
    QString m_fontFamily = QStringLiteral("MS Sans Serif");
    double m_fontPoints = 8;
};
