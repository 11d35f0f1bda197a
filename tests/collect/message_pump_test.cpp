#include "collect/message_pump.h"

#include <QCoreApplication>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Posts a queued call that only an event-loop run delivers.
void postMark(int& delivered) {
    QTimer::singleShot(
        0, QCoreApplication::instance(), [&delivered] { ++delivered; });
}

} // namespace

TEST(MessagePump, WithinTheIntervalPendingEventsWait) {
    MessagePump pump;
    pump.setInterval(std::chrono::hours(1));
    int delivered = 0;
    postMark(delivered);
    for (int i = 0; i < 1000; ++i)
        EXPECT_FALSE(pump.pump());
    EXPECT_EQ(delivered, 0);
    EXPECT_EQ(pump.runs(), 0);

    pump.pumpNow();
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(pump.runs(), 1);
}

TEST(MessagePump, AfterTheIntervalThePumpRunsTheLoopAndTheBeforeRunActionFirst) {
    MessagePump pump;
    pump.setInterval(std::chrono::nanoseconds(0));
    int delivered = 0;
    int deliveredBeforeAction = -1;
    pump.setBeforeRun([&] { deliveredBeforeAction = delivered; });
    postMark(delivered);
    EXPECT_TRUE(pump.pump());
    EXPECT_EQ(delivered, 1);
    EXPECT_EQ(deliveredBeforeAction, 0) << "the action runs before the loop";

    pump.restart();
    EXPECT_EQ(pump.runs(), 0);
    EXPECT_EQ(pump.longestGap().count(), 0);
}

TEST(MessagePump, TheBeforeRunActionKeepsItsOwnSlowerPace) {
    MessagePump pump;
    pump.setInterval(std::chrono::nanoseconds(0));
    int actions = 0;
    pump.setBeforeRun([&] { ++actions; }, std::chrono::hours(1));
    EXPECT_TRUE(pump.pump());
    EXPECT_EQ(actions, 1) << "the first run of a walk has it at once";
    for (int i = 0; i < 100; ++i)
        EXPECT_TRUE(pump.pump());
    EXPECT_EQ(actions, 1) << "the loop runs every time, the action once per its interval";
    EXPECT_EQ(pump.runs(), 101);
    pump.pumpNow();
    EXPECT_EQ(actions, 2) << "a run on demand always has it";
    pump.restart();
    EXPECT_TRUE(pump.pump());
    EXPECT_EQ(actions, 3) << "a new walk starts with it";
}
