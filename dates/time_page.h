#pragma once
// The Time page (notebook page 9): when in the day the files were modified, created and last
// accessed, as three lines over the 48 half hours. The scroll bar only changes the chart's
// depth; the figures come from time_fill over the window's accumulators.

#include <QWidget>

struct DriveStatistics;
class Chart;
class QToolButton;
class QScrollBar;

class TimePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TimePage)

public:
    explicit TimePage(const DriveStatistics& stats, QWidget* parent = nullptr);

    void doFileTimes();

private:
    // The scroll bar sets the chart's 3D depth.
    void onDepthChanged();
    void onNoteClicked();

    Chart* const m_timeChart;        // "Chart4"
    QScrollBar* const m_depthBar;    // "sbTime"
    QToolButton* const m_noteButton; // "SpeedButton5"
    const DriveStatistics& m_stats;
};
