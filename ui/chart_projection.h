#pragma once
// Maps the 3D box of a chart's plot onto the screen. Box coordinates: x to the right, y up,
// z into the screen, in pixels; the front face spans width x height at z = 0, the back wall
// lies at z = depth. An orthogonal view is an oblique projection with the depth going up and
// to the right at 45 degrees; otherwise the box is turned by rotation (about the vertical
// axis) and elevation (about the horizontal axis), seen with an optional perspective, scaled
// to fit its area and finally scaled by the zoom around the area's centre. Every setting maps
// continuously, so an animation of rotation, elevation, depth or zoom never jumps.

#include "ui/chart_view_3d.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>

class ChartProjection final {
public:
    // area: where the plot (with its depth) must fit at zoom 100.
    ChartProjection(const ChartView3D& view, const QRectF& area);

    [[nodiscard]] double width() const { return m_width; }
    [[nodiscard]] double height() const { return m_height; }
    [[nodiscard]] double depth() const { return m_depth; }

    [[nodiscard]] QPointF project(double x, double y, double z) const;
    // Distance from the viewer along the line of sight: larger is farther.
    [[nodiscard]] double distance(double x, double y, double z) const;

    // A face given counter-clockwise as seen from outside its solid faces the viewer.
    [[nodiscard]] static bool facesViewer(const QPolygonF& projected);

private:
    struct Turned {
        double x;
        double y;
        double z;
    };
    [[nodiscard]] Turned turn(double x, double y, double z) const;
    [[nodiscard]] QPointF raw(double x, double y, double z) const;

    ChartView3D m_view;
    QRectF m_area;
    double m_width = 0;
    double m_height = 0;
    double m_depth = 0;
    double m_cosYaw = 1;
    double m_sinYaw = 0;
    double m_cosPitch = 1;
    double m_sinPitch = 0;
    double m_eye = 0; // distance of the eye from the box centre; 0 without perspective
    double m_fit = 1;
    QPointF m_shift;
};
