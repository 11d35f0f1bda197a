#pragma once
// The Overhang page (notebook page 3, open only in single-drive runs): a fixed table of FAT and
// FAT32 partition sizes against cluster sizes, beside it the space each cluster size would waste
// as figures and as red bars, an arrow at the drive's own cluster size and an explanatory text.
// When the drive's cluster size is none of the five, a panel covers the page with a message.
// The figures come from overhang_fill; the page only shows them. A run whose selected files
// total 0 bytes asks the window to disable the page (overhangPageDisabled).

#include <QWidget>

#include <array>

struct DriveStatistics;
class Chart;
class ChartSeries;
class QLabel;
class QPlainTextEdit;
class RaisedPanel;

class OverhangPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(OverhangPage)

public:
    explicit OverhangPage(const DriveStatistics& stats, QWidget* parent = nullptr);

    // The fill after the walk of a single-drive run.
    void doOverHang();
    // Puts the arrow beside the drive's cluster size, or covers the page with the message that
    // the analysis does not apply.
    void drawClusterArrow();

    // The red bars of the space each cluster size would waste.
    [[nodiscard]] ChartSeries& wasteSeries();

signals:
    // The selected files total 0 bytes: notebook page 3 must be disabled.
    void overhangPageDisabled();

private:
    QLabel* const m_title;                 // "lblTitle"
    std::array<QLabel*, 5> m_clusterSizes; // "lblCSize1" ("4K") .. "lblCSize5" ("64K")
    std::array<QLabel*, 5> m_wastedSpaces; // "lblOver1" .. "lblOver5", the wasted bytes
    QLabel* const m_arrow;                 // "imArrow"
    Chart* const m_chartOverhang;
    RaisedPanel* const m_totalsPanel;    // "pnlOverhang", under the table
    QLabel* const m_fileCount;           // "lblNumFiles"
    QLabel* const m_totalSize;           // "lblSize"
    QLabel* const m_actualSpace;         // "lblLbl", "Actual space used ..."
    QPlainTextEdit* const m_explanation; // "Memo1"
    QLabel* const m_notApplicable;       // "pnlCluster", covers the page
    const DriveStatistics& m_stats;
};
