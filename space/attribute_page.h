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

    // The bars of each attribute's share of all attribute counts and of all attribute bytes.
    [[nodiscard]] ChartSeries& countShares();
    [[nodiscard]] ChartSeries& byteShares();

private:
    QLabel* const m_hiddenCount;
    QLabel* const m_readOnlyCount;
    QLabel* const m_systemCount;
    QLabel* const m_archiveCount;
    QLabel* const m_hiddenBytes;
    QLabel* const m_readOnlyBytes;
    QLabel* const m_systemBytes;
    QLabel* const m_archiveBytes;
    Chart* const m_countSharesChart;
    Chart* const m_byteSharesChart;
    QLabel* const m_note;
    const DriveStatistics& m_stats;
};
