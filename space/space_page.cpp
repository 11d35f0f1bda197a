#include "space/space_page.h"

#include "space/space_fill.h"
#include "ui/chart.h"
#include "ui/effect_label.h"
#include "ui/pick_list.h"
#include "ui/qt_color.h"
#include "ui/raised_panel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The notebook's page area the page is laid out in.
constexpr int pageWidth = 628;
constexpr int pageHeight = 358;
constexpr int controlsTop = pageHeight - 26;

constexpr int listWidth = 160;
constexpr int figureLeft = listWidth + 12;
constexpr int figureRowHeight = 27;

constexpr int smallPieWidth = 103;
constexpr int smallPieHeight = 99;

EffectLabel* makeFigure(QWidget* page, const char* name, const char* caption, Qt::Alignment align,
                        const QRect& geometry) {
    auto* label = new EffectLabel(QString::fromLatin1(caption), page);
    label->setObjectName(QString::fromLatin1(name));
    label->setFontFace(QStringLiteral("Times New Roman"), 21);
    label->setEffect(EffectLabel::TextEffect::raised);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(geometry);
    return label;
}

RaisedPanel* makeSwatch(QWidget* parent, const char* name, ColorRef color, const QRect& geometry) {
    auto* swatch = new RaisedPanel(parent);
    swatch->setObjectName(QString::fromLatin1(name));
    swatch->setBevels(RaisedPanel::Bevel::raised, RaisedPanel::Bevel::none, 1);
    swatch->setFillColor(toQColor(color));
    swatch->setGeometry(geometry);
    return swatch;
}

QRect figureRect(int column, int row) {
    static constexpr int lefts[] = {figureLeft + 22, figureLeft + 172, figureLeft + 310};
    static constexpr int widths[] = {150, 134, 50};
    return {lefts[column], 4 + row * figureRowHeight, widths[column], figureRowHeight};
}

QRect smallPieRect(int index) {
    if (index < 5)
        return {4 + index * (smallPieWidth + 2), 4, smallPieWidth, smallPieHeight};
    const int row = (index - 5) / 3;
    const int column = (index - 5) % 3;
    return {4 + column * (smallPieWidth + 2), 4 + (row + 1) * (smallPieHeight + 2), smallPieWidth,
            smallPieHeight};
}

} // namespace

