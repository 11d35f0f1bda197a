#include "ui/chart_model.h"

#include "ui/format_float.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// A step of 1, 2 or 5 times a power of ten that cuts the span into about `parts` pieces.
double niceStep(double span, int parts) {
    if (!(span > 0))
        return 1;
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 2.5, 5.0})
        if (factor * power >= raw)
            return factor * power;
    return 10 * power;
}

AxisRange roundRange(double low, double high) {
    if (high - low < 1e-12)
        high = low + 1;
    const double step = niceStep(high - low, 8);
    return AxisRange{std::floor(low / step + 1e-9) * step, std::ceil(high / step - 1e-9) * step,
                     step};
}

} // namespace

void ChartModel::showPlotOnly() {
    title.visible = false;
    legend.visible = false;
    leftAxis.visible = false;
    bottomAxis.visible = false;
    frameVisible = false;
    allowZoom = false;
}

ChartSeries& ChartModel::addSeries(ChartSeries::Kind kind, std::string seriesTitle) {
    return m_series.emplace_back(kind, std::move(seriesTitle));
}

ChartSeries::Kind ChartModel::layoutKind() const {
    for (const auto& s : m_series)
        if (s.visible && s.count() > 0)
            return s.kind();
    return m_series.empty() ? ChartSeries::Kind::Bar : m_series.front().kind();
}

bool ChartModel::stacked() const {
    for (const auto& s : m_series)
        if (s.visible && s.isBar())
            return s.multiBar == ChartSeries::MultiBar::Stacked;
    return false;
}

int ChartModel::pageCount() const {
    int most = 0;
    for (const auto& s : m_series)
        most = std::max(most, s.visible ? s.count() : 0);
    const bool paged = maxPointsPerPage > 0 && layoutKind() != ChartSeries::Kind::Pie &&
                       (layoutKind() != ChartSeries::Kind::Line || bottomAxis.automatic);
    if (!paged || most == 0)
        return 1;
    return (most + maxPointsPerPage - 1) / maxPointsPerPage;
}

int ChartModel::firstPoint() const {
    if (pageCount() == 1)
        return 0;
    return (std::clamp(page, 1, pageCount()) - 1) * maxPointsPerPage;
}

int ChartModel::pointsShown() const {
    int most = 0;
    for (const auto& s : m_series)
        most = std::max(most, s.visible ? s.count() : 0);
    if (pageCount() == 1)
        return most;
    return std::min(maxPointsPerPage, most - firstPoint());
}

double ChartModel::stackedSum(int pointIndex) const {
    double sum = 0;
    for (const auto& s : m_series)
        if (s.visible && s.isBar())
            sum += s.value(pointIndex);
    return sum;
}

double ChartModel::stackBase(int seriesIndex, int pointIndex) const {
    double base = 0;
    for (int i = 0; i < seriesIndex && i < seriesCount(); ++i) {
        const auto& s = series(i);
        if (s.visible && s.isBar())
            base += s.value(pointIndex);
    }
    return base;
}

bool ChartModel::isValueAxis(AxisId axis) const {
    return horizontal() ? axis == AxisId::Bottom : axis != AxisId::Bottom;
}

const ChartAxis& ChartModel::axisOf(AxisId axisId) const {
    return axisId == AxisId::Left ? leftAxis : axisId == AxisId::Right ? rightAxis : bottomAxis;
}

bool ChartModel::carries(const ChartSeries& s, AxisId axis) const {
    if (!s.visible || s.kind() == ChartSeries::Kind::Pie)
        return false;
    if (horizontal() || axis == AxisId::Bottom)
        return true;
    if (s.axis == ChartSeries::AxisBinding::Both)
        return true;
    return (axis == AxisId::Left) == (s.axis == ChartSeries::AxisBinding::Left);
}

AxisRange ChartModel::categoryRange() const {
    const ChartAxis& axis = horizontal() ? leftAxis : bottomAxis;
    if (m_zoom) {
        return AxisRange{m_zoom->categoryMin, m_zoom->categoryMax,
                         niceStep(m_zoom->categoryMax - m_zoom->categoryMin, 8)};
    }
    if (!axis.automatic)
        return AxisRange{axis.minimum, axis.maximum, niceStep(axis.maximum - axis.minimum, 8)};
    if (layoutKind() == ChartSeries::Kind::Line) {
        double low = std::numeric_limits<double>::max();
        double high = std::numeric_limits<double>::lowest();
        for (const auto& s : m_series) {
            if (!s.visible)
                continue;
            for (int i = 0; i < s.count(); ++i) {
                const double x = s.points()[static_cast<std::size_t>(i)].x.value_or(i);
                low = std::min(low, x);
                high = std::max(high, x);
            }
        }
        if (low > high)
            return AxisRange{0, 1, 1};
        return AxisRange{low, std::max(high, low + 1), 1};
    }
    const int first = firstPoint();
    return AxisRange{first - 0.5, first + std::max(pointsShown(), 1) - 0.5, 1};
}

