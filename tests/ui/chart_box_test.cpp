#include "ui/chart_box.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QRectF area(0, 0, 400, 300);

ChartBox box(double x0, double x1, double z0, double z1, int point) {
    return ChartBox{x0, x1, 0, 50, z0, z1, QColor(200, 40, 40), false, false, 0, point};
}

std::vector<int> points(const std::vector<ChartBox>& boxes) {
    std::vector<int> result;
    for (const ChartBox& b : boxes)
        result.push_back(b.point);
    return result;
}

TEST(ChartBoxTest, TheObliqueViewShowsFrontTopAndRightFaces) {
    ChartView3D view;
    view.depthPercent = 40;
    const ChartProjection projection(view, area);
    const ChartBox bar = box(10, 30, 0, 20, 0);
    const auto faces = bar.faces(projection);
    std::vector<QColor> shown;
    for (const ChartBox::Face& face : faces)
        if (ChartProjection::facesViewer(face.polygon))
            shown.push_back(face.color);
    // front, right side, top: the depth goes up and to the right.
    EXPECT_EQ(shown,
              (std::vector<QColor>{bar.color, bar.color.darker(140), bar.color.lighter(125)}));
    EXPECT_TRUE(faces[0].front);
    EXPECT_FALSE(faces[1].front);
}

TEST(ChartBoxTest, TheFootOfAnUprightBarIsBelowItsEnd) {
    const ChartProjection projection(ChartView3D{}, area);
    ChartBox bar = box(10, 30, 0, 20, 0);
    EXPECT_EQ(bar.foot(projection).x(), bar.end(projection).x());
    EXPECT_GT(bar.foot(projection).y(), bar.end(projection).y());
    bar.horizontal = true;
    EXPECT_EQ(bar.foot(projection).y(), bar.end(projection).y());
    EXPECT_LT(bar.foot(projection).x(), bar.end(projection).x());
}

TEST(ChartBoxTest, BoxesNearerTheViewerArePaintedLater) {
    ChartView3D view;
    view.depthPercent = 60;
    const ChartProjection oblique(view, area);
    // Side by side: the oblique depth runs to the right, so the right box hides the left one.
    std::vector<ChartBox> row{box(60, 80, 0, 20, 2), box(0, 20, 0, 20, 0), box(30, 50, 0, 20, 1)};
    ChartBox::sortForPainting(row, oblique);
    EXPECT_EQ(points(row), (std::vector<int>{0, 1, 2}));
    // One behind the other: the far one first.
    std::vector<ChartBox> file{box(0, 20, 0, 10, 0), box(0, 20, 30, 40, 1)};
    ChartBox::sortForPainting(file, oblique);
    EXPECT_EQ(points(file), (std::vector<int>{1, 0}));

    // Turned the other way round, the left box comes nearer and is painted last.
    view.orthogonal = false;
    view.rotation = 60;
    const ChartProjection turned(view, area);
    ChartBox::sortForPainting(row, turned);
    EXPECT_EQ(points(row), (std::vector<int>{2, 1, 0}));
}

} // namespace
