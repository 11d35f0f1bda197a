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
    : QWidget(parent), gridSizes(new StringGrid(this)), Chart1(new Chart(this)),
      rgSize0(makeRadio(this, "rgSize0", "Listing", 60, 100)),
      rgSize1(makeRadio(this, "rgSize1", "Chart by Size (in MB)", 200, 170)),
      rgSize2(makeRadio(this, "rgSize2", "Chart by Number of Files", 400, 190)), m_stats(stats),
      m_barColors(barColors) {
    setObjectName(QStringLiteral("SizesPage"));

    gridSizes->setObjectName(QStringLiteral("gridSizes"));
    gridSizes->model().setColumnCount(sizesGridColumns);
    gridSizes->model().setRowCount(sizesGridRows);
    gridSizes->setColumnWidths({194, 189, 140});
    setUpReadOnlyGrid(*gridSizes);
    const int gridWidth = 194 + 189 + 140 + 2 * gridSizes->frameWidth();
    const int gridHeight = sizesGridRows * 19 + 2 * gridSizes->frameWidth();
    gridSizes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridSizes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridSizes->setGeometry((pageWidth - gridWidth) / 2, 40, gridWidth, gridHeight);
    gridSizes->hide();

    Chart1->setObjectName(QStringLiteral("Chart1"));
    Chart1->setGeometry(4, 4, pageWidth - 8, radioTop - 12);
    setUpSizesChart(Chart1->model());

    rgSize1->setChecked(true);
    auto* group = new QButtonGroup(this);
    for (QRadioButton* button : {rgSize0, rgSize1, rgSize2}) {
        group->addButton(button);
        connect(button, &QRadioButton::clicked, this, [this] { rgSizesClick(); });
    }
}

void SizesPage::doFileSizes() {
    gridSizes->setSelection(20, 20);
    fillGridSizes();
    rgSizesClick();
}

void SizesPage::fillGridSizes() {
    ::fillGridSizes(gridSizes->model(), m_stats);
}

void SizesPage::rgSizesClick() {
    gridSizes->setVisible(rgSize0->isChecked());
    Chart1->setVisible(gridSizes->isHidden());
    if (Chart1->isHidden())
        return;
    m_barColors.initAColors(true, 0);
    fillSizesChart(Chart1->model(), m_stats, rgSize1->isChecked(), m_barColors);
}
