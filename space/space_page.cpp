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
    : QWidget(parent), pckStatDrive(drives), Panel4(new QWidget(this)),
      lblTotalC(makeFigure(this, "lblTotalC", "Total Capacity:", Qt::AlignLeft, figureRect(0, 0))),
      lblFreeC(makeFigure(this, "lblFreeC", "Free Space:", Qt::AlignLeft, figureRect(0, 1))),
      label26(makeFigure(this, "label26", "Used Space:", Qt::AlignLeft, figureRect(0, 2))),
      lblTotal(makeFigure(this, "lblTotal", "", Qt::AlignRight, figureRect(1, 0))),
      lblFree(makeFigure(this, "lblFree", "", Qt::AlignRight, figureRect(1, 1))),
      lblUsed(makeFigure(this, "lblUsed", "", Qt::AlignRight, figureRect(1, 2))),
      lblTot(makeFigure(this, "lblTot", "", Qt::AlignLeft, figureRect(2, 0))),
      lblPct(makeFigure(this, "lblPct", "", Qt::AlignLeft, figureRect(2, 1))),
      lblPct2(makeFigure(this, "lblPct2", "", Qt::AlignLeft, figureRect(2, 2))),
      Panel1(makeSwatch(this, "Panel1", clFuchsia,
                        QRect(figureLeft, 4 + figureRowHeight + 7, 14, 14))),
      Panel2(makeSwatch(this, "Panel2", clBlue,
                        QRect(figureLeft, 4 + 2 * figureRowHeight + 7, 14, 14))),
      chartSpaceBar(new Chart(this)),
      cbTotal(new QCheckBox(QStringLiteral("Show Cumulative Total"), this)),
      rgSpace1(new QRadioButton(QStringLiteral("Pie - percent"), this)),
      rgSpace2(new QRadioButton(QStringLiteral("Bar - totals"), this)),
      pnlPie(new QWidget(this)), pies{}, pieTotal(new Chart(pnlPie)),
      Panel3(makeSwatch(pnlPie, "Panel3", clFuchsia, QRect(0, 0, 14, 14))),
      Panel5(makeSwatch(pnlPie, "Panel5", clBlue, QRect(0, 0, 14, 14))),
      ScrollBar3(new QScrollBar(Qt::Horizontal, pnlPie)), popSel(new QMenu(this)),
      SelectAll1(popSel->addAction(QStringLiteral("Select All"))),
      DeselectAll1(popSel->addAction(QStringLiteral("Deselect All"))), m_pieTimer(pieTimer),
      m_barTimer(barTimer) {
    setObjectName(QStringLiteral("SpacePage"));

    Panel4->setObjectName(QStringLiteral("Panel4"));
    Panel4->setGeometry(4, 4, listWidth, controlsTop - 8);
    auto* listLayout = new QVBoxLayout(Panel4);
    listLayout->setContentsMargins(0, 0, 0, 0);
    pckStatDrive.setParent(Panel4);
    listLayout->addWidget(&pckStatDrive);
    pckStatDrive.setContextMenu(popSel);
    popSel->setObjectName(QStringLiteral("popSel"));
    SelectAll1->setObjectName(QStringLiteral("SelectAll1"));
    DeselectAll1->setObjectName(QStringLiteral("DeselectAll1"));
    connect(&pckStatDrive, &PickList::entryClicked, this, [this] { pckStatDriveClick(); });
    connect(SelectAll1, &QAction::triggered, this, [this] { SelectAll1Click(); });
    connect(DeselectAll1, &QAction::triggered, this, [this] { DeselectAll1Click(); });

    const int chartTop = 4 + 3 * figureRowHeight + 4;
    chartSpaceBar->setObjectName(QStringLiteral("chartSpaceBar"));
    chartSpaceBar->setGeometry(figureLeft, chartTop, pageWidth - figureLeft - 4,
                               controlsTop - chartTop - 4);
    setUpSpaceBarChart(chartSpaceBar->model());

    cbTotal->setObjectName(QStringLiteral("cbTotal"));
    cbTotal->setGeometry(8, controlsTop, 170, 22);
    cbTotal->setChecked(true);
    connect(cbTotal, &QCheckBox::clicked, this, [this] { cbTotalClick(); });

    rgSpace1->setObjectName(QStringLiteral("rgSpace1"));
    rgSpace1->setGeometry(figureLeft + 120, controlsTop, 120, 22);
    rgSpace2->setObjectName(QStringLiteral("rgSpace2"));
    rgSpace2->setGeometry(figureLeft + 260, controlsTop, 120, 22);
    rgSpace2->setChecked(true);
    auto* modes = new QButtonGroup(this);
    for (QRadioButton* button : {rgSpace1, rgSpace2}) {
        modes->addButton(button);
        connect(button, &QRadioButton::clicked, this, [this] { rgSpaceClick(); });
    }

    pnlPie->setObjectName(QStringLiteral("pnlPie"));
    pnlPie->setGeometry(0, 0, pageWidth, controlsTop - 2);
    // The pies cover the figures, which stay set for the return to bar mode.
    pnlPie->setAutoFillBackground(true);
    pnlPie->hide();
    for (std::size_t i = 0; i < pies.size(); ++i) {
        pies[i] = new Chart(pnlPie);
        pies[i]->setObjectName(QStringLiteral("pie%1").arg(i + 1));
        pies[i]->setGeometry(smallPieRect(static_cast<int>(i)));
    }
    pieTotal->setObjectName(QStringLiteral("pieTotal"));
    // Right of the two lower rows, under the top row, leaving room for the legend beside it.
    pieTotal->setGeometry(smallPieRect(7).right() + 16, smallPieRect(5).top() + 6, 235, 183);
    std::vector<Chart*> allPies(pies.begin(), pies.end());
    allPies.push_back(pieTotal);
    for (Chart* pie : allPies) {
        setUpSpacePie(pie->model());
        connect(pie, &Chart::clicked, this, [this] { pieTotalClick(); });
        pie->hide();
    }

    const QRect total = pieTotal->geometry();
    Panel3->move(total.right() + 8, total.top() + 20);
    Panel5->move(total.right() + 8, total.top() + 44);
    for (const auto& [swatch, caption] : {std::pair{Panel3, "Free"}, std::pair{Panel5, "Used"}}) {
        auto* label = new QLabel(QString::fromLatin1(caption), pnlPie);
        label->setGeometry(swatch->geometry().right() + 4, swatch->y() - 2, 40, 18);
    }

    ScrollBar3->setObjectName(QStringLiteral("ScrollBar3"));
    ScrollBar3->setRange(0, 360);
    ScrollBar3->setPageStep(5);
    ScrollBar3->setGeometry(total.left(), total.bottom() + 4, total.width(),
                            ScrollBar3->sizeHint().height());
    ScrollBar3->hide();
    connect(ScrollBar3, &QScrollBar::valueChanged, this,
            [this](int position) { ScrollBar1Change(position); });
}

