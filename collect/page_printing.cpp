#include "collect/page_printing.h"

#include "ui/chart.h"
#include "ui/chart_previewer.h"
#include "ui/grid_printer.h"
#include "ui/notebook.h"
#include "ui/pick_list.h"
#include "ui/string_grid.h"
#include "ui/window_image_printer.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {

constexpr int typesPage = 1;

bool runPrintDialog(QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void runChartPreview(Chart& chart, QWidget* parent) {
    ChartPreviewer previewer(parent);
    previewer.setChart(&chart);
    previewer.execute();
}

ColorRef toColorRef(const QColor& color) {
    return static_cast<ColorRef>(color.red()) | static_cast<ColorRef>(color.green()) << 8 |
           static_cast<ColorRef>(color.blue()) << 16;
}

void printWindowOnWhite(QWidget& window, const StringGrid& gridTypes) {
    QPrinter printer(QPrinter::HighResolution);
    if (!printHooks().printDialog(printer, &window))
        return;
    BackgroundColors colors(window, &gridTypes);
    colors.changeBackgroundColor(Qt::white);
    printWindowImage(window, printer);
    colors.restore();
}

} // namespace

PrintHooks& printHooks() {
    static PrintHooks hooks{runPrintDialog, runChartPreview};
    return hooks;
}

const char* printedChartName(int pageIndex) {
    static const char* const names[] = {
        "", "chartPie", "Chart1", "", "chartAccess", "chartCreate", "chartModify", "chartCombine",
        "", "Chart4"};
    if (pageIndex < 0 || pageIndex >= static_cast<int>(std::size(names)))
        return "";
    return names[pageIndex];
}

BackgroundColors::BackgroundColors(QWidget& window, const StringGrid* gridTypes)
    : m_window(window), m_gridTypes(gridTypes) {}

void BackgroundColors::changeBackgroundColor(const QColor& color) {
    std::vector<QWidget*> targets{&m_window};
    for (QWidget* child : m_window.findChildren<QWidget*>()) {
        const bool grid = qobject_cast<StringGrid*>(child) != nullptr && child != m_gridTypes;
        if (grid || qobject_cast<Notebook*>(child) || qobject_cast<PickList*>(child) ||
            qobject_cast<Chart*>(child))
            targets.push_back(child);
    }
    for (QWidget* widget : targets) {
        Saved saved{widget, widget->palette(), widget->autoFillBackground(), {}, {}, 0};
        if (auto* grid = qobject_cast<StringGrid*>(widget)) {
            saved.gridColor = grid->color();
            saved.gridFixedColor = grid->fixedColor();
            grid->setColor(color);
            grid->setFixedColor(color);
        } else if (auto* chart = qobject_cast<Chart*>(widget)) {
            saved.chartColor = chart->model().background.color;
            chart->model().background.color = toColorRef(color);
        } else {
            QPalette palette = widget->palette();
            for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base})
                palette.setColor(role, color);
            widget->setPalette(palette);
            widget->setAutoFillBackground(true);
        }
        m_saved.push_back(saved);
    }
}

void BackgroundColors::restore() {
    for (const Saved& saved : m_saved) {
        if (auto* grid = qobject_cast<StringGrid*>(saved.widget)) {
            grid->setColor(saved.gridColor);
            grid->setFixedColor(saved.gridFixedColor);
        } else if (auto* chart = qobject_cast<Chart*>(saved.widget)) {
            chart->model().background.color = saved.chartColor;
        } else {
            saved.widget->setPalette(saved.palette);
            saved.widget->setAutoFillBackground(saved.autoFill);
        }
    }
    m_saved.clear();
}

void printStatisticsPage(QWidget& window, QWidget& page, int pageIndex, StringGrid& gridTypes,
                         const std::string& currentDrive) {
    const QString chartName = QString::fromLatin1(printedChartName(pageIndex));
    if (!chartName.isEmpty()) {
        auto* chart = page.findChild<Chart*>(chartName);
        if (chart != nullptr && chart->isVisibleTo(&page)) {
            printHooks().previewChart(*chart, &window);
            return;
        }
    }
    if (pageIndex != typesPage) {
        printWindowOnWhite(window, gridTypes);
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    if (!printHooks().printDialog(printer, &window))
        return;
    GridPrinter gridPrinter;
    gridPrinter.setTitle(
        QStringLiteral("File types for drive ") +
        QString::fromLocal8Bit(currentDrive.data(), static_cast<qsizetype>(currentDrive.size())));
    gridPrinter.print(gridTypes, printer);
}
