#include "ui/chart_frame.h"

#include <algorithm>

ChartFrame::ChartFrame(const ChartView3D& view, const QRectF& plotArea, bool horizontal,
                       const AxisRange& categoryRange)
    : m_projection(view, plotArea), m_horizontal(horizontal), m_categoryRange(categoryRange),
      m_valueLength(horizontal ? m_projection.width() : m_projection.height()),
      m_categoryLength(horizontal ? m_projection.height() : m_projection.width()) {}

QRectF ChartFrame::frontFace() const {
    return QRectF(m_projection.project(0, m_projection.height(), 0),
                  m_projection.project(m_projection.width(), 0, 0))
        .normalized();
}

double ChartFrame::valuePixel(const AxisRange& range, double value) const {
    if (!(range.maximum > range.minimum))
        return 0.0;
    const double clamped = std::clamp(value, range.minimum, range.maximum);
    return (clamped - range.minimum) / (range.maximum - range.minimum) * m_valueLength;
}

double ChartFrame::categoryPixel(double position) const {
    if (!(m_categoryRange.maximum > m_categoryRange.minimum))
        return 0.0;
    return (position - m_categoryRange.minimum) /
           (m_categoryRange.maximum - m_categoryRange.minimum) * m_categoryLength;
}

QPointF ChartFrame::place(double category, double value, double z) const {
    return m_horizontal ? m_projection.project(value, category, z)
                        : m_projection.project(category, value, z);
}
