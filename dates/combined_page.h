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
    // gridModify is the Modified page's listing, whose class labels the listing copies.
    CombinedPage(const DriveStatistics& stats, const TextGrid& gridModify, BarPalette& barColors,
                 QWidget* parent = nullptr);

    void fillCombinedGridDates();
    // Refills the kind's bars from rbCombine1/rbCombine2.
    void fillSeries(DateKind kind);
    void rgAccessClick();
    void SpeedButton4Click();
    [[nodiscard]] bool byMegabytes() const;

    StringGrid* const gridCombine;
    Chart* const chartCombine;
    PageFrame* const frame;
    QRadioButton* const rgCombine0; // "Listing"
    QRadioButton* const rbCombine1; // "Chart by Size (in MB)"
    QRadioButton* const rbCombine2; // "Chart by Number of Files"
    QToolButton* const SpeedButton4;

signals:
    void chartsRequested();

private:
    const DriveStatistics& m_stats;
    const TextGrid& m_gridModify;
    BarPalette& m_barColors;
};
