#pragma once
// One series of a chart: its kind, its points and how it is drawn. Page fills empty a series
// with clear() and add points; the settings are plain members set once when a chart is built.
// Queries here concern the series alone (totals, shares, mark texts); those that need all
// series of a chart (stacks, axis ranges, legends, pie layout) are ChartModel's.

#include "ui/chart_marks.h"
#include "ui/chart_pie_options.h"
#include "ui/chart_point.h"

#include <string>
#include <vector>

class ChartSeries final {
public:
    enum class Kind { Bar, HorizBar, Pie, Line };
    enum class MultiBar { SideBySide, Stacked };
    enum class AxisBinding { Left, Right, Both };

    explicit ChartSeries(Kind kind, std::string title = {});

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] bool isBar() const { return m_kind == Kind::Bar || m_kind == Kind::HorizBar; }

    std::string title;
    ColorRef color = clRed;
    bool visible = true; // false: switched off, neither drawn nor listed
    ChartMarks marks;
    std::string valueFormat = "#,##0.###"; // values in the legend and axis hints
    int barWidthPercent = 70;              // of the space one point has
    int barOffsetPercent = 0;              // shift along the category axis, percent of a bar
    MultiBar multiBar = MultiBar::SideBySide;
    bool gradientFill = false;
    AxisBinding axis = AxisBinding::Left;
    bool pointMarkers = false; // lines: a small square at each point
    ChartPieOptions pie;

    void clear() { m_points.clear(); }
    void add(double value, std::string label = {}, ColorRef color = clRed);
    void addXY(double x, double value, std::string label = {}, ColorRef color = clRed);

    [[nodiscard]] const std::vector<ChartPoint>& points() const { return m_points; }
    [[nodiscard]] int count() const { return static_cast<int>(m_points.size()); }
    // The point's value, 0 outside the series.
    [[nodiscard]] double value(int index) const;

    // The sum of all values and a point's share of it in percent (0 when the sum is 0).
    [[nodiscard]] double total() const;
    [[nodiscard]] double percentOfTotal(int index) const;

    // The text of a point's mark in the marks' style and format.
    [[nodiscard]] std::string markText(int index) const;

private:
    Kind m_kind;
    std::vector<ChartPoint> m_points;
};
