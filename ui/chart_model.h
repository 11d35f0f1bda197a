#pragma once
// Everything a chart shows, as plain values: title, legend, axes, walls, background, 3D view,
// margins and the series with their points. Page fills write it, tests read it, the Chart
// widget draws it. Colours are Windows colour references; nothing here knows Qt widgets.
//
// The queries below are the chart's layout decisions that do not depend on pixels: which
// points a page shows, how bars stack, what range an axis spans, what the legend lists and
// how a pie is cut. The widget draws from them, so tests can check them without painting.

#include "ui/axis_range.h"
#include "ui/chart_axis.h"
#include "ui/chart_background.h"
#include "ui/chart_legend.h"
#include "ui/chart_margins.h"
#include "ui/chart_series.h"
#include "ui/chart_title.h"
#include "ui/chart_view_3d.h"
#include "ui/chart_walls.h"
#include "ui/legend_entry.h"
#include "ui/pie_slice.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

class ChartModel final {
public:
    enum class AxisId { Left, Right, Bottom };

    // A zoomed part of the plot: along the category axis (point positions, or x for lines)
    // and along the value axis.
    struct ZoomRect {
        double categoryMin = 0;
        double categoryMax = 0;
        double valueMin = 0;
        double valueMax = 0;
    };

    ChartTitle title;
    ChartLegend legend;
    ChartAxis leftAxis;
    ChartAxis rightAxis = [] {
        ChartAxis hidden;
        hidden.visible = false;
        return hidden;
    }();
    ChartAxis bottomAxis;
    ChartWalls walls;
    ChartBackground background;
    ChartView3D view3D;
    ChartMargins margins;
    bool frameVisible = true; // the frame round the plot of a chart without walls
    std::string hint;         // tool tip of the chart
    bool allowZoom = true;    // the user may drag a rectangle to zoom
    int maxPointsPerPage = 0; // 0: all points on one page
    int page = 1;             // 1-based page shown when points are paged

    // Series are kept in the order they were added, which is their drawing and stacking order.
    ChartSeries& addSeries(ChartSeries::Kind kind, std::string title = {});
    [[nodiscard]] int seriesCount() const { return static_cast<int>(m_series.size()); }
    [[nodiscard]] ChartSeries& series(int index) {
        return m_series.at(static_cast<std::size_t>(index));
    }
    [[nodiscard]] const ChartSeries& series(int index) const {
        return m_series.at(static_cast<std::size_t>(index));
    }
    void clearSeries() { m_series.clear(); }
    // Hides title, legend, axes and frame and turns zooming off, for a chart that shows nothing
    // but its bars or its pie beside figures written next to it.
    void showPlotOnly();

    // The kind that decides the chart's layout: that of the first visible series with points,
    // else of the first series; Bar for a chart without series.
    [[nodiscard]] ChartSeries::Kind layoutKind() const;
    [[nodiscard]] bool horizontal() const { return layoutKind() == ChartSeries::Kind::HorizBar; }
    [[nodiscard]] bool stacked() const;

    // Paging of bar charts: the points [firstPoint, firstPoint + pointsShown) are shown.
    [[nodiscard]] int pageCount() const;
    [[nodiscard]] int firstPoint() const;
    [[nodiscard]] int pointsShown() const;

    // Sum of the visible stacked bar series at a point, and the part below a series' segment.
    [[nodiscard]] double stackedSum(int pointIndex) const;
    [[nodiscard]] double stackBase(int seriesIndex, int pointIndex) const;

    // The axis that carries values (left for vertical charts, bottom for horizontal bars) and
    // the one that carries the points.
    [[nodiscard]] bool isValueAxis(AxisId axis) const;
    // The range an axis spans: fixed as set, else from the values it carries with round limits,
    // or the zoomed part. The category axis spans point positions -0.5 .. n - 0.5 for bars.
    [[nodiscard]] AxisRange axisRange(AxisId axis) const;
    // The label of a value on an axis: in the axis's value format, with the decimals its step
    // needs, never in exponent form.
    [[nodiscard]] std::string valueLabel(AxisId axis, double value) const;

    [[nodiscard]] std::vector<LegendEntry> legendEntries() const;
    // The slices of a pie series: zero and negative values dropped, small ones merged into
    // "Other" (last), the biggest exploded, angles from the series' rotation angle.
    [[nodiscard]] std::vector<PieSlice> pieSlices(int seriesIndex) const;
    [[nodiscard]] std::string pieMarkText(int seriesIndex, const PieSlice& slice) const;

    // A zoom replaces the one before; undoZoom goes back to the whole chart.
    void zoom(const ZoomRect& rect);
    void undoZoom() { m_zoom.reset(); }
    [[nodiscard]] bool zoomed() const { return m_zoom.has_value(); }
    [[nodiscard]] const std::optional<ZoomRect>& zoomRect() const { return m_zoom; }

private:
    [[nodiscard]] bool carries(const ChartSeries& series, AxisId axis) const;
    [[nodiscard]] const ChartAxis& axisOf(AxisId axis) const;
    [[nodiscard]] AxisRange categoryRange() const;

    std::deque<ChartSeries> m_series; // a deque keeps references from addSeries valid
    std::optional<ZoomRect> m_zoom;
};
