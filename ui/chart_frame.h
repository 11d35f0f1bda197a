#pragma once
// The plot of a bar or line chart as its painter sees it: the projected 3D box and the scales
// that turn a category position and a value into pixels along the box's sides. A horizontal
// bar chart carries its values along x and its categories along y; the frame hides that swap,
// so the painter speaks of categories and values only. It copies what it needs and is cheap.

#include "ui/axis_range.h"
#include "ui/chart_projection.h"

#include <QPointF>
#include <QRectF>

class ChartFrame final {
public:
    // plotArea: where the plot with its depth fits; categoryRange: what the category axis spans.
    ChartFrame(const ChartView3D& view, const QRectF& plotArea, bool horizontal,
               const AxisRange& categoryRange);

    [[nodiscard]] const ChartProjection& projection() const { return m_projection; }
    [[nodiscard]] double depth() const { return m_projection.depth(); }
    [[nodiscard]] double valueLength() const { return m_valueLength; }
    [[nodiscard]] double categoryLength() const { return m_categoryLength; }
    // The front face of the box on the device.
    [[nodiscard]] QRectF frontFace() const;

    // Pixels from the foot of the value axis to the value, which is held inside the range.
    [[nodiscard]] double valuePixel(const AxisRange& range, double value) const;
    // Pixels from the start of the category axis to the category position.
    [[nodiscard]] double categoryPixel(double position) const;
    // The device point of a place given in category and value pixels at depth z.
    [[nodiscard]] QPointF place(double category, double value, double z) const;

private:
    ChartProjection m_projection;
    bool m_horizontal;
    AxisRange m_categoryRange;
    double m_valueLength;
    double m_categoryLength;
};
