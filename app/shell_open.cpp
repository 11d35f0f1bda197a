#include "app/shell_open.h"

#include <QEventLoop>
#include <QProcess>
#include <QTimer>

namespace {

// How long the launcher is given to say that it failed.
constexpr int launcherWaitMs = 2500;

ShellOpenHook& currentHook() {
    static ShellOpenHook current;
    return current;
}

bool openWithXdgOpen(const std::string& address) {
    // On the heap: a launcher still running after the wait must outlive this call, as deleting
    // a QProcess kills its process (and with it a browser in its foreground).
    auto* launcher = new QProcess;
    launcher->setProgram(QStringLiteral("xdg-open"));
    launcher->setArguments({QString::fromLocal8Bit(address)});
    launcher->setProcessChannelMode(QProcess::ForwardedChannels);
    launcher->start();
    if (!launcher->waitForStarted()) {
        delete launcher;
        return false;
    }
    QEventLoop wait;
    QObject::connect(launcher, &QProcess::finished, &wait, &QEventLoop::quit);
    QTimer::singleShot(launcherWaitMs, &wait, &QEventLoop::quit);
    if (launcher->state() != QProcess::NotRunning)
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    if (launcher->state() != QProcess::NotRunning) {
        QObject::connect(launcher, &QProcess::finished, launcher, &QObject::deleteLater);
        return true;
    }
    const bool opened = launcher->exitStatus() == QProcess::NormalExit && launcher->exitCode() == 0;
    delete launcher;
    return opened;
}

} // namespace

bool shellOpen(const std::string& address) {
    if (currentHook())
        return currentHook()(address);
    return openWithXdgOpen(address);
}

void setShellOpenHook(ShellOpenHook hook) {
    currentHook() = std::move(hook);
}
