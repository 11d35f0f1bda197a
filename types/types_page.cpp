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
constexpr int viewHeight = pageHeight - 54; // the view buttons and the sort button below

} // namespace

TypesPage::TypesPage(DriveStatistics& stats, const SelectionFilter& selection,
                     BarPalette& barColors, QWidget* parent)
    : QWidget(parent), m_gridTypes(new StringGrid(this)), m_chartPie(new Chart(this)),
      m_pieTurnBar(new QScrollBar(Qt::Horizontal, m_chartPie)), m_viewBox(new QGroupBox(this)),
      m_sortMenu(new QMenu(this)),
      m_sortButton(new MenuButton(QStringLiteral("&Sort"), m_sortMenu, this)),
      m_sortItems{m_sortMenu->addAction(QString::fromLatin1(typesSortCaptions[0])),
                  m_sortMenu->addAction(QString::fromLatin1(typesSortCaptions[1])),
                  m_sortMenu->addAction(QString::fromLatin1(typesSortCaptions[2])),
                  m_sortMenu->addAction(QString::fromLatin1(typesSortCaptions[3])),
                  m_sortMenu->addAction(QString::fromLatin1(typesSortCaptions[4]))},
      m_stats(stats), m_selection(selection), m_barColors(barColors),
      m_views(new QButtonGroup(this)) {
    setObjectName(QStringLiteral("TypesPage"));

    m_gridTypes->setObjectName(QStringLiteral("gridTypes"));
    writeTypesHeadings(m_gridTypes->model());
    m_gridTypes->setHeadingRow(true);
    m_gridTypes->setFooterRow(true);
    m_gridTypes->setRowSelect(true);
    m_gridTypes->setGridLines(StringGrid::GridLines::full);
    m_gridTypes->setDefaultRowHeight(19);
    m_gridTypes->setColumnWidths({80, 219, 120, 75, 82});
    m_gridTypes->setAlignmentHook([](int column, int /*row*/) { return columnAlignment(column); });
    m_gridTypes->setContextMenu(m_sortMenu);
    m_gridTypes->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_gridTypes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int gridWidth = 80 + 219 + 120 + 75 + 82 + 2 * m_gridTypes->frameWidth() +
                          m_gridTypes->verticalScrollBar()->sizeHint().width();
    m_gridTypes->setGeometry((pageWidth - gridWidth) / 2, viewTop, gridWidth, viewHeight);
    m_gridTypes->hide();

    m_chartPie->setObjectName(QStringLiteral("chartPie"));
    m_chartPie->setGeometry(4, viewTop, pageWidth - 8, viewHeight);
    setUpTypesPie(m_chartPie->model());
    connect(m_chartPie, &Chart::clicked, this, &TypesPage::onTypesPieClicked);

    m_pieTurnBar->setObjectName(QStringLiteral("ScrollBar2"));
    m_pieTurnBar->setRange(0, 360);
    m_pieTurnBar->setPageStep(5);
    const int barHeight = m_pieTurnBar->sizeHint().height();
    m_pieTurnBar->setGeometry(0, viewHeight - barHeight, m_chartPie->width(), barHeight);
    connect(m_pieTurnBar, &QScrollBar::valueChanged, this, &TypesPage::onPieTurnChanged);

    m_viewBox->setObjectName(QStringLiteral("rgTypes"));
    m_viewBox->setGeometry(8, viewTop + viewHeight + 2, 500, 40);
    auto* columns = new QHBoxLayout(m_viewBox);
    columns->setContentsMargins(10, 4, 10, 4);
    for (int item = 0; item < static_cast<int>(typesViewCaptions.size()); ++item) {
        auto* button = new QRadioButton(
            QString::fromLatin1(typesViewCaptions[static_cast<std::size_t>(item)]), m_viewBox);
        button->setObjectName(QStringLiteral("rgTypes%1").arg(item));
        m_views->addButton(button, item);
        columns->addWidget(button, 1);
    }
    setTypesView(TypesView::PieBySize);
    connect(m_views, &QButtonGroup::idClicked, this, &TypesPage::onViewButtonClicked);

    m_sortButton->setObjectName(QStringLiteral("btSort"));
    m_sortButton->setGeometry(520, viewTop + viewHeight + 10, 100, 25);
    m_sortButton->hide();

    m_sortMenu->setObjectName(QStringLiteral("PopupMenu1"));
    const std::array<const char*, 5> itemNames = {"SortbyExtension", "SortbyType", "SortbySize",
                                                  "SortbyNumFiles", "SortbyAverageFileSize1"};
    for (std::size_t i = 0; i < m_sortItems.size(); ++i) {
        m_sortItems[i]->setObjectName(QString::fromLatin1(itemNames[i]));
        m_sortItems[i]->setCheckable(true);
    }
    showSortChecks();
    connect(m_sortMenu, &QMenu::triggered, this, [this](QAction* item) { onSortItemChosen(item); });
}

void TypesPage::doFileTypes() {
    insertChosenTypes(m_stats.fileTypes, m_selection);
    fillGridTypes(m_gridTypes->model(), m_stats.fileTypes);
    onViewButtonClicked();
}

void TypesPage::onViewButtonClicked() {
    const TypesView view = typesView();
    const bool listing = view == TypesView::Listing;
    m_sortButton->setVisible(listing);
    emit pieTimerEnabled(!listing);
    if (!listing)
        sortBy(pieSortItem(view));
    m_gridTypes->setVisible(listing);
    m_chartPie->setVisible(!listing);
    if (listing) {
        doTotals();
        return;
    }
    m_barColors.initAColors(true, 0);
    fillTypesPie(m_chartPie->model(), m_gridTypes->model(), pieValueColumn(view), m_barColors);
}

void TypesPage::onSortItemChosen(QAction* item) {
    const auto found = std::find(m_sortItems.begin(), m_sortItems.end(), item);
    // A checkable item has already toggled its own mark when it was clicked; the marks are
    // always set again from m_checkedSort, so a refused sort changes none of them.
    if (found != m_sortItems.end() && typesGridSortable(m_gridTypes->model())) {
        const auto order = static_cast<TypesSortItem>(found - m_sortItems.begin());
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        sortTypesGrid(m_gridTypes->model(), order);
        m_checkedSort = order;
        QGuiApplication::restoreOverrideCursor();
    }
    showSortChecks();
}

void TypesPage::sortBy(TypesSortItem item) {
    onSortItemChosen(sortItem(item));
}

void TypesPage::doTotals() {
    writeTypesTotals(m_gridTypes->model());
}

void TypesPage::onTypesPieClicked() {
    emit pieTimerToggled();
}

void TypesPage::onPieTurnChanged(int position) {
    pieSeries().pie.rotationAngle = position;
}

void TypesPage::pieTick() {
    if (typesView() == TypesView::Listing)
        return;
    const int angle = (pieSeries().pie.rotationAngle + 1) % 360;
    pieSeries().pie.rotationAngle = angle;
    m_pieTurnBar->setValue(angle);
}

Qt::Alignment TypesPage::columnAlignment(int column) {
    return column > 1 ? Qt::AlignRight : Qt::AlignLeft;
}

StringGrid& TypesPage::gridTypes() {
    return *m_gridTypes;
}

const StringGrid& TypesPage::gridTypes() const {
    return *m_gridTypes;
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

ChartSeries& TypesPage::pieSeries() {
    return m_chartPie->model().series(0);
}

void TypesPage::showSortChecks() {
    for (std::size_t i = 0; i < m_sortItems.size(); ++i)
        m_sortItems[i]->setChecked(static_cast<TypesSortItem>(i) == m_checkedSort);
}
