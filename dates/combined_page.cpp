#include "dates/combined_page.h"

#include "app/helpers.h"
#include "dates/combined_fill.h"
#include "dates/page_frame.h"
#include "dates/page_measures.h"
#include "space/read_only_grid.h"
#include "ui/chart.h"
#include "ui/string_grid.h"

#include <QRadioButton>
#include <QToolButton>

#include <numeric>
#include <vector>

namespace {

constexpr const char* radioNames[3] = {"rgCombine0", "rbCombine1", "rbCombine2"};
const std::vector<int> gridWidths{119, 97, 78, 86, 71, 85, 72};

} // namespace

CombinedPage::CombinedPage(const DriveStatistics& stats, const TextGrid& modifiedListing,
                           BarPalette& barColors, QWidget* parent)
    : QWidget(parent), m_gridCombine(new StringGrid(this)), m_chartCombine(new Chart(this)),
      m_frame(new PageFrame(radioNames, "SpeedButton4", this)), m_listingButton(m_frame->radio(0)),
      m_byMegabytesButton(m_frame->radio(1)), m_byFileCountButton(m_frame->radio(2)),
      m_noteButton(m_frame->noteButton()), m_stats(stats), m_modifiedListing(modifiedListing),
      m_barColors(barColors) {
    setObjectName(QStringLiteral("CombinedPage"));

    m_gridCombine->setObjectName(QStringLiteral("gridCombine"));
    m_gridCombine->model().setColumnCount(combinedGridColumns);
    m_gridCombine->model().setRowCount(combinedGridRows);
    m_gridCombine->setColumnWidths(gridWidths);
    setUpReadOnlyGrid(*m_gridCombine);
    m_gridCombine->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridCombine->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridWidth =
        std::accumulate(gridWidths.begin(), gridWidths.end(), 0) + 2 * m_gridCombine->frameWidth();
    const int gridHeight = combinedGridRows * 19 + 2 * m_gridCombine->frameWidth();
    m_gridCombine->setGeometry((datePageWidth - gridWidth) / 2, 40, gridWidth, gridHeight);
    m_gridCombine->hide();

    m_chartCombine->setObjectName(QStringLiteral("chartCombine"));
    m_chartCombine->setGeometry(4, 4, datePageWidth - 8, m_frame->y() - 8);
    setUpCombinedChart(m_chartCombine->model());

    for (QRadioButton* button : {m_listingButton, m_byMegabytesButton, m_byFileCountButton})
        connect(button, &QRadioButton::clicked, this, &CombinedPage::onViewButtonClicked);
    connect(m_noteButton, &QToolButton::clicked, this, &CombinedPage::onNoteClicked);
}

void CombinedPage::fillCombinedGridDates() {
    m_gridCombine->setSelection(20, 20);
    ::fillCombinedGridDates(m_gridCombine->model(), m_modifiedListing, m_stats);
}

bool CombinedPage::byMegabytes() const {
    return m_byMegabytesButton->isChecked();
}

void CombinedPage::undoChartZoom() {
    m_chartCombine->undoZoom();
}

void CombinedPage::fillSeries(DateKind kind) {
    fillCombinedSeries(m_chartCombine->model(), kind, m_stats, byMegabytes(), m_barColors);
}

void CombinedPage::onViewButtonClicked() {
    const bool listing = m_listingButton->isChecked();
    m_gridCombine->setVisible(listing);
    m_chartCombine->setVisible(!listing);
    if (!listing)
        emit chartsRequested();
}

void CombinedPage::onNoteClicked() {
    showInfo("This chart combines the Accessed, Created and Modified charts");
}
