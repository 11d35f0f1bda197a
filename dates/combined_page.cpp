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

CombinedPage::CombinedPage(const DriveStatistics& stats, const TextGrid& gridModify,
                           BarPalette& barColors, QWidget* parent)
    : QWidget(parent), gridCombine(new StringGrid(this)), chartCombine(new Chart(this)),
      frame(new PageFrame(radioNames, "SpeedButton4", this)), rgCombine0(frame->radio(0)),
      rbCombine1(frame->radio(1)), rbCombine2(frame->radio(2)), SpeedButton4(frame->noteButton()),
      m_stats(stats), m_gridModify(gridModify), m_barColors(barColors) {
    setObjectName(QStringLiteral("CombinedPage"));

    gridCombine->setObjectName(QStringLiteral("gridCombine"));
    gridCombine->model().setColumnCount(combinedGridColumns);
    gridCombine->model().setRowCount(combinedGridRows);
    gridCombine->setColumnWidths(gridWidths);
    setUpReadOnlyGrid(*gridCombine);
    gridCombine->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridCombine->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridWidth =
        std::accumulate(gridWidths.begin(), gridWidths.end(), 0) + 2 * gridCombine->frameWidth();
    const int gridHeight = combinedGridRows * 19 + 2 * gridCombine->frameWidth();
    gridCombine->setGeometry((datePageWidth - gridWidth) / 2, 40, gridWidth, gridHeight);
    gridCombine->hide();

    chartCombine->setObjectName(QStringLiteral("chartCombine"));
    chartCombine->setGeometry(4, 4, datePageWidth - 8, frame->y() - 8);
    setUpCombinedChart(chartCombine->model());

    for (QRadioButton* button : {rgCombine0, rbCombine1, rbCombine2})
        connect(button, &QRadioButton::clicked, this, [this] { rgAccessClick(); });
    connect(SpeedButton4, &QToolButton::clicked, this, [this] { SpeedButton4Click(); });
}

void CombinedPage::fillCombinedGridDates() {
    gridCombine->setSelection(20, 20);
    ::fillCombinedGridDates(gridCombine->model(), m_gridModify, m_stats);
}

bool CombinedPage::byMegabytes() const {
    return rbCombine1->isChecked();
}

void CombinedPage::fillSeries(DateKind kind) {
    fillCombinedSeries(chartCombine->model(), kind, m_stats, byMegabytes(), m_barColors);
}

void CombinedPage::rgAccessClick() {
    const bool listing = rgCombine0->isChecked();
    gridCombine->setVisible(listing);
    chartCombine->setVisible(!listing);
    if (!listing)
        emit chartsRequested();
}

void CombinedPage::SpeedButton4Click() {
    showInfo("This chart combines the Accessed, Created and Modified charts");
}
