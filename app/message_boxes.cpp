#include "app/message_boxes.h"

#include "platform/message_hook.h"

#include <QApplication>
#include <QMessageBox>

namespace {

platform::MessageResult showBox(platform::MessageKind kind, const std::string& title,
                                const std::string& text) {
    const QString caption = QString::fromLocal8Bit(title);
    const QString message = QString::fromLocal8Bit(text);
    QWidget* owner = QApplication::activeWindow();
    switch (kind) {
    case platform::MessageKind::Error:
        QMessageBox::critical(owner, caption, message, QMessageBox::Ok);
        return platform::MessageResult::Ok;
    case platform::MessageKind::Information:
        QMessageBox::information(owner, caption, message, QMessageBox::Ok);
        return platform::MessageResult::Ok;
    case platform::MessageKind::Confirmation:
        break;
    }
    switch (QMessageBox::question(owner, caption, message,
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return platform::MessageResult::Yes;
    case QMessageBox::No:
        return platform::MessageResult::No;
    default:
        return platform::MessageResult::Cancel;
    }
}

} // namespace

void installMessageBoxes() {
    platform::setMessageHook(showBox);
    platform::setBeepHook([] { QApplication::beep(); });
}