AxisRange ChartModel::axisRange(AxisId axisId) const {
    if (!isValueAxis(axisId))
        return categoryRange();
    if (m_zoom) {
        return AxisRange{m_zoom->valueMin, m_zoom->valueMax,
                         niceStep(m_zoom->valueMax - m_zoom->valueMin, 8)};
    }
    const ChartAxis& axis = axisOf(axisId);
    if (!axis.automatic)
        return AxisRange{axis.minimum, axis.maximum, niceStep(axis.maximum - axis.minimum, 8)};
    double low = 0;
    double high = 0;
    bool marks = false;
    const int first = firstPoint();
    const int last = first + pointsShown();
    for (const auto& s : m_series) {
        if (!carries(s, axisId))
            continue;
        marks = marks || s.marks.visible;
        for (int i = first; i < last && i < s.count(); ++i) {
            const double v = s.isBar() && stacked() ? stackedSum(i) : s.value(i);
            if (!std::isfinite(v))
                continue;
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    // Marks written beyond the bars' ends need room inside the plot.
    if (marks && !stacked())
        high += (high - low) * 0.2;
    return roundRange(low, high);
}

std::string ChartModel::valueLabel(AxisId axisId, double value) const {
    const ChartAxis& axis = axisOf(axisId);
    return formatChartNumber(axis.valueFormat, value, axisRange(axisId).step);
}

std::vector<LegendEntry> ChartModel::legendEntries() const {
    std::vector<LegendEntry> entries;
    if (legend.content == ChartLegend::Content::SeriesTitles) {
        for (const auto& s : m_series)
            if (s.visible)
                entries.push_back(LegendEntry{s.title, s.color});
    } else {
        for (const auto& s : m_series) {
            if (!s.visible)
                continue;
            for (const auto& p : s.points()) {
                std::string text = formatChartNumber(s.valueFormat, p.value);
                if (!p.label.empty())
                    text += " " + p.label;
                entries.push_back(LegendEntry{std::move(text), p.color});
            }
            break;
        }
    }
    if (legend.inverted)
        std::reverse(entries.begin(), entries.end());
    return entries;
}

std::vector<PieSlice> ChartModel::pieSlices(int seriesIndex) const {
    const ChartSeries& s = series(seriesIndex);
    double total = 0;
    for (const auto& p : s.points())
        total += p.value > 0 ? p.value : 0;
    std::vector<PieSlice> slices;
    if (!(total > 0))
        return slices;
    PieSlice other{0, 0, s.pie.otherLabel, s.pie.otherColor, 0, 0, 0, -1};
    int merged = 0;
    for (int i = 0; i < s.count(); ++i) {
        const ChartPoint& p = s.points()[static_cast<std::size_t>(i)];
        if (!(p.value > 0))
            continue;
        const double percent = 100.0 * p.value / total;
        if (s.pie.otherPercent > 0 && percent < s.pie.otherPercent) {
            other.value += p.value;
            ++merged;
            continue;
        }
        slices.push_back(PieSlice{p.value, percent, p.label, p.color, 0, 0, 0, i});
    }
    if (merged > 0) {
        other.percent = 100.0 * other.value / total;
        slices.push_back(other);
    }
    if (s.pie.explodeBiggest > 0 && slices.size() > 1) {
        const auto biggest = std::max_element(
            slices.begin(), slices.end(),
            [](const PieSlice& a, const PieSlice& b) { return a.value < b.value; });
        biggest->explodePercent = s.pie.explodeBiggest;
    }
    double angle = s.pie.rotationAngle;
    for (auto& slice : slices) {
        slice.startAngle = std::fmod(angle, 360.0);
        slice.sweepAngle = 360.0 * slice.value / total;
        angle += slice.sweepAngle;
    }
    return slices;
}

std::string ChartModel::pieMarkText(int seriesIndex, const PieSlice& slice) const {
    const ChartSeries& s = series(seriesIndex);
    switch (s.marks.style) {
    case ChartMarks::Style::Value:
        return formatFloat(s.marks.format, slice.value);
    case ChartMarks::Style::Percent:
        return formatFloat(s.marks.format, slice.percent);
    case ChartMarks::Style::LabelAndPercent:
        break;
    }
    const std::string percent = formatFloat(s.marks.format, slice.percent);
    return slice.label.empty() ? percent : slice.label + " " + percent;
}

void ChartModel::zoom(const ZoomRect& rect) {
    ZoomRect r = rect;
    if (r.categoryMin > r.categoryMax)
        std::swap(r.categoryMin, r.categoryMax);
    if (r.valueMin > r.valueMax)
        std::swap(r.valueMin, r.valueMax);
    if (r.categoryMax - r.categoryMin <= 0 || r.valueMax - r.valueMin <= 0)
        return;
    m_zoom = r;
}
