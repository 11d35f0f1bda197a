#pragma once
// The Sizes page (notebook page 2): the twelve size classes as a three-column listing or as a
// horizontal bar chart of megabytes or of file counts, chosen with three radio buttons. The
// figures come from sizes_fill over the window's accumulators, so the radio buttons redraw the
// page at any time without the disk. The palette is the window's, shared with the other charts.

#include <QWidget>

struct DriveStatistics;
class BarPalette;
class Chart;
class QRadioButton;
class StringGrid;

class SizesPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SizesPage)

public:
    SizesPage(const DriveStatistics& stats, BarPalette& barColors, QWidget* parent = nullptr);

    // The fill after each drive's walk: no row selected, the listing, then the view chosen.
    void doFileSizes();
    void fillGridSizes();

private:
    // Shows the listing or the chart the radio buttons ask for, the chart refilled.
    void onViewButtonClicked();

    StringGrid* const m_gridSizes;
    Chart* const m_sizesChart;               // "Chart1"
    QRadioButton* const m_listingButton;     // "rgSize0", "Listing"
    QRadioButton* const m_byMegabytesButton; // "rgSize1", "Chart by Size (in MB)"
    QRadioButton* const m_byFileCountButton; // "rgSize2", "Chart by Number of Files"
    const DriveStatistics& m_stats;
    BarPalette& m_barColors;
};
