#include "app/chart_animation.h"

#include <gtest/gtest.h>

namespace {

// Zoom ticks until the zoom timer stops, at most limit; answers how many ran.
int zoomUntilStopped(ChartAnimation& animation, int limit = 200) {
    int ticks = 0;
    while (animation.zoomTimerOn() && ticks < limit) {
        (void)animation.zoomTick();
        ++ticks;
    }
    return ticks;
}

int depthUntilStopped(ChartAnimation& animation, int entries, int limit = 200) {
    int ticks = 0;
    while (animation.depthTimerOn() && ticks < limit) {
        animation.depthTick(entries);
        ++ticks;
    }
    return ticks;
}

ChartAnimation atRest(int entries) {
    ChartAnimation animation;
    animation.start();
    zoomUntilStopped(animation);
    depthUntilStopped(animation, entries);
    return animation;
}

} // namespace

TEST(ChartAnimation, DepthStepAndTargetFollowTheDriveCount) {
    struct Case {
        int entries;
        int step;
        int target;
    };
    for (const Case c : {Case{1, 4, 60}, Case{3, 4, 60}, Case{4, 2, 36}, Case{8, 2, 36},
                         Case{9, 1, 20}, Case{12, 1, 20}, Case{13, 1, 10}, Case{26, 1, 10}}) {
        const ChartAnimation::DepthPlan plan = ChartAnimation::depthPlan(c.entries);
        EXPECT_EQ(plan.step, c.step) << c.entries << " entries";
        EXPECT_EQ(plan.target, c.target) << c.entries << " entries";
    }
}

TEST(ChartAnimation, ZoomInTakesFortyTicksFromTwentyThenFacesTheViewer) {
    ChartAnimation animation;
    animation.start();
    EXPECT_EQ(animation.view().zoomPercent, 20);
    EXPECT_EQ(animation.view().rotation, 280);
    EXPECT_EQ(animation.view().elevation, 280);
    EXPECT_FALSE(animation.view().orthogonal);
    EXPECT_EQ(animation.view().depthPercent, 25);
    EXPECT_TRUE(animation.zoomTimerOn());
    EXPECT_FALSE(animation.depthTimerOn());
    for (int tick = 1; tick <= 40; ++tick) {
        EXPECT_FALSE(animation.zoomTick());
        EXPECT_EQ(animation.view().zoomPercent, 20 + 2 * tick);
        EXPECT_EQ(animation.view().rotation, 280 + 2 * tick);
        EXPECT_FALSE(animation.view().orthogonal) << "tick " << tick;
    }
    EXPECT_TRUE(animation.zoomTimerOn()) << "the switch to deepening is the next tick's";
    EXPECT_FALSE(animation.zoomTick());
    EXPECT_TRUE(animation.view().orthogonal);
    EXPECT_EQ(animation.view().rotation, 360);
    EXPECT_EQ(animation.view().elevation, 360);
    EXPECT_EQ(animation.view().zoomPercent, 100);
    EXPECT_FALSE(animation.zoomTimerOn());
    EXPECT_TRUE(animation.depthTimerOn());
    EXPECT_FALSE(animation.labelsVisible());
}

TEST(ChartAnimation, DeepeningStopsAtTheTargetAndShowsTheLabels) {
    struct Case {
        int entries;
        int finalDepth;
        int ticks; // depth ticks including the one that stops
    };
    // 25 + 4 * 9 = 61 >= 60; 25 + 2 * 6 = 37 >= 36; 25 is already above 20 and 10.
    for (const Case c : {Case{3, 61, 10}, Case{4, 37, 7}, Case{9, 25, 1}, Case{13, 25, 1}}) {
        ChartAnimation animation;
        animation.start();
        zoomUntilStopped(animation);
        EXPECT_EQ(depthUntilStopped(animation, c.entries), c.ticks) << c.entries << " entries";
        EXPECT_EQ(animation.view().depthPercent, c.finalDepth) << c.entries << " entries";
        EXPECT_TRUE(animation.labelsVisible());
        EXPECT_EQ(animation.chartHint(), "Double click chart to view animation");
        EXPECT_FALSE(animation.zoomTimerOn());
        EXPECT_EQ(animation.animStep(), ChartAnimation::depthPlan(c.entries).step);
        EXPECT_EQ(animation.animTarget(), ChartAnimation::depthPlan(c.entries).target);
    }
}