void SpacePage::clearFigures() {
    for (EffectLabel* label : {lblTotal, lblFree, lblUsed, lblTot, lblPct, lblPct2})
        label->setText({});
}

void SpacePage::restartBar() {
    chartSpaceBar->model().view3D.depthPercent = 1;
}

void SpacePage::doDiskSize() {
    clearFigures();
    std::vector<std::string> ticked;
    for (int index = 0; index < pckStatDrive.count(); ++index)
        if (pckStatDrive.isMarked(index))
            ticked.push_back(pckStatDrive.itemText(index).toStdString());
    const SpaceFigures figures =
        fillSpaceBars(chartSpaceBar->model(), ticked, cbTotal->isChecked(), m_drivesShown);

    for (QWidget* widget : std::initializer_list<QWidget*>{lblTotalC, lblFreeC, label26, Panel1,
                                                           Panel2, chartSpaceBar})
        widget->setVisible(figures.shown);
    if (figures.shown) {
        lblTotal->setText(QString::fromStdString(figures.lblTotal));
        lblFree->setText(QString::fromStdString(figures.lblFree));
        lblUsed->setText(QString::fromStdString(figures.lblUsed));
        lblTot->setText(QString::fromStdString(figures.lblTot));
        lblPct->setText(QString::fromStdString(figures.lblPct));
        lblPct2->setText(QString::fromStdString(figures.lblPct2));
        lblFree->setTextColor(toQColor(figures.freeColor));
        lblPct->setTextColor(toQColor(figures.freeColor));
    }
    rgSpaceClick();
}

