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
    // Puts the arrow beside the drive's cluster size, or covers the page with pnlCluster.
    void drawClusterArrow();

    [[nodiscard]] ChartSeries& Series9();

    QLabel* const lblTitle;
    std::array<QLabel*, 5> lblCSize; // lblCSize1 ("4K") .. lblCSize5 ("64K")
    std::array<QLabel*, 5> lblOver;  // lblOver1 .. lblOver5, the wasted bytes
    QLabel* const imArrow;
    Chart* const chartOverhang;
    RaisedPanel* const pnlOverhang;
    QLabel* const lblNumFiles;
    QLabel* const lblSize;
    QLabel* const lblLbl;
    QPlainTextEdit* const Memo1;
    QLabel* const pnlCluster;

signals:
    // The selected files total 0 bytes: notebook page 3 must be disabled.
    void overhangPageDisabled();

private:
    const DriveStatistics& m_stats;
};
