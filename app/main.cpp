// The program's entry: for now one plain window titled "Tally 99".
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QString());
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Tally 99"));
    window.resize(642, 482);
    window.show();
    return QApplication::exec();
}
