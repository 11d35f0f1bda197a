#pragma once
// The Types page (notebook page 1): the type table as a sortable grid with a totals row, or as
// a turning 3D pie of the twelve largest types by size, by number of files or by average size.
// The figures, sorts and slices come from types_fill over the page's grid model; the page wires
// the widgets to them. The pie turns on the window's shared timer: the page asks for the timer
// with pieTimerEnabled and pieTimerToggled, and the window calls pieTick on each tick while
// this page is on view.

#include "types/types_fill.h"

#include <QWidget>

#include <array>

struct DriveStatistics;
class BarPalette;
class Chart;
class ChartSeries;
class MenuButton;
class QAction;
class QButtonGroup;
class QGroupBox;
class QMenu;
class QScrollBar;
class SelectionFilter;
class StringGrid;

class TypesPage final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TypesPage)

public:
    // The page adds the chosen types of an include run to stats' type table.
    TypesPage(DriveStatistics& stats, const SelectionFilter& selection, BarPalette& barColors,
              QWidget* parent = nullptr);

    // The fill after each drive's walk: the chosen types, the grid, then the view.
    void doFileTypes();
    // Shows the listing with its totals, or sorts for the pie view chosen and refills the pie.
    void rgTypesClick();
    // Sorts the grid by the item's order and moves the check mark to it; with at most one data
    // row nothing happens at all. The walk calls it with SortbyExtension at the end of a run.
    void SortbyExtensionClick(QAction* item);
    void doTotals();
    // The pie's click: start or stop the shared timer.
    void chartSpacePieClick();
    void ScrollBar2Change(int position);
    // Turns the pie by one degree (in a pie view) and moves ScrollBar2 along.
    void pieTick();
    [[nodiscard]] static Qt::Alignment gridTypesGetAlignment(int column);

    [[nodiscard]] TypesView typesView() const;
    void setTypesView(TypesView view); // checks the radio button, no redraw
    [[nodiscard]] QAction* sortItem(TypesSortItem item) const;
    [[nodiscard]] ChartSeries& Series2();

    StringGrid* const gridTypes;
    Chart* const chartPie;
    QScrollBar* const ScrollBar2;
    QGroupBox* const rgTypes;
    QMenu* const PopupMenu1;
    MenuButton* const btSort;
    QAction* const SortbyExtension;
    QAction* const SortbyType;
    QAction* const SortbySize;
    QAction* const SortbyNumFiles;
    QAction* const SortbyAverageFileSize1;

signals:
    // The shared pie timer must run (true, a pie view) or stop (false, the listing).
    void pieTimerEnabled(bool on);
    // The pie was clicked: the shared pie timer must change between on and off.
    void pieTimerToggled();

private:
    void showSortChecks();

    DriveStatistics& m_stats;
    const SelectionFilter& m_selection;
    BarPalette& m_barColors;
    QButtonGroup* m_views;
    std::array<QAction*, 5> m_sortItems;
    TypesSortItem m_checkedSort = TypesSortItem::SortbyExtension;
};
