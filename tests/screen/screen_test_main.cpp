// Entry of the tests that read what reached a real X server: they mean nothing on the offscreen
// platform, so they refuse to run anywhere but on xcb.
#include <QApplication>

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "these tests need an X server (platform xcb), not %s\n",
                     qPrintable(QGuiApplication::platformName()));
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
