#pragma once
// One bar as a box in plot coordinates (see ChartProjection) with its colour, and the order in
// which a chart's boxes are painted so that each covers only those behind it. The boxes of a
// chart stand apart along at least one axis or are compared by their centres, which is enough
// for bars that never cut into each other.

#include "ui/chart_projection.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>

#include <array>
#include <vector>

struct ChartBox final {
    // A face on the device with its shade; the front face is the one at the box's near z.
    struct Face {
        QPolygonF polygon;
        QColor color;
        bool front;
    };

    double x0, x1, y0, y1, z0, z1;
    QColor color;
    bool gradient;
    bool horizontal; // the bar grows along x
    int series;
    int point;

    // All six faces, each counter-clockwise as seen from outside, the front face first.
    [[nodiscard]] std::array<Face, 6> faces(const ChartProjection& projection) const;
    // The middle of the bar's foot and of its end on the front face, on the device.
    [[nodiscard]] QPointF foot(const ChartProjection& projection) const;
    [[nodiscard]] QPointF end(const ChartProjection& projection) const;

    // Painter's order: every box before each box it lies behind.
    static void sortForPainting(std::vector<ChartBox>& boxes, const ChartProjection& projection);
};