SpacePage::SpacePage(PickList& drives, QTimer& pieTimer, QTimer& barTimer, QWidget* parent)
    : QWidget(parent), m_drives(drives), m_driveListPanel(new QWidget(this)),
      m_capacityCaption(
          makeFigure(this, "lblTotalC", "Total Capacity:", Qt::AlignLeft, figureRect(0, 0))),
      m_freeCaption(makeFigure(this, "lblFreeC", "Free Space:", Qt::AlignLeft, figureRect(0, 1))),
      m_usedCaption(makeFigure(this, "label26", "Used Space:", Qt::AlignLeft, figureRect(0, 2))),
      m_capacityFigure(makeFigure(this, "lblTotal", "", Qt::AlignRight, figureRect(1, 0))),
      m_freeFigure(makeFigure(this, "lblFree", "", Qt::AlignRight, figureRect(1, 1))),
      m_usedFigure(makeFigure(this, "lblUsed", "", Qt::AlignRight, figureRect(1, 2))),
      m_capacityUnit(makeFigure(this, "lblTot", "", Qt::AlignLeft, figureRect(2, 0))),
      m_freeUnit(makeFigure(this, "lblPct", "", Qt::AlignLeft, figureRect(2, 1))),
      m_usedUnit(makeFigure(this, "lblPct2", "", Qt::AlignLeft, figureRect(2, 2))),
      m_freeSwatch(makeSwatch(this, "Panel1", clFuchsia,
                              QRect(figureLeft, 4 + figureRowHeight + 7, 14, 14))),
      m_usedSwatch(makeSwatch(this, "Panel2", clBlue,
                              QRect(figureLeft, 4 + 2 * figureRowHeight + 7, 14, 14))),
      m_chartSpaceBar(new Chart(this)),
      m_totalBox(new QCheckBox(QStringLiteral("Show Cumulative Total"), this)),
      m_pieButton(new QRadioButton(QStringLiteral("Pie - percent"), this)),
      m_barButton(new QRadioButton(QStringLiteral("Bar - totals"), this)),
      m_piePanel(new QWidget(this)), m_pies{}, m_totalPie(new Chart(m_piePanel)),
      m_pieFreeSwatch(makeSwatch(m_piePanel, "Panel3", clFuchsia, QRect(0, 0, 14, 14))),
      m_pieUsedSwatch(makeSwatch(m_piePanel, "Panel5", clBlue, QRect(0, 0, 14, 14))),
      m_pieTurnBar(new QScrollBar(Qt::Horizontal, m_piePanel)), m_driveMenu(new QMenu(this)),
      m_selectAllItem(m_driveMenu->addAction(QStringLiteral("Select All"))),
      m_deselectAllItem(m_driveMenu->addAction(QStringLiteral("Deselect All"))),
      m_pieTimer(pieTimer), m_barTimer(barTimer) {
    setObjectName(QStringLiteral("SpacePage"));

    m_driveListPanel->setObjectName(QStringLiteral("Panel4"));
    m_driveListPanel->setGeometry(4, 4, listWidth, controlsTop - 8);
    auto* listLayout = new QVBoxLayout(m_driveListPanel);
    listLayout->setContentsMargins(0, 0, 0, 0);
    m_drives.setParent(m_driveListPanel);
    listLayout->addWidget(&m_drives);
    m_drives.setContextMenu(m_driveMenu);
    m_driveMenu->setObjectName(QStringLiteral("popSel"));
    m_selectAllItem->setObjectName(QStringLiteral("SelectAll1"));
    m_deselectAllItem->setObjectName(QStringLiteral("DeselectAll1"));
    connect(&m_drives, &PickList::entryClicked, this, &SpacePage::onDriveListClicked);
    connect(m_selectAllItem, &QAction::triggered, this, &SpacePage::onSelectAllClicked);
    connect(m_deselectAllItem, &QAction::triggered, this, &SpacePage::onDeselectAllClicked);

    const int chartTop = 4 + 3 * figureRowHeight + 4;
    m_chartSpaceBar->setObjectName(QStringLiteral("chartSpaceBar"));
    m_chartSpaceBar->setGeometry(figureLeft, chartTop, pageWidth - figureLeft - 4,
                                 controlsTop - chartTop - 4);
    setUpSpaceBarChart(m_chartSpaceBar->model());

    m_totalBox->setObjectName(QStringLiteral("cbTotal"));
    m_totalBox->setGeometry(8, controlsTop, 170, 22);
    m_totalBox->setChecked(true);
    connect(m_totalBox, &QCheckBox::clicked, this, &SpacePage::onTotalBoxClicked);

    m_pieButton->setObjectName(QStringLiteral("rgSpace1"));
    m_pieButton->setGeometry(figureLeft + 120, controlsTop, 120, 22);
    m_barButton->setObjectName(QStringLiteral("rgSpace2"));
    m_barButton->setGeometry(figureLeft + 260, controlsTop, 120, 22);
    m_barButton->setChecked(true);
    auto* modes = new QButtonGroup(this);
    for (QRadioButton* button : {m_pieButton, m_barButton}) {
        modes->addButton(button);
        connect(button, &QRadioButton::clicked, this, &SpacePage::onModeButtonClicked);
    }

    m_piePanel->setObjectName(QStringLiteral("pnlPie"));
    m_piePanel->setGeometry(0, 0, pageWidth, controlsTop - 2);
    // The pies cover the figures, which stay set for the return to bar mode.
    m_piePanel->setAutoFillBackground(true);
    m_piePanel->hide();
    for (std::size_t i = 0; i < m_pies.size(); ++i) {
        m_pies[i] = new Chart(m_piePanel);
        m_pies[i]->setObjectName(QStringLiteral("pie%1").arg(i + 1));
        m_pies[i]->setGeometry(smallPieRect(static_cast<int>(i)));
    }
    m_totalPie->setObjectName(QStringLiteral("pieTotal"));
    // Right of the two lower rows, under the top row, leaving room for the legend beside it.
    m_totalPie->setGeometry(smallPieRect(7).right() + 16, smallPieRect(5).top() + 6, 235, 183);
    std::vector<Chart*> allPies(m_pies.begin(), m_pies.end());
    allPies.push_back(m_totalPie);
    for (Chart* pie : allPies) {
        setUpSpacePie(pie->model());
        connect(pie, &Chart::clicked, this, &SpacePage::onPieClicked);
        pie->hide();
    }

    const QRect total = m_totalPie->geometry();
    m_pieFreeSwatch->move(total.right() + 8, total.top() + 20);
    m_pieUsedSwatch->move(total.right() + 8, total.top() + 44);
    for (const auto& [swatch, caption] :
         {std::pair{m_pieFreeSwatch, "Free"}, std::pair{m_pieUsedSwatch, "Used"}}) {
        auto* label = new QLabel(QString::fromLatin1(caption), m_piePanel);
        label->setGeometry(swatch->geometry().right() + 4, swatch->y() - 2, 40, 18);
    }

    m_pieTurnBar->setObjectName(QStringLiteral("ScrollBar3"));
    m_pieTurnBar->setRange(0, 360);
    m_pieTurnBar->setPageStep(5);
    m_pieTurnBar->setGeometry(total.left(), total.bottom() + 4, total.width(),
                              m_pieTurnBar->sizeHint().height());
    m_pieTurnBar->hide();
    connect(m_pieTurnBar, &QScrollBar::valueChanged, this, &SpacePage::onPieTurnChanged);
}

