// The program's entry. Until the main window exists, the statistics window is the program's
// only window: it opens at start and the program ends when it is closed or hidden.
#include "app/message_boxes.h"
#include "collect/statistics_window.h"
#include "ui/font_twins.h"
#include "ui/hint_style.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tally 99"));
    QApplication::setApplicationDisplayName(QString());
    applyHintStyle(app);
    installFontTwins();
    installMessageBoxes();

    TfrmStatistics frmStatistics;
    // Hiding the window (Close, Esc, the close box) ends its modal loop; a walk that is running
    // then finishes first, because it runs inside the loop.
    frmStatistics.exec();
    return 0;
}
