#include "dates/date_pages.h"

#include "dates/combined_page.h"
#include "dates/date_page.h"

#include <QObject>

DatePages::DatePages(const DriveStatistics& stats, BarPalette& barColors, QWidget* parent) {
    for (DateKind kind : {DateKind::Accessed, DateKind::Created, DateKind::Modified})
        m_pages[static_cast<std::size_t>(kind)] = new DatePage(kind, stats, barColors, parent);
    m_combined = new CombinedPage(stats, page(DateKind::Modified)->listing(), barColors, parent);
    for (DatePage* datePage : m_pages)
        QObject::connect(
            datePage, &DatePage::chartsRequested, datePage, [this] { doFileAges(); });
    QObject::connect(m_combined, &CombinedPage::chartsRequested, m_combined,
                     [this] { doFileAges(); });
}

void DatePages::doFileAges() {
    m_combined->undoChartZoom();
    for (DateKind kind : {DateKind::Accessed, DateKind::Created, DateKind::Modified}) {
        page(kind)->fillChart();
        m_combined->fillSeries(kind);
    }
}
