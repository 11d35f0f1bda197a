#pragma once
// Printing the statistics window's current page: a chart on view goes to the chart print
// preview, the Types listing to the grid's own printing under the title "File types for drive "
// and the drive walked last, and every other page is printed as an image of the window on a
// white background. The print dialog and the chart preview are hooks, so tests print to PDF
// files without a modal window.

#include <QColor>
#include <QPalette>

#include <functional>
#include <string>
#include <vector>

class Chart;
class QPrinter;
class QWidget;
class StringGrid;

struct PrintHooks {
    // Shows the print dialog for printer; true when the user confirmed it.
    std::function<bool(QPrinter& printer, QWidget* parent)> printDialog;
    // Runs the chart print preview, from which the user prints.
    std::function<void(Chart& chart, QWidget* parent)> previewChart;
};

// The hooks in force; by default the standard print dialog and the chart previewer.
[[nodiscard]] PrintHooks& printHooks();

// The name of the chart whose visibility decides how a notebook page prints; empty for the
// pages that always print as a window image.
[[nodiscard]] const char* printedChartName(int pageIndex);

// Gives the window and the notebooks, pick lists, charts and string grids in it (except
// gridTypes) one background colour, and puts back exactly the colours they had before, so a
// print on white leaves the window as it was.
class BackgroundColors final {
public:
    BackgroundColors(QWidget& window, const StringGrid* gridTypes);

    void changeBackgroundColor(const QColor& color);
    void restore();

private:
    struct Saved {
        QWidget* widget;
        QPalette palette;
        bool autoFill;
        QColor gridColor;
        QColor gridFixedColor;
        unsigned chartColor;
    };

    QWidget& m_window;
    const StringGrid* m_gridTypes;
    std::vector<Saved> m_saved;
};

// btPrintClick for the page at pageIndex of the window's notebook page widget `page`.
void printStatisticsPage(QWidget& window, QWidget& page, int pageIndex, StringGrid& gridTypes,
                         const std::string& currentDrive);
