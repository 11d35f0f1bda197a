#include "ui/chart_frame.h"

#include <gtest/gtest.h>

namespace {

ChartView3D flatView() {
    ChartView3D view;
    view.enabled = false;
    return view;
}

const QRectF area(10, 20, 400, 300);
const AxisRange categories{-0.5, 4.5, 1};

TEST(ChartFrameTest, ValuesAreHeldInsideTheirRange) {
    const ChartFrame frame(flatView(), area, false, categories);
    const AxisRange range{0, 200, 50};
    EXPECT_DOUBLE_EQ(frame.valueLength(), 300);
    EXPECT_DOUBLE_EQ(frame.valuePixel(range, 0), 0);
    EXPECT_DOUBLE_EQ(frame.valuePixel(range, 50), 75);
    EXPECT_DOUBLE_EQ(frame.valuePixel(range, -30), 0);
    EXPECT_DOUBLE_EQ(frame.valuePixel(range, 900), 300);
    // An empty range has no scale: everything stands at the foot instead of dividing by zero.
    EXPECT_DOUBLE_EQ(frame.valuePixel(AxisRange{5, 5, 1}, 5), 0);
}

TEST(ChartFrameTest, CategoriesSpanTheirAxisWithoutClamping) {
    const ChartFrame frame(flatView(), area, false, categories);
    EXPECT_DOUBLE_EQ(frame.categoryLength(), 400);
    EXPECT_DOUBLE_EQ(frame.categoryPixel(-0.5), 0);
    EXPECT_DOUBLE_EQ(frame.categoryPixel(2), 200);
    EXPECT_DOUBLE_EQ(frame.categoryPixel(4.5), 400);
    EXPECT_DOUBLE_EQ(frame.categoryPixel(5.5), 480);
    EXPECT_DOUBLE_EQ(ChartFrame(flatView(), area, false, AxisRange{3, 3, 1}).categoryPixel(3), 0);
}

TEST(ChartFrameTest, HorizontalChartsCarryValuesAlongX) {
    const ChartFrame upright(flatView(), area, false, categories);
    const ChartFrame lying(flatView(), area, true, categories);
    EXPECT_DOUBLE_EQ(lying.valueLength(), 400);
    EXPECT_DOUBLE_EQ(lying.categoryLength(), 300);
    // Category 30 px along, value 100 px up the axis, on the front face of a flat plot.
    EXPECT_EQ(upright.place(30, 100, 0), QPointF(40, 220));
    EXPECT_EQ(lying.place(30, 100, 0), QPointF(110, 290));
    EXPECT_EQ(upright.frontFace(), area);
    EXPECT_EQ(lying.frontFace(), area);
}

TEST(ChartFrameTest, DepthTakesRoomFromTheFrontFace) {
    ChartView3D view;
    view.depthPercent = 50;
    const ChartFrame frame(view, area, false, categories);
    EXPECT_GT(frame.depth(), 0);
    EXPECT_LT(frame.valueLength(), area.height());
    EXPECT_LT(frame.categoryLength(), area.width());
    EXPECT_TRUE(area.contains(frame.frontFace()));
    // The oblique depth goes up and to the right.
    const QPointF back = frame.place(0, 0, frame.depth()) - frame.place(0, 0, 0);
    EXPECT_GT(back.x(), 0);
    EXPECT_LT(back.y(), 0);
}

} // namespace
