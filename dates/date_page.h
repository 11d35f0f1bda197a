#pragma once
// The Access, Created and Modified pages (notebook pages 4, 5 and 6): one class, one instance
// per kind of stamp. Each shows the ten age classes of its kind as a listing or as a horizontal
// bar chart of megabytes or of file counts. A chart mode redraws every date chart, so the
// page only asks for that (chartsRequested); the coordinator in date_pages does the redrawing.

#include "dates/date_kind.h"

#include <QWidget>

struct DriveStatistics;
class BarPalette;
class Chart;
class PageFrame;
class QToolButton;
class QRadioButton;
class StringGrid;
class TextGrid;

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
    [[nodiscard]] bool byMegabytes() const;
    // The listing's cells, whose class labels the Combined page copies.
    [[nodiscard]] const TextGrid& listing() const;

signals:
    void chartsRequested();

private:
    // Listing: shows the grid and stops; a chart mode shows the chart and asks for all charts.
    void onViewButtonClicked();
    // The note of the page's kind.
    void onNoteClicked();

    StringGrid* const m_grid;                // "gridAccess", "gridCreate" or "gridModify"
    Chart* const m_chart;                    // "chartAccess", "chartCreate" or "chartModify"
    PageFrame* const m_frame;                // the strip of buttons along the bottom
    QRadioButton* const m_listingButton;     // "rg..0", "Listing"
    QRadioButton* const m_byMegabytesButton; // "rg..1", "Chart by Size (in MB)"
    QRadioButton* const m_byFileCountButton; // "rg..2", "Chart by Number of Files"
    QToolButton* const m_noteButton;         // "SpeedButton1", "2" or "3"
    const DateKind m_kind;
    const DriveStatistics& m_stats;
    BarPalette& m_barColors;
};
