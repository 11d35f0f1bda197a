#pragma once
// The Access, Created and Modified pages (notebook pages 4, 5 and 6): one class, one instance
// per kind of stamp. Each shows the ten age classes of its kind as a listing or as a horizontal
// bar chart of megabytes or of file counts. A chart mode redraws every date chart, so the page
// only asks for that (chartsRequested); the coordinator in date_pages does the redrawing.

#include "dates/date_kind.h"

#include <QWidget>

struct DriveStatistics;
class BarPalette;
class Chart;
class PageFrame;
class QToolButton;
class QRadioButton;
class StringGrid;

class DatePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DatePage)

public:
    DatePage(DateKind kind, const DriveStatistics& stats, BarPalette& barColors,
             QWidget* parent = nullptr);

    [[nodiscard]] DateKind kind() const { return m_kind; }

    // The fill after each drive's walk: no row selected, the kind's heading and classes.
    void fillGridDates();
    // Redraws the chart from the radio buttons; the many-colour palette is loaded on the way.
    void fillChart();
    // Listing: shows the grid and stops; a chart mode shows the chart and asks for all charts.
    void rgAccessClick();
    // SpeedButton1Click, SpeedButton2Click or SpeedButton3Click, by kind.
    void noteClick();
    [[nodiscard]] bool byMegabytes() const;

    StringGrid* const grid;         // gridAccess, gridCreate or gridModify
    Chart* const chart;             // chartAccess, chartCreate or chartModify
    PageFrame* const frame;         // the strip of buttons along the bottom
    QRadioButton* const rgListing;  // rg..0 "Listing"
    QRadioButton* const rgBySize;   // rg..1 "Chart by Size (in MB)"
    QRadioButton* const rgByNumber; // rg..2 "Chart by Number of Files"
    QToolButton* const noteButton;  // SpeedButton1, 2 or 3

signals:
    void chartsRequested();

private:
    const DateKind m_kind;
    const DriveStatistics& m_stats;
    BarPalette& m_barColors;
};
