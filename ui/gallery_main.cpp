// tally99-gallery OUTDIR: renders the toolkit's widgets and charts as the program sets them
// up into picture files, for looking at them without running a collection.
#include "ui/chart_gallery.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tally99-gallery OUTDIR\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    for (const QString& file : chart_gallery::renderChartGallery(outDir)) {
        std::printf("%s\n", file.toLocal8Bit().constData());
    }
    return 0;
}