void SpacePage::rgSpaceClick() {
    if (rgSpace1->isChecked()) {
        Panel4->hide();
        doPieCharts();
        cbTotal->hide();
        chartSpaceBar->hide();
        m_pieTimer.start();
        pnlPie->show();
        return;
    }
    // Bar mode always gives the drive list back, even with no drive ticked: it is the only way
    // to tick one again. Only the chart waits for a drive to show.
    Panel4->show();
    // The pies cover the figures, which stay set for the return to bar mode.
    pnlPie->setAutoFillBackground(true);
    pnlPie->hide();
    cbTotal->show();
    if (m_drivesShown > 0) {
        chartSpaceBar->show();
        restartBar();
        m_barTimer.start();
    }
}

void SpacePage::doPieCharts() {
    std::vector<ChartModel*> models;
    for (Chart* pie : pies)
        models.push_back(&pie->model());
    std::vector<std::string> entries;
    for (const QString& entry : pckStatDrive.items())
        entries.push_back(entry.toStdString());
    const int filled = fillSpacePies(models, pieTotal->model(), entries);
    // A pie left over from a drive that is no longer ready would show stale figures.
    for (int i = 0; i < static_cast<int>(pies.size()); ++i)
        pies[static_cast<std::size_t>(i)]->setVisible(i < filled);
    pieTotal->show();
}

void SpacePage::cbTotalClick() {
    pckStatDriveClick();
}

void SpacePage::pieTotalClick() {
    if (m_pieTimer.isActive())
        m_pieTimer.stop();
    else
        m_pieTimer.start();
    ScrollBar3->setVisible(!m_pieTimer.isActive());
}

void SpacePage::ScrollBar1Change(int position) {
    for (Chart* pie : pies)
        if (pieShown(pie))
            pie->model().series(0).pie.rotationAngle = position;
    if (pieShown(pieTotal))
        pieTotal->model().series(0).pie.rotationAngle = position;
}

void SpacePage::pckStatDriveClick() {
    if (m_redrawing)
        return;
    m_redrawing = true;
    doDiskSize();
    m_redrawing = false;
}

void SpacePage::SelectAll1Click() {
    pckStatDrive.setAllMarked(true);
    pckStatDriveClick();
}

void SpacePage::DeselectAll1Click() {
    pckStatDrive.setAllMarked(false);
    pckStatDriveClick();
}

void SpacePage::growTick() {
    const SpaceBarGrowth growth = spaceBarGrowth(m_drivesShown);
    int& depth = chartSpaceBar->model().view3D.depthPercent;
    if (depth >= growth.limit) {
        m_barTimer.stop();
        return;
    }
    depth += growth.step;
}

void SpacePage::pieTick() {
    if (!rgSpace1->isChecked())
        return;
    const auto turn = [](Chart* pie, int degrees) {
        int& angle = pie->model().series(0).pie.rotationAngle;
        angle = (angle + degrees) % 360;
    };
    if (pckStatDrive.count() < 6)
        for (Chart* pie : pies)
            if (pieShown(pie))
                turn(pie, 4);
    if (pieShown(pieTotal))
        turn(pieTotal, 2);
    ScrollBar3->hide();
    ScrollBar3->setValue(pies[0]->model().series(0).pie.rotationAngle);
}

bool SpacePage::pieShown(const Chart* pie) const {
    return !pie->isHidden();
}
