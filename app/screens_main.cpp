// tally99-screens OUTDIR: pictures of the main window at the stages of its opening and
// closing animation, and of the About and sample windows, for checking their look. Four made-up
// drives (folders under a temporary configuration folder with fixed sizes) keep the chart the
// same on every machine. Runs without a display when QT_QPA_PLATFORM=offscreen is set.
#include "app/about_window.h"
#include "app/main_window.h"
#include "app/maker.h"
#include "app/samples_window.h"
#include "platform/drives.h"
#include "ui/effect_label.h"
#include "ui/font_twins.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr double gib = 1024.0 * 1024.0 * 1024.0;

bool writeFakeDrives(const QTemporaryDir& config) {
    QDir(config.path()).mkpath(QStringLiteral("tally99"));
    QFile ini(config.filePath(QStringLiteral("tally99/drives.ini")));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    const QString root = config.path();
    const auto bytes = [](double gigabytes) {
        return QString::number(static_cast<qulonglong>(gigabytes * gib));
    };
    QString text = QStringLiteral("[Drives]\nauto=0\n");
    for (const char* letter : {"c", "d", "e", "f"})
        text += QString::fromLatin1(letter) + QLatin1Char('=') + root + QLatin1Char('\n');
    text += QStringLiteral("[Space]\n");
    text +=
        QStringLiteral("c=") + bytes(237.4) + QLatin1Char(',') + bytes(81.25) + QLatin1Char('\n');
    text +=
        QStringLiteral("d=") + bytes(931.5) + QLatin1Char(',') + bytes(402.7) + QLatin1Char('\n');
    text +=
        QStringLiteral("e=") + bytes(14.9) + QLatin1Char(',') + bytes(12.31) + QLatin1Char('\n');
    text +=
        QStringLiteral("f=") + bytes(465.7) + QLatin1Char(',') + bytes(20.4) + QLatin1Char('\n');
    ini.write(text.toLatin1());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tally99-screens OUTDIR\n", stderr);
        return 2;
    }
    QTemporaryDir config;
    if (!config.isValid() || !writeFakeDrives(config)) {
        std::fputs("tally99-screens: cannot make the temporary configuration folder\n", stderr);
        return 1;
    }
    ::setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
    platform::reloadDriveTable();
    installFontTwins();
    QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));

    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    bool written = true;
    const auto save = [&](QWidget& window, const QString& name) {
        written = window.grab().save(out.filePath(name)) && written;
        std::printf("%s\n", out.filePath(name).toLocal8Bit().constData());
    };

    MainWindow frmMain(
        [] {
            return std::vector<std::string>{"c: [system]", "d: [data]", "e: (Removable disk)",
                                            "f: [archive]"};
        },
        [] {});
    frmMain.show();
    save(frmMain, QStringLiteral("main_1_zoom_in_00.png"));
    for (int tick = 1; tick <= 41; ++tick) {
        frmMain.onZoomTimerTick();
        if (tick == 10 || tick == 20 || tick == 30 || tick == 40 || tick == 41) {
            save(frmMain,
                 QStringLiteral("main_1_zoom_in_%1.png").arg(tick, 2, 10, QLatin1Char('0')));
        }
    }
    for (int tick = 1; frmMain.animation().depthTimerOn(); ++tick) {
        frmMain.onDepthTimerTick();
        if (tick == 3)
            save(frmMain, QStringLiteral("main_2_deepening.png"));
    }
    save(frmMain, QStringLiteral("main_3_at_rest.png"));
    bool canClose = true;
    frmMain.onCloseRequested(canClose);
    for (int tick = 1; frmMain.animation().depthTimerOn(); ++tick) {
        frmMain.onDepthTimerTick();
        if (tick == 5)
            save(frmMain, QStringLiteral("main_4_flattening.png"));
    }
    for (int tick = 1; tick <= 30; ++tick) {
        frmMain.onZoomTimerTick();
        if (tick == 1 || tick == 15 || tick == 30) {
            save(frmMain,
                 QStringLiteral("main_5_zoom_out_%1.png").arg(tick, 2, 10, QLatin1Char('0')));
        }
    }

    AboutWindow about;
    about.show();
    save(about, QStringLiteral("about.png"));
    for (int product = 0; product < static_cast<int>(maker::products.size()); ++product) {
        SamplesWindow samples;
        samples.panel(product)->show();
        samples.show();
        save(samples, QStringLiteral("samples_%1.png").arg(product));
    }
    return written ? 0 : 1;
}
