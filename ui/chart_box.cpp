#include "ui/chart_box.h"

#include <algorithm>

std::array<ChartBox::Face, 6> ChartBox::faces(const ChartProjection& projection) const {
    auto P = [&](double x, double y, double z) { return projection.project(x, y, z); };
    return {{
        {{P(x0, y0, z0), P(x1, y0, z0), P(x1, y1, z0), P(x0, y1, z0)}, color, true},
        {{P(x0, y0, z1), P(x0, y1, z1), P(x1, y1, z1), P(x1, y0, z1)}, color.darker(110), false},
        {{P(x0, y0, z0), P(x0, y1, z0), P(x0, y1, z1), P(x0, y0, z1)}, color.darker(140), false},
        {{P(x1, y0, z0), P(x1, y0, z1), P(x1, y1, z1), P(x1, y1, z0)}, color.darker(140), false},
        {{P(x0, y1, z0), P(x1, y1, z0), P(x1, y1, z1), P(x0, y1, z1)}, color.lighter(125), false},
        {{P(x0, y0, z0), P(x0, y0, z1), P(x1, y0, z1), P(x1, y0, z0)}, color.darker(160), false},
    }};
}

QPointF ChartBox::foot(const ChartProjection& projection) const {
    return horizontal ? projection.project(x0, (y0 + y1) / 2, z0)
                      : projection.project((x0 + x1) / 2, y0, z0);
}

QPointF ChartBox::end(const ChartProjection& projection) const {
    return horizontal ? projection.project(x1, (y0 + y1) / 2, z0)
                      : projection.project((x0 + x1) / 2, y1, z0);
}

void ChartBox::sortForPainting(std::vector<ChartBox>& boxes, const ChartProjection& projection) {
    // Boxes that a plane along an axis separates are ordered by the side the viewer is on; the
    // rest by the distance of their centres.
    const double origin = projection.distance(0, 0, 0);
    const double towards[3] = {projection.distance(1, 0, 0) - origin,
                               projection.distance(0, 1, 0) - origin,
                               projection.distance(0, 0, 1) - origin};
    auto behind = [&](const ChartBox& a, const ChartBox& b) {
        const double lows[2][3] = {{a.x0, a.y0, a.z0}, {b.x0, b.y0, b.z0}};
        const double highs[2][3] = {{a.x1, a.y1, a.z1}, {b.x1, b.y1, b.z1}};
        for (int k = 0; k < 3; ++k) {
            if (highs[0][k] <= lows[1][k] + 1e-6) {
                return towards[k] < 0;
            }
            if (highs[1][k] <= lows[0][k] + 1e-6) {
                return towards[k] > 0;
            }
        }
        return projection.distance((a.x0 + a.x1) / 2, (a.y0 + a.y1) / 2, (a.z0 + a.z1) / 2) >
               projection.distance((b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, (b.z0 + b.z1) / 2);
    };
    std::vector<ChartBox> ordered;
    for (const ChartBox& box : boxes) {
        auto at = std::find_if(ordered.begin(), ordered.end(),
                               [&](const ChartBox& other) { return behind(box, other); });
        ordered.insert(at, box);
    }
    boxes = std::move(ordered);
}
