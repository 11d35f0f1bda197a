#pragma once
// The Space page (notebook page 0): capacity, free and used space of the drives ticked in the
// window's drive list, as three figures and a stacked 3D bar chart whose depth grows after each
// fill, or, in pie mode, one small turning pie per ready drive and a total pie. It needs no
// collection run: every fill asks the drives again through space_fill.
//
// The drive list and the two timers are the window's (the main window reads the list, and the
// pie timer is shared with the Types page); the page is handed them and drives them itself.

#include <QWidget>

#include <array>

class Chart;
class EffectLabel;
class PickList;
class QAction;
class QCheckBox;
class QMenu;
class QRadioButton;
class QScrollBar;
class QTimer;
class RaisedPanel;

class SpacePage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SpacePage)

public:
    // pieTimer turns the pies (pieTick on each tick with this page in front), barTimer grows the
    // bar chart (growTick likewise).
    SpacePage(PickList& pckStatDrive, QTimer& pieTimer, QTimer& barTimer,
              QWidget* parent = nullptr);

    // The figures and bars of the ticked ready drives, then the mode the radio buttons ask for.
    void doDiskSize();
    void rgSpaceClick();
    void doPieCharts();
    void cbTotalClick();
    // Any pie's click: start or stop the turning; the scroll bar shows while it stands still.
    void pieTotalClick();
    void ScrollBar1Change(int position);
    // The drive list's click: redraws, unless a redraw is already running.
    void pckStatDriveClick();
    void SelectAll1Click();
    void DeselectAll1Click();
    // One tick of the bar timer: the chart's depth one step deeper, or the timer stopped at
    // the limit.
    void growTick();
    // One tick of the pie timer in pie mode.
    void pieTick();
    // Empties the six value and unit labels.
    void clearFigures();
    // The bar chart flat again, ready to grow.
    void restartBar();

    [[nodiscard]] int drivesShown() const { return m_drivesShown; }

    PickList& pckStatDrive;
    QWidget* const Panel4;
    EffectLabel* const lblTotalC;
    EffectLabel* const lblFreeC;
    EffectLabel* const label26;
    EffectLabel* const lblTotal;
    EffectLabel* const lblFree;
    EffectLabel* const lblUsed;
    EffectLabel* const lblTot;
    EffectLabel* const lblPct;
    EffectLabel* const lblPct2;
    RaisedPanel* const Panel1;
    RaisedPanel* const Panel2;
    Chart* const chartSpaceBar;
    QCheckBox* const cbTotal;
    QRadioButton* const rgSpace1; // "Pie - percent"
    QRadioButton* const rgSpace2; // "Bar - totals"
    QWidget* const pnlPie;
    std::array<Chart*, 11> pies; // pie1 ... pie11
    Chart* const pieTotal;
    RaisedPanel* const Panel3;
    RaisedPanel* const Panel5;
    QScrollBar* const ScrollBar3;
    QMenu* const popSel;
    QAction* const SelectAll1;
    QAction* const DeselectAll1;

private:
    [[nodiscard]] bool pieShown(const Chart* pie) const;

    QTimer& m_pieTimer;
    QTimer& m_barTimer;
    int m_drivesShown = 0;
    bool m_redrawing = false;
};
