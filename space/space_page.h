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
    SpacePage(PickList& drives, QTimer& pieTimer, QTimer& barTimer, QWidget* parent = nullptr);

    // The figures and bars of the ticked ready drives, then the mode the radio buttons ask for.
    void doDiskSize();
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

private:
    // Pie mode or bar mode, as the radio buttons ask.
    void onModeButtonClicked();
    void doPieCharts();
    void onTotalBoxClicked();
    // Any pie's click: start or stop the turning; the scroll bar shows while it stands still.
    void onPieClicked();
    // The scroll bar turns every pie on view to its position.
    void onPieTurnChanged(int position);
    // The drive list's click: redraws, unless a redraw is already running.
    void onDriveListClicked();
    void onSelectAllClicked();
    void onDeselectAllClicked();
    [[nodiscard]] bool pieShown(const Chart* pie) const;

    // The window's drive list ("pckStatDrive"), laid out in m_driveListPanel.
    PickList& m_drives;
    QWidget* const m_driveListPanel; // "Panel4"
    // The three rows beside the bar chart: capacity, free and used space.
    EffectLabel* const m_capacityCaption; // "lblTotalC", "Total Capacity:"
    EffectLabel* const m_freeCaption;     // "lblFreeC", "Free Space:"
    EffectLabel* const m_usedCaption;     // "label26", "Used Space:"
    EffectLabel* const m_capacityFigure;  // "lblTotal"
    EffectLabel* const m_freeFigure;      // "lblFree"
    EffectLabel* const m_usedFigure;      // "lblUsed"
    EffectLabel* const m_capacityUnit;    // "lblTot"
    EffectLabel* const m_freeUnit;        // "lblPct"
    EffectLabel* const m_usedUnit;        // "lblPct2"
    RaisedPanel* const m_freeSwatch;      // "Panel1", fuchsia
    RaisedPanel* const m_usedSwatch;      // "Panel2", blue
    Chart* const m_chartSpaceBar;
    QCheckBox* const m_totalBox;        // "cbTotal", "Show Cumulative Total"
    QRadioButton* const m_pieButton;    // "rgSpace1", "Pie - percent"
    QRadioButton* const m_barButton;    // "rgSpace2", "Bar - totals"
    QWidget* const m_piePanel;          // "pnlPie", covers the figures in pie mode
    std::array<Chart*, 11> m_pies;      // "pie1" ... "pie11"
    Chart* const m_totalPie;            // "pieTotal"
    RaisedPanel* const m_pieFreeSwatch; // "Panel3"
    RaisedPanel* const m_pieUsedSwatch; // "Panel5"
    QScrollBar* const m_pieTurnBar;     // "ScrollBar3"
    QMenu* const m_driveMenu;           // "popSel"
    QAction* const m_selectAllItem;     // "SelectAll1"
    QAction* const m_deselectAllItem;   // "DeselectAll1"
    QTimer& m_pieTimer;
    QTimer& m_barTimer;
    int m_drivesShown = 0;
    bool m_redrawing = false;
};
