#include "types/types_page.h"

#include "collect/drive_statistics.h"
#include "space/bar_palette.h"
#include "ui/chart.h"
#include "ui/menu_button.h"
#include "ui/string_grid.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>

namespace {

// The notebook's page area the page is laid out in.
constexpr int pageWidth = 628;
constexpr int pageHeight = 358;

constexpr int viewTop = 6;
constexpr int viewHeight = pageHeight - 54; // rgTypes and btSort below

} // namespace

TypesPage::TypesPage(DriveStatistics& stats, const SelectionFilter& selection,
                     BarPalette& barColors, QWidget* parent)
    : QWidget(parent), gridTypes(new StringGrid(this)), chartPie(new Chart(this)),
      ScrollBar2(new QScrollBar(Qt::Horizontal, chartPie)), rgTypes(new QGroupBox(this)),
      PopupMenu1(new QMenu(this)),
      btSort(new MenuButton(QStringLiteral("&Sort"), PopupMenu1, this)),
      SortbyExtension(PopupMenu1->addAction(QString::fromLatin1(typesSortCaptions[0]))),
      SortbyType(PopupMenu1->addAction(QString::fromLatin1(typesSortCaptions[1]))),
      SortbySize(PopupMenu1->addAction(QString::fromLatin1(typesSortCaptions[2]))),
      SortbyNumFiles(PopupMenu1->addAction(QString::fromLatin1(typesSortCaptions[3]))),
      SortbyAverageFileSize1(PopupMenu1->addAction(QString::fromLatin1(typesSortCaptions[4]))),
      m_stats(stats), m_selection(selection), m_barColors(barColors),
      m_views(new QButtonGroup(this)), m_sortItems{SortbyExtension, SortbyType, SortbySize,
                                                   SortbyNumFiles, SortbyAverageFileSize1} {
    setObjectName(QStringLiteral("TypesPage"));

    gridTypes->setObjectName(QStringLiteral("gridTypes"));
    writeTypesHeadings(gridTypes->model());
    gridTypes->setHeadingRow(true);
    gridTypes->setFooterRow(true);
    gridTypes->setRowSelect(true);
    gridTypes->setGridLines(StringGrid::GridLines::full);
    gridTypes->setDefaultRowHeight(19);
    gridTypes->setColumnWidths({80, 219, 120, 75, 82});
    gridTypes->setAlignmentHook(
        [](int column, int /*row*/) { return gridTypesGetAlignment(column); });
    gridTypes->setContextMenu(PopupMenu1);
    gridTypes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    gridTypes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int gridWidth = 80 + 219 + 120 + 75 + 82 + 2 * gridTypes->frameWidth() +
                          gridTypes->verticalScrollBar()->sizeHint().width();
    gridTypes->setGeometry((pageWidth - gridWidth) / 2, viewTop, gridWidth, viewHeight);
    gridTypes->hide();

    chartPie->setObjectName(QStringLiteral("chartPie"));
    chartPie->setGeometry(4, viewTop, pageWidth - 8, viewHeight);
    setUpTypesPie(chartPie->model());
    connect(chartPie, &Chart::clicked, this, [this] { chartSpacePieClick(); });

    ScrollBar2->setObjectName(QStringLiteral("ScrollBar2"));
    ScrollBar2->setRange(0, 360);
    ScrollBar2->setPageStep(5);
    const int barHeight = ScrollBar2->sizeHint().height();
    ScrollBar2->setGeometry(0, viewHeight - barHeight, chartPie->width(), barHeight);
    connect(ScrollBar2, &QScrollBar::valueChanged, this,
            [this](int position) { ScrollBar2Change(position); });

    rgTypes->setObjectName(QStringLiteral("rgTypes"));
    rgTypes->setGeometry(8, viewTop + viewHeight + 2, 500, 40);
    auto* columns = new QHBoxLayout(rgTypes);
    columns->setContentsMargins(10, 4, 10, 4);
    for (int item = 0; item < static_cast<int>(typesViewCaptions.size()); ++item) {
        auto* button = new QRadioButton(
            QString::fromLatin1(typesViewCaptions[static_cast<std::size_t>(item)]), rgTypes);
        button->setObjectName(QStringLiteral("rgTypes%1").arg(item));
        m_views->addButton(button, item);
        columns->addWidget(button, 1);
    }
    setTypesView(TypesView::PieBySize);
    connect(m_views, &QButtonGroup::idClicked, this, [this] { rgTypesClick(); });

    btSort->setObjectName(QStringLiteral("btSort"));
    btSort->setGeometry(520, viewTop + viewHeight + 10, 100, 25);
    btSort->hide();

    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    const std::array<const char*, 5> itemNames = {"SortbyExtension", "SortbyType", "SortbySize",
                                                  "SortbyNumFiles", "SortbyAverageFileSize1"};
    for (std::size_t i = 0; i < m_sortItems.size(); ++i) {
        m_sortItems[i]->setObjectName(QString::fromLatin1(itemNames[i]));
        m_sortItems[i]->setCheckable(true);
    }
    showSortChecks();
    connect(PopupMenu1, &QMenu::triggered, this,
            [this](QAction* item) { SortbyExtensionClick(item); });
}

