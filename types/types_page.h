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
    // Sorts the grid by the item's order and moves the check mark to it; with at most one data
    // row nothing happens at all. The walk sorts by extension at the end of a run.
    void sortBy(TypesSortItem item);
    // Turns the pie by one degree (in a pie view) and moves the scroll bar along.
    void pieTick();
    [[nodiscard]] static Qt::Alignment columnAlignment(int column);

    [[nodiscard]] TypesView typesView() const;
    void setTypesView(TypesView view); // checks the radio button, no redraw
    [[nodiscard]] QAction* sortItem(TypesSortItem item) const;
    [[nodiscard]] ChartSeries& pieSeries();
    // The listing ("gridTypes"): the window writes its headings, clears it and prints it.
    [[nodiscard]] StringGrid& gridTypes();
    [[nodiscard]] const StringGrid& gridTypes() const;

signals:
    // The shared pie timer must run (true, a pie view) or stop (false, the listing).
    void pieTimerEnabled(bool on);
    // The pie was clicked: the shared pie timer must change between on and off.
    void pieTimerToggled();

private:
    // Shows the listing with its totals, or sorts for the pie view chosen and refills the pie.
    void onViewButtonClicked();
    // A sort menu item: sortBy its order.
    void onSortItemChosen(QAction* item);
    void doTotals();
    // The pie's click: start or stop the shared timer.
    void onTypesPieClicked();
    // The scroll bar turns the pie to its position.
    void onPieTurnChanged(int position);
    void showSortChecks();

    StringGrid* const m_gridTypes;
    Chart* const m_chartPie;
    QScrollBar* const m_pieTurnBar; // "ScrollBar2", on the pie
    QGroupBox* const m_viewBox;     // "rgTypes", the four view buttons "rgTypes0" .. "rgTypes3"
    QMenu* const m_sortMenu;        // "PopupMenu1"
    MenuButton* const m_sortButton; // "btSort"
    // The sort menu's items in TypesSortItem order, "SortbyExtension" .. "SortbyAverageFileSize1".
    const std::array<QAction*, 5> m_sortItems;
    DriveStatistics& m_stats;
    const SelectionFilter& m_selection;
    BarPalette& m_barColors;
    QButtonGroup* m_views;
    TypesSortItem m_checkedSort = TypesSortItem::SortbyExtension;
};
