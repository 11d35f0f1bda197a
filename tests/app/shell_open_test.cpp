#include "app/shell_open.h"

#include "fake_xdg_open.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace {

const std::string address = "http://www.example.org/page?a=1&b=2";

} // namespace

TEST(ShellOpen, ALauncherThatEndsWellHasOpenedTheAddress) {
    tally_test::FakeXdgOpen launcher("exit 0");
    EXPECT_TRUE(shellOpen(address));
    EXPECT_EQ(launcher.launches(), std::vector<std::string>{address});
}

TEST(ShellOpen, ALauncherThatFailsOrCrashesOrIsMissingIsAFailure) {
    {
        // What xdg-open does when no browser is found.
        tally_test::FakeXdgOpen launcher("exit 3");
        EXPECT_FALSE(shellOpen(address));
        EXPECT_EQ(launcher.launches(), std::vector<std::string>{address});
    }
    {
        tally_test::FakeXdgOpen launcher("kill -SEGV $$");
        EXPECT_FALSE(shellOpen(address));
        EXPECT_EQ(launcher.launches().size(), 1U);
    }
    const char* oldPath = std::getenv("PATH");
    const std::string kept = oldPath != nullptr ? oldPath : "";
    tally_test::TempFolder empty;
    ::setenv("PATH", empty.path().c_str(), 1);
    EXPECT_FALSE(shellOpen(address));
    ::setenv("PATH", kept.c_str(), 1);
}

TEST(ShellOpen, ALauncherStillRunningAfterAWhileHasOpenedTheAddressAndIsLeftToRun) {
    // xdg-open may run a newly started browser in its foreground until the browser ends.
    tally_test::FakeXdgOpen launcher("sleep 4; touch \"$(dirname \"$0\")/ended\"; exit 0");
    EXPECT_TRUE(shellOpen(address));
    const std::string ended = launcher.folder() + "/ended";
    EXPECT_FALSE(std::filesystem::exists(ended));
    QDeadlineTimer deadline(15000);
    while (!std::filesystem::exists(ended) && !deadline.hasExpired()) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(std::filesystem::exists(ended)) << "the launcher was stopped";
}
