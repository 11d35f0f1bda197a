// tally99-window-bench TREE: runs one collection of the statistics window, offscreen, over TREE
// mapped as drive c, and prints how responsive the window stayed (the longest gap between two
// runs of the event loop during the walk, and how often it ran) and how fast it walked (files
// per second; "seconds" from the click on OK to the filled pages, "walk seconds" to the walk's
// last pump), for comparison with tally99-report on the same tree. The configuration folder is
// a temporary one, so the user's drives.ini is neither read nor changed.
#include "collect/statistics_window.h"
#include "platform/drives.h"
#include "platform/message_hook.h"
#include "ui/drive_box.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tally99-window-bench TREE\n");
        return 2;
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTemporaryDir config;
    ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    const QString folder = config.path() + "/tally99";
    QDir().mkpath(folder);
    std::ofstream(folder.toLocal8Bit().toStdString() + "/drives.ini")
        << "[Drives]\nauto=0\nc=" << argv[1] << "\n[Types]\nc=fixed\n";
    platform::reloadDriveTable();
    platform::setMessageHook(
        [](platform::MessageKind kind, const std::string&, const std::string& text) {
            if (kind == platform::MessageKind::Error)
                std::fprintf(stderr, "%s\n", text.c_str());
            return platform::MessageResult::Ok;
        });

    StatisticsWindow window;
    window.setWizardRunner([](QWidget*) {
        WizardAnswer answer;
        answer.drives = {drive_box::driveText('c')};
        answer.allFiles = true;
        return std::optional<WizardAnswer>(answer);
    });
    window.show();
    // The walk pumps once per entry: its last pump is the end of the walk, before the pages fill.
    auto walkEnd = std::chrono::steady_clock::now();
    window.setPumpHook([&walkEnd] { walkEnd = std::chrono::steady_clock::now(); });
    const auto start = std::chrono::steady_clock::now();
    window.collectStatistics();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    const std::chrono::duration<double> walk = walkEnd - start;

    const MessagePump& pump = window.messagePump();
    const double files = window.statistics().filesFound;
    std::printf("files                 %.0f\n", files);
    std::printf("seconds               %.3f\n", elapsed.count());
    std::printf("files per second      %.0f\n", files / elapsed.count());
    std::printf("walk seconds          %.3f\n", walk.count());
    std::printf("event loop runs       %lld\n", pump.runs());
    std::printf("longest gap (ms)      %.1f\n",
                std::chrono::duration<double, std::milli>(pump.longestGap()).count());
    std::printf("status                %s\n", window.statusText().c_str());
    return 0;
}