TEST(ChartAnimation, FirstCloseRequestFlattensAndZoomsOutThenTheSecondIsAllowed) {
    ChartAnimation animation = atRest(3);
    ASSERT_EQ(animation.view().depthPercent, 61);

    EXPECT_FALSE(animation.closeRequested());
    EXPECT_EQ(animation.closeCount(), 1);
    EXPECT_FALSE(animation.opening());
    EXPECT_FALSE(animation.buttonsVisible());
    EXPECT_FALSE(animation.labelsVisible());
    EXPECT_TRUE(animation.depthTimerOn());

    // 61 - 4 * 12 = 13 <= 15: twelve steps down, then the switch to zooming out.
    EXPECT_EQ(depthUntilStopped(animation, 3), 13);
    EXPECT_EQ(animation.view().depthPercent, 13);
    EXPECT_FALSE(animation.view().orthogonal);
    EXPECT_EQ(animation.view().rotation, 360);
    EXPECT_EQ(animation.view().elevation, 360);
    EXPECT_TRUE(animation.zoomTimerOn());

    // 100 - 3 * 34 = -2 < 1: 34 ticks down, and the next asks to close.
    for (int tick = 1; tick <= 34; ++tick)
        ASSERT_FALSE(animation.zoomTick()) << "tick " << tick;
    EXPECT_EQ(animation.view().zoomPercent, -2);
    EXPECT_EQ(animation.view().rotation, 360 - 68);
    EXPECT_TRUE(animation.zoomTick());
    EXPECT_FALSE(animation.zoomTimerOn());
    EXPECT_FALSE(animation.buttonsVisible());

    EXPECT_TRUE(animation.closeRequested());
    EXPECT_EQ(animation.closeCount(), 2);
}

TEST(ChartAnimation, CloseWhileZoomingInShrinksTheZoomAndTheDepthTogether) {
    ChartAnimation animation;
    animation.start();
    for (int tick = 0; tick < 10; ++tick)
        (void)animation.zoomTick();
    ASSERT_EQ(animation.view().zoomPercent, 40);
    EXPECT_FALSE(animation.closeRequested());
    EXPECT_TRUE(animation.zoomTimerOn()) << "the zoom timer keeps running, now closing";
    EXPECT_TRUE(animation.depthTimerOn());

    EXPECT_FALSE(animation.zoomTick());
    animation.depthTick(3);
    EXPECT_EQ(animation.view().zoomPercent, 37);
    EXPECT_EQ(animation.view().rotation, 298);
    EXPECT_EQ(animation.view().depthPercent, 21);

    // Both run on; the zoom falls below 1 and the window is asked to close.
    bool closeAsked = false;
    for (int tick = 0; tick < 100 && !closeAsked; ++tick) {
        if (animation.depthTimerOn())
            animation.depthTick(3);
        closeAsked = animation.zoomTimerOn() && animation.zoomTick();
    }
    EXPECT_TRUE(closeAsked);
    EXPECT_LT(animation.view().zoomPercent, 1);
    EXPECT_EQ(animation.view().depthPercent, 13);
    EXPECT_FALSE(animation.depthTimerOn());
}

TEST(ChartAnimation, DoubleClickReplaysTheOpening) {
    ChartAnimation animation = atRest(4);
    ASSERT_TRUE(animation.labelsVisible());
    animation.replay();
    EXPECT_FALSE(animation.labelsVisible());
    EXPECT_TRUE(animation.chartHint().empty());
    EXPECT_EQ(animation.view().zoomPercent, 20);
    EXPECT_EQ(animation.view().rotation, 280);
    EXPECT_EQ(animation.view().elevation, 280);
    EXPECT_EQ(animation.view().depthPercent, 25);
    EXPECT_FALSE(animation.view().orthogonal);
    EXPECT_TRUE(animation.zoomTimerOn());
    EXPECT_TRUE(animation.opening());

    EXPECT_EQ(zoomUntilStopped(animation), 41);
    depthUntilStopped(animation, 4);
    EXPECT_TRUE(animation.labelsVisible());
    EXPECT_EQ(animation.view().depthPercent, 37);
    EXPECT_TRUE(animation.buttonsVisible());
}
