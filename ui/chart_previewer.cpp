#include "ui/chart_previewer.h"

#include "ui/chart.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

void printChart(Chart& chart, QPrinter& printer) {
    QPainter painter(&printer);
    if (!painter.isActive())
        return;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    chart.paint(painter, QRect(QPoint(0, 0), page.size()));
}

ChartPreviewer::ChartPreviewer(QWidget* parent) : QObject(parent), m_parentWidget(parent) {}

void ChartPreviewer::execute() {
    if (m_chart == nullptr)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    QPrintPreviewDialog dialog(&printer, m_parentWidget);
    dialog.setWindowTitle(tr("Chart print preview"));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { printChart(*m_chart, *target); });
    dialog.exec();
}
