#include "ui/chart_projection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

constexpr double obliqueCos = 0.7071067811865476;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

} // namespace

ChartProjection::ChartProjection(const ChartView3D& view, const QRectF& area)
    : m_view(view), m_area(area) {
    const double depthPercent = view.enabled ? std::clamp(view.depthPercent, 0, 100) : 0;
    // The depth is a share of the smaller side; the front face takes what the depth leaves.
    m_depth = depthPercent / 100.0 * std::min(area.width(), area.height()) * 0.4;
    m_width = std::max(1.0, area.width() - m_depth * obliqueCos);
    m_height = std::max(1.0, area.height() - m_depth * obliqueCos);
    if (!view.enabled || view.orthogonal)
        return;
    m_cosYaw = std::cos(radians(view.rotation - 360));
    m_sinYaw = std::sin(radians(view.rotation - 360));
    m_cosPitch = std::cos(radians(view.elevation - 360));
    m_sinPitch = std::sin(radians(view.elevation - 360));
    const double size = std::max({m_width, m_height, m_depth});
    m_eye = view.perspective > 0 ? size * 60.0 / view.perspective + size : 0;
    // Fit the turned box into the area: its projected bounds decide scale and centre.
    double left = std::numeric_limits<double>::max();
    double right = std::numeric_limits<double>::lowest();
    double top = left;
    double bottom = right;
    for (const double x : {0.0, m_width}) {
        for (const double y : {0.0, m_height}) {
            for (const double z : {0.0, m_depth}) {
                const QPointF p = raw(x, y, z);
                left = std::min(left, p.x());
                right = std::max(right, p.x());
                top = std::min(top, p.y());
                bottom = std::max(bottom, p.y());
            }
        }
    }
    m_fit = std::min({1.0, area.width() / std::max(1.0, right - left),
                      area.height() / std::max(1.0, bottom - top)});
    m_shift = QPointF(-(left + right) / 2, -(top + bottom) / 2);
}

ChartProjection::Turned ChartProjection::turn(double x, double y, double z) const {
    const double cx = x - m_width / 2;
    const double cy = y - m_height / 2;
    const double cz = z - m_depth / 2;
    const double x1 = cx * m_cosYaw - cz * m_sinYaw;
    const double z1 = cx * m_sinYaw + cz * m_cosYaw;
    const double y2 = cy * m_cosPitch - z1 * m_sinPitch;
    const double z2 = cy * m_sinPitch + z1 * m_cosPitch;
    return Turned{x1, y2, z2};
}

QPointF ChartProjection::raw(double x, double y, double z) const {
    const Turned t = turn(x, y, z);
    const double scale = m_eye > 0 ? m_eye / std::max(m_eye + t.z, m_eye * 0.1) : 1.0;
    return QPointF(t.x * scale, -t.y * scale);
}

QPointF ChartProjection::project(double x, double y, double z) const {
    QPointF p;
    if (!m_view.enabled || m_view.orthogonal)
        p = QPointF(m_area.left() + x + z * obliqueCos, m_area.bottom() - y - z * obliqueCos);
    else
        p = (raw(x, y, z) + m_shift) * m_fit + m_area.center();
    const double zoom = std::max(0, m_view.zoomPercent) / 100.0;
    return m_area.center() + (p - m_area.center()) * zoom;
}

double ChartProjection::distance(double x, double y, double z) const {
    if (!m_view.enabled || m_view.orthogonal)
        return z - (x + y) * obliqueCos;
    return turn(x, y, z).z;
}

bool ChartProjection::facesViewer(const QPolygonF& projected) {
    double area = 0;
    for (qsizetype i = 0; i < projected.size(); ++i) {
        const QPointF& a = projected[i];
        const QPointF& b = projected[(i + 1) % projected.size()];
        area += a.x() * b.y() - b.x() * a.y();
    }
    return area < -1e-6;
}
