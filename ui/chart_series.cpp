#include "ui/chart_series.h"

#include "ui/format_float.h"

#include <numeric>

ChartSeries::ChartSeries(Kind kind, std::string title) : title(std::move(title)), m_kind(kind) {}

void ChartSeries::add(double value, std::string label, ColorRef color) {
    m_points.push_back(ChartPoint{value, std::move(label), color, std::nullopt});
}

void ChartSeries::addXY(double x, double value, std::string label, ColorRef color) {
    m_points.push_back(ChartPoint{value, std::move(label), color, x});
}

double ChartSeries::value(int index) const {
    if (index < 0 || index >= count())
        return 0;
    return m_points[static_cast<std::size_t>(index)].value;
}

double ChartSeries::total() const {
    return std::accumulate(
        m_points.begin(), m_points.end(), 0.0,
        [](double sum, const ChartPoint& p) { return sum + p.value; });
}

double ChartSeries::percentOfTotal(int index) const {
    const double sum = total();
    return sum == 0 ? 0 : 100.0 * value(index) / sum;
}

std::string ChartSeries::markText(int index) const {
    if (index < 0 || index >= count())
        return {};
    switch (marks.style) {
    case ChartMarks::Style::Value:
        return formatFloat(marks.format, value(index));
    case ChartMarks::Style::Percent:
        return formatFloat(marks.format, percentOfTotal(index));
    case ChartMarks::Style::LabelAndPercent:
        break;
    }
    const std::string& label = m_points[static_cast<std::size_t>(index)].label;
    const std::string percent = formatFloat(marks.format, percentOfTotal(index));
    return label.empty() ? percent : label + " " + percent;
}
