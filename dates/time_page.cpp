#include "dates/time_page.h"

#include "app/helpers.h"
#include "dates/page_frame.h"
#include "dates/page_measures.h"
#include "dates/time_fill.h"
#include "ui/chart.h"

#include <QScrollBar>
#include <QToolButton>

TimePage::TimePage(const DriveStatistics& stats, QWidget* parent)
    : QWidget(parent), m_timeChart(new Chart(this)),
      m_depthBar(new QScrollBar(Qt::Horizontal, this)),
      m_noteButton(makeNoteButton("SpeedButton5", this)), m_stats(stats) {
    setObjectName(QStringLiteral("TimePage"));

    m_timeChart->setObjectName(QStringLiteral("Chart4"));
    m_timeChart->setGeometry(0, 0, datePageWidth, datePageHeight);
    setUpTimeChart(m_timeChart->model());

    // The bar starts at 8 while the chart keeps its depth of 20 until the bar is first moved.
    m_depthBar->setObjectName(QStringLiteral("sbTime"));
    m_depthBar->setRange(1, 50);
    m_depthBar->setPageStep(5);
    m_depthBar->setValue(8);
    m_depthBar->setToolTip(QStringLiteral("3D depth"));
    m_depthBar->setGeometry(6, datePageHeight - 22, 120, 16);
    connect(m_depthBar, &QScrollBar::valueChanged, this, &TimePage::onDepthChanged);

    m_noteButton->setGeometry(datePageWidth - 30, datePageHeight - 28, 24, 24);
    connect(m_noteButton, &QToolButton::clicked, this, &TimePage::onNoteClicked);
}

void TimePage::doFileTimes() {
    ::doFileTimes(m_timeChart->model(), m_stats);
}

void TimePage::onDepthChanged() {
    m_timeChart->model().view3D.depthPercent = m_depthBar->value();
}

void TimePage::onNoteClicked() {
    showInfo("Note: Sometimes software vendors use the file modified time to indicate the "
             "version number of a product. For example, a file with the time of 02:10 am would "
             "represent version 2.1 of a certain product.");
}
