// The program's entry: the application title, the main window, the message loop until the
// main window closes.
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "ui/drive_box.h"
#include "ui/font_twins.h"

#include "platform/drives.h"

#include <QApplication>

#include <algorithm>
#include <string>
#include <vector>

namespace {

// The drives the statistics window lists for its Space page: floppy drives and CD-ROM drives
// without a volume label are not among them.
std::vector<std::string> statDriveEntries() {
    std::vector<std::string> entries = drive_box::driveTexts();
    std::erase_if(entries, [](const std::string& text) {
        const char letter = text.empty() ? 'a' : text.front();
        return letter == 'a' || letter == 'b' ||
               (text.find("[]") != std::string::npos &&
                platform::driveType(letter) == platform::driveCdrom);
    });
    return entries;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tally 99"));
    installFontTwins();
    QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    installMessageBoxes();

    TfrmMain frmMain(statDriveEntries, [] {});
    QObject::connect(&frmMain, &TfrmMain::closed, &app, &QApplication::quit);
    frmMain.show();
    return QApplication::exec();
}