void TypesPage::doFileTypes() {
    insertChosenTypes(m_stats.fileTypes, m_selection);
    fillGridTypes(gridTypes->model(), m_stats.fileTypes);
    rgTypesClick();
}

void TypesPage::rgTypesClick() {
    const TypesView view = typesView();
    const bool listing = view == TypesView::Listing;
    btSort->setVisible(listing);
    emit pieTimerEnabled(!listing);
    if (!listing)
        SortbyExtensionClick(sortItem(pieSortItem(view)));
    gridTypes->setVisible(listing);
    chartPie->setVisible(!listing);
    if (listing) {
        doTotals();
        return;
    }
    m_barColors.initAColors(true, 0);
    fillTypesPie(chartPie->model(), gridTypes->model(), pieValueColumn(view), m_barColors);
}

void TypesPage::SortbyExtensionClick(QAction* item) {
    const auto found = std::find(m_sortItems.begin(), m_sortItems.end(), item);
    // A checkable item has already toggled its own mark when it was clicked; the marks are
    // always set again from m_checkedSort, so a refused sort changes none of them.
    if (found != m_sortItems.end() && typesGridSortable(gridTypes->model())) {
        const auto order = static_cast<TypesSortItem>(found - m_sortItems.begin());
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        sortTypesGrid(gridTypes->model(), order);
        m_checkedSort = order;
        QGuiApplication::restoreOverrideCursor();
    }
    showSortChecks();
}

void TypesPage::doTotals() {
    writeTypesTotals(gridTypes->model());
}

void TypesPage::chartSpacePieClick() {
    emit pieTimerToggled();
}

void TypesPage::ScrollBar2Change(int position) {
    Series2().pie.rotationAngle = position;
}

void TypesPage::pieTick() {
    if (typesView() == TypesView::Listing)
        return;
    const int angle = (Series2().pie.rotationAngle + 1) % 360;
    Series2().pie.rotationAngle = angle;
    ScrollBar2->setValue(angle);
}

Qt::Alignment TypesPage::gridTypesGetAlignment(int column) {
    return column > 1 ? Qt::AlignRight : Qt::AlignLeft;
}

TypesView TypesPage::typesView() const {
    const int id = m_views->checkedId();
    return id < 0 ? TypesView::PieBySize : static_cast<TypesView>(id);
}

void TypesPage::setTypesView(TypesView view) {
    m_views->button(static_cast<int>(view))->setChecked(true);
}

QAction* TypesPage::sortItem(TypesSortItem item) const {
    return m_sortItems[static_cast<std::size_t>(item)];
}

ChartSeries& TypesPage::Series2() {
    return chartPie->model().series(0);
}

void TypesPage::showSortChecks() {
    for (std::size_t i = 0; i < m_sortItems.size(); ++i)
        m_sortItems[i]->setChecked(static_cast<TypesSortItem>(i) == m_checkedSort);
}