void SpacePage::clearFigures() {
    for (EffectLabel* label :
         {m_capacityFigure, m_freeFigure, m_usedFigure, m_capacityUnit, m_freeUnit, m_usedUnit})
        label->setText({});
}

void SpacePage::restartBar() {
    m_chartSpaceBar->model().view3D.depthPercent = 1;
}

void SpacePage::doDiskSize() {
    clearFigures();
    std::vector<std::string> ticked;
    for (int index = 0; index < m_drives.count(); ++index)
        if (m_drives.isMarked(index))
            ticked.push_back(m_drives.itemText(index).toStdString());
    const SpaceFigures figures =
        fillSpaceBars(m_chartSpaceBar->model(), ticked, m_totalBox->isChecked(), m_drivesShown);

    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_capacityCaption, m_freeCaption, m_usedCaption,
                                         m_freeSwatch, m_usedSwatch, m_chartSpaceBar})
        widget->setVisible(figures.shown);
    if (figures.shown) {
        m_capacityFigure->setText(QString::fromStdString(figures.capacity));
        m_freeFigure->setText(QString::fromStdString(figures.free));
        m_usedFigure->setText(QString::fromStdString(figures.used));
        m_capacityUnit->setText(QString::fromStdString(figures.capacityUnit));
        m_freeUnit->setText(QString::fromStdString(figures.freeUnit));
        m_usedUnit->setText(QString::fromStdString(figures.usedUnit));
        m_freeFigure->setTextColor(toQColor(figures.freeColor));
        m_freeUnit->setTextColor(toQColor(figures.freeColor));
    }
    onModeButtonClicked();
}

void SpacePage::onModeButtonClicked() {
    if (m_pieButton->isChecked()) {
        m_driveListPanel->hide();
        doPieCharts();
        m_totalBox->hide();
        m_chartSpaceBar->hide();
        m_pieTimer.start();
        m_piePanel->show();
        return;
    }
    // Bar mode always gives the drive list back, even with no drive ticked: it is the only way
    // to tick one again. Only the chart waits for a drive to show.
    m_driveListPanel->show();
    // The pies cover the figures, which stay set for the return to bar mode.
    m_piePanel->setAutoFillBackground(true);
    m_piePanel->hide();
    m_totalBox->show();
    if (m_drivesShown > 0) {
        m_chartSpaceBar->show();
        restartBar();
        m_barTimer.start();
    }
}

void SpacePage::doPieCharts() {
    std::vector<ChartModel*> models;
    for (Chart* pie : m_pies)
        models.push_back(&pie->model());
    std::vector<std::string> entries;
    for (const QString& entry : m_drives.items())
        entries.push_back(entry.toStdString());
    const int filled = fillSpacePies(models, m_totalPie->model(), entries);
    // A pie left over from a drive that is no longer ready would show stale figures.
    for (int i = 0; i < static_cast<int>(m_pies.size()); ++i)
        m_pies[static_cast<std::size_t>(i)]->setVisible(i < filled);
    m_totalPie->show();
}

void SpacePage::onTotalBoxClicked() {
    onDriveListClicked();
}

void SpacePage::onPieClicked() {
    if (m_pieTimer.isActive())
        m_pieTimer.stop();
    else
        m_pieTimer.start();
    m_pieTurnBar->setVisible(!m_pieTimer.isActive());
}

void SpacePage::onPieTurnChanged(int position) {
    for (Chart* pie : m_pies)
        if (pieShown(pie))
            pie->model().series(0).pie.rotationAngle = position;
    if (pieShown(m_totalPie))
        m_totalPie->model().series(0).pie.rotationAngle = position;
}

void SpacePage::onDriveListClicked() {
    if (m_redrawing)
        return;
    m_redrawing = true;
    doDiskSize();
    m_redrawing = false;
}

void SpacePage::onSelectAllClicked() {
    m_drives.setAllMarked(true);
    onDriveListClicked();
}

void SpacePage::onDeselectAllClicked() {
    m_drives.setAllMarked(false);
    onDriveListClicked();
}

void SpacePage::growTick() {
    const SpaceBarGrowth growth = spaceBarGrowth(m_drivesShown);
    int& depth = m_chartSpaceBar->model().view3D.depthPercent;
    if (depth >= growth.limit) {
        m_barTimer.stop();
        return;
    }
    depth += growth.step;
}

void SpacePage::pieTick() {
    if (!m_pieButton->isChecked())
        return;
    const auto turn = [](Chart* pie, int degrees) {
        int& angle = pie->model().series(0).pie.rotationAngle;
        angle = (angle + degrees) % 360;
    };
    if (m_drives.count() < 6)
        for (Chart* pie : m_pies)
            if (pieShown(pie))
                turn(pie, 4);
    if (pieShown(m_totalPie))
        turn(m_totalPie, 2);
    m_pieTurnBar->hide();
    m_pieTurnBar->setValue(m_pies[0]->model().series(0).pie.rotationAngle);
}

bool SpacePage::pieShown(const Chart* pie) const {
    return !pie->isHidden();
}
