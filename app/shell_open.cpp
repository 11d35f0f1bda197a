#include "app/shell_open.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

ShellOpenHook& currentHook() {
    static ShellOpenHook current;
    return current;
}

} // namespace

bool shellOpen(const std::string& address) {
    if (currentHook()) {
        return currentHook()(address);
    }
    return QDesktopServices::openUrl(QUrl(QString::fromLocal8Bit(address)));
}

void setShellOpenHook(ShellOpenHook hook) {
    currentHook() = std::move(hook);
}
