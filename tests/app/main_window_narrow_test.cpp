// Runs on an offscreen screen 640 pixels wide (see narrow_screen.json).
#include "app/main_window.h"

#include <QGuiApplication>
#include <QScreen>

#include <gtest/gtest.h>

TEST(MainWindowNarrowScreen, StartsMaximized) {
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry().width(), 640)
        << "the test needs the narrow offscreen screen";
    MainWindow window([] { return std::vector<std::string>{}; }, [] {});
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
}
