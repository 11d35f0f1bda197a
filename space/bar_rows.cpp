#include "space/bar_rows.h"

#include "ui/chart.h"
#include "ui/chart_painter.h"

#include <QImage>
#include <QPainter>

#include <cmath>

namespace {

// The front face for a chart model painted into a rect of the given size; the model gets bars
// of value 1 when it has none, since an empty chart lays out no plot.
QRectF faceFor(ChartModel model, const QSize& size, int rows) {
    if (model.seriesCount() > 0 && model.series(0).count() == 0)
        for (int i = 0; i < rows; ++i)
            model.series(0).add(1);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    ChartPainter chartPainter(model, painter, QRect(QPoint(0, 0), size));
    chartPainter.paint();
    return chartPainter.layout().frontFace;
}

} // namespace

QRectF plotFace(const Chart& chart) {
    return faceFor(chart.model(), chart.size(), chart.model().maxPointsPerPage);
}

void alignBarsWithRows(Chart& chart, int left, int width, int rowsTop, int rowHeight, int rows) {
    const double wanted = static_cast<double>(rows) * rowHeight;
    int height = rows * rowHeight;
    int top = rowsTop;
    // The face grows with the chart's height at a steady rate; a few steps settle it.
    for (int step = 0; step < 4; ++step) {
        const QRectF face = faceFor(chart.model(), QSize(width, height), rows);
        if (!(face.height() > 0))
            break;
        height = static_cast<int>(std::lround(height * wanted / face.height()));
        const QRectF grown = faceFor(chart.model(), QSize(width, height), rows);
        top = rowsTop - static_cast<int>(std::lround(grown.top()));
    }
    chart.setGeometry(left, top, width, height);
    chart.lower();
}
