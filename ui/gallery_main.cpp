// tally99-gallery OUTDIR: renders the toolkit's charts and widgets as the program sets them
// up into picture files (and a printed chart and grid as PDF), for looking at them without
// running a collection. Runs without a display when QT_QPA_PLATFORM=offscreen is set.
#include "ui/chart_gallery.h"
#include "ui/font_twins.h"
#include "ui/hint_style.h"
#include "ui/widget_gallery.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tally99-gallery OUTDIR\n", stderr);
        return 2;
    }
    installFontTwins();
    applyHintStyle(app);
    QApplication::setFont(pixelFont(QStringLiteral("MS Sans Serif"), 11));
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (const QString& file : chart_gallery::renderChartGallery(outDir))
        std::printf("%s\n", file.toLocal8Bit().constData());
    if (!renderWidgetGallery(outDir)) {
        std::fprintf(stderr, "tally99-gallery: could not write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
