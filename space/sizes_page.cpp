#include "space/sizes_page.h"

#include "space/bar_palette.h"
#include "space/read_only_grid.h"
#include "space/sizes_fill.h"
#include "ui/chart.h"
#include "ui/string_grid.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace {

// The notebook's page area the page is laid out in.
constexpr int pageWidth = 628;
constexpr int pageHeight = 358;

constexpr int radioTop = pageHeight - 28;

QRadioButton* makeRadio(QWidget* page, const char* name, const char* caption, int x, int width) {
    auto* button = new QRadioButton(QString::fromLatin1(caption), page);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, radioTop, width, 20);
    return button;
}

} // namespace

SizesPage::SizesPage(const DriveStatistics& stats, BarPalette& barColors, QWidget* parent)
    : QWidget(parent), m_gridSizes(new StringGrid(this)), m_sizesChart(new Chart(this)),
      m_listingButton(makeRadio(this, "rgSize0", "Listing", 60, 100)),
      m_byMegabytesButton(makeRadio(this, "rgSize1", "Chart by Size (in MB)", 200, 170)),
      m_byFileCountButton(makeRadio(this, "rgSize2", "Chart by Number of Files", 400, 190)),
      m_stats(stats), m_barColors(barColors) {
    setObjectName(QStringLiteral("SizesPage"));

    m_gridSizes->setObjectName(QStringLiteral("gridSizes"));
    m_gridSizes->model().setColumnCount(sizesGridColumns);
    m_gridSizes->model().setRowCount(sizesGridRows);
    m_gridSizes->setColumnWidths({194, 189, 140});
    setUpReadOnlyGrid(*m_gridSizes);
    const int gridWidth = 194 + 189 + 140 + 2 * m_gridSizes->frameWidth();
    const int gridHeight = sizesGridRows * 19 + 2 * m_gridSizes->frameWidth();
    m_gridSizes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridSizes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridSizes->setGeometry((pageWidth - gridWidth) / 2, 40, gridWidth, gridHeight);
    m_gridSizes->hide();

    m_sizesChart->setObjectName(QStringLiteral("Chart1"));
    m_sizesChart->setGeometry(4, 4, pageWidth - 8, radioTop - 12);
    setUpSizesChart(m_sizesChart->model());

    m_byMegabytesButton->setChecked(true);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {m_listingButton, m_byMegabytesButton, m_byFileCountButton}) {
        group->addButton(button);
        connect(button, &QRadioButton::clicked, this, &SizesPage::onViewButtonClicked);
    }
}

void SizesPage::doFileSizes() {
    m_gridSizes->setSelection(20, 20);
    fillGridSizes();
    onViewButtonClicked();
}

void SizesPage::fillGridSizes() {
    ::fillGridSizes(m_gridSizes->model(), m_stats);
}

void SizesPage::onViewButtonClicked() {
    m_gridSizes->setVisible(m_listingButton->isChecked());
    m_sizesChart->setVisible(m_gridSizes->isHidden());
    if (m_sizesChart->isHidden())
        return;
    m_barColors.initAColors(true, 0);
    fillSizesChart(m_sizesChart->model(), m_stats, m_byMegabytesButton->isChecked(), m_barColors);
}
