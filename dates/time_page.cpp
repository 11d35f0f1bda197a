#include "dates/time_page.h"

#include "app/helpers.h"
#include "dates/page_frame.h"
#include "dates/page_measures.h"
#include "dates/time_fill.h"
#include "ui/chart.h"

#include <QScrollBar>
#include <QToolButton>

TimePage::TimePage(const DriveStatistics& stats, QWidget* parent)
    : QWidget(parent), Chart4(new Chart(this)), sbTime(new QScrollBar(Qt::Horizontal, this)),
      SpeedButton5(makeNoteButton("SpeedButton5", this)), m_stats(stats) {
    setObjectName(QStringLiteral("TimePage"));

    Chart4->setObjectName(QStringLiteral("Chart4"));
    Chart4->setGeometry(0, 0, datePageWidth, datePageHeight);
    setUpTimeChart(Chart4->model());

    // The bar starts at 8 while the chart keeps its depth of 20 until the bar is first moved.
    sbTime->setObjectName(QStringLiteral("sbTime"));
    sbTime->setRange(1, 50);
    sbTime->setPageStep(5);
    sbTime->setValue(8);
    sbTime->setToolTip(QStringLiteral("3D depth"));
    sbTime->setGeometry(6, datePageHeight - 22, 120, 16);
    connect(sbTime, &QScrollBar::valueChanged, this, [this] { sbTimeChange(); });

    SpeedButton5->setGeometry(datePageWidth - 30, datePageHeight - 28, 24, 24);
    connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
}

void TimePage::doFileTimes() {
    ::doFileTimes(Chart4->model(), m_stats);
}

void TimePage::sbTimeChange() {
    Chart4->model().view3D.depthPercent = sbTime->value();
}

void TimePage::SpeedButton5Click() {
    showInfo("Note: Sometimes software vendors use the file modified time to indicate the "
             "version number of a product. For example, a file with the time of 02:10 am would "
             "represent version 2.1 of a certain product.");
}
