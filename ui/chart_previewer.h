#pragma once
// The print preview of one chart: a preview dialog, landscape by default, whose pages are
// drawn by the chart's own paint routine onto the printer, so the printout keeps vector
// graphics and real text. printChart does the same without a dialog (for tests and for
// printing straight away).

#include <QObject>

class Chart;
class QPrinter;
class QWidget;

// Draws the chart on one page of the printer, filling the page's printable area.
void printChart(Chart& chart, QPrinter& printer);

class ChartPreviewer final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ChartPreviewer)

public:
    explicit ChartPreviewer(QWidget* parent = nullptr);

    void setChart(Chart* chart) { m_chart = chart; }
    [[nodiscard]] Chart* chart() const { return m_chart; }

    // Shows the preview modally; the user prints from it. Does nothing without a chart.
    void execute();

private:
    QWidget* m_parentWidget;
    Chart* m_chart = nullptr;
};
