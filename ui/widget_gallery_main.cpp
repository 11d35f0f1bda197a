// tally99-widget-gallery OUTDIR: writes the toolkit's widget pictures and a printed grid into
// OUTDIR. Runs without a display when QT_QPA_PLATFORM=offscreen is set.
#include "ui/font_twins.h"
#include "ui/hint_style.h"
#include "ui/widget_gallery.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tally99-widget-gallery OUTDIR\n", stderr);
        return 2;
    }
    installFontTwins();
    applyHintStyle(app);
    QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!renderWidgetGallery(outDir)) {
        std::fprintf(stderr, "tally99-widget-gallery: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
