#pragma once
// The Attribute page (notebook page 8): for hidden, read-only, system and archive files the
// number of files, their total size, and two small bar charts of each attribute's share of all
// attribute counts (red) and of all attribute bytes (blue), the bars level with the rows. The
// figures come from attribute_fill over the window's accumulators.

#include <QWidget>

struct DriveStatistics;
class Chart;
class ChartSeries;
class QLabel;

class AttributePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AttributePage)

public:
    explicit AttributePage(const DriveStatistics& stats, QWidget* parent = nullptr);

    // The fill after each drive's walk: labels and both charts from the current sums.
    void doFileAttrs();

    [[nodiscard]] ChartSeries& HorizBarSeries4(); // of Chart2, shares of the counts
    [[nodiscard]] ChartSeries& HorizBarSeries5(); // of Chart3, shares of the bytes

    QLabel* const lblNHidden;
    QLabel* const lblNReadOnly;
    QLabel* const lblNSystem;
    QLabel* const lblNArchive;
    QLabel* const lblSzHidden;
    QLabel* const lblSzReadOnly;
    QLabel* const lblSzSystem;
    QLabel* const lblSzArchive;
    Chart* const Chart2;
    Chart* const Chart3;
    QLabel* const lblNote;

private:
    const DriveStatistics& m_stats;
};
