#pragma once
// The Combined page (notebook page 7): the Accessed, Created and Modified age classes side by
// side, as a seven-column listing or as one bar chart with three bars per class. Its chart mode
// is its own, independent of the single date pages; a chart mode asks for every date chart to
// be redrawn (chartsRequested), which the coordinator in date_pages does.

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

class CombinedPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CombinedPage)

public:
    // modifiedListing is the Modified page's listing, whose class labels the listing copies.
    CombinedPage(const DriveStatistics& stats, const TextGrid& modifiedListing,
                 BarPalette& barColors, QWidget* parent = nullptr);

    void fillCombinedGridDates();
    // Refills the kind's bars by megabytes or by file counts, as the radio buttons ask.
    void fillSeries(DateKind kind);
    [[nodiscard]] bool byMegabytes() const;
    // The chart back to its whole extent before the charts are redrawn together.
    void undoChartZoom();

signals:
    void chartsRequested();

private:
    // Listing: shows the grid and stops; a chart mode shows the chart and asks for all charts.
    void onViewButtonClicked();
    void onNoteClicked();

    StringGrid* const m_gridCombine;
    Chart* const m_chartCombine;
    PageFrame* const m_frame;
    QRadioButton* const m_listingButton;     // "rgCombine0", "Listing"
    QRadioButton* const m_byMegabytesButton; // "rbCombine1", "Chart by Size (in MB)"
    QRadioButton* const m_byFileCountButton; // "rbCombine2", "Chart by Number of Files"
    QToolButton* const m_noteButton;         // "SpeedButton4"
    const DriveStatistics& m_stats;
    const TextGrid& m_modifiedListing;
    BarPalette& m_barColors;
};
