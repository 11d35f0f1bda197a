// The program's entry: the application title, the main window and the statistics window (in
// this order), the message loop until the main window closes.
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "collect/statistics_window.h"
#include "types/dialog_frame.h"
#include "ui/font_twins.h"
#include "ui/hint_style.h"
#include "ui/pick_list.h"

#include <QApplication>
#include <QIcon>

#include <memory>
#include <string>
#include <vector>

namespace {

// The program's icon at every size it is drawn in, from the PNGs built into the program.
QIcon programIcon() {
    QIcon icon;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tally99-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tally 99"));
    // The window frames show the icon, and the desktop matches the windows to the entry
    // installed as example.velmor.tally99.desktop.
    QApplication::setWindowIcon(programIcon());
    QGuiApplication::setDesktopFileName(QStringLiteral("example.velmor.tally99"));
    applyHintStyle(app);
    installFontTwins();
    QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    installMessageBoxes();

    // The main window draws the drives of the statistics window's Space page list, which
    // exists from the statistics window's creation on.
    std::unique_ptr<StatisticsWindow> statisticsWindow;
    const auto statDriveEntries = [&statisticsWindow] {
        std::vector<std::string> entries;
        if (statisticsWindow)
            for (const QString& entry : statisticsWindow->spaceDriveList().items())
                entries.push_back(toBytes(entry));
        return entries;
    };
    const auto showStatistics = [&statisticsWindow] {
        statisticsWindow->show();
        statisticsWindow->raise();
        statisticsWindow->activateWindow();
    };
    MainWindow frmMain(statDriveEntries, showStatistics);
    statisticsWindow = std::make_unique<StatisticsWindow>();
    QObject::connect(&frmMain, &MainWindow::closed, &app, &QApplication::quit);
    frmMain.show();
    return QApplication::exec();
}
