#include "app/sample_pictures.h"

#include "app/maker.h"
#include "ui/chart.h"
#include "ui/font_twins.h"
#include "ui/raised_panel.h"
#include "ui/string_grid.h"

#include <QLinearGradient>
#include <QPainter>

#include <array>
#include <string>
#include <vector>

namespace {

constexpr int pictureWidth = 480;
constexpr int pictureHeight = 300;
constexpr int frame = 3;
constexpr int captionHeight = 18;
constexpr int menuHeight = 18;
constexpr int statusHeight = 18;
const QColor buttonFace(0xC0, 0xC0, 0xC0);

using Rows = std::vector<std::vector<std::string>>;

// A product window as the desktop draws it: frame, caption bar, menu line and status line.
// Answers the rectangle left for the window's contents.
QRect paintWindowFrame(QPainter& painter, const QString& caption, const QString& status) {
    const QRect whole(0, 0, pictureWidth, pictureHeight);
    painter.fillRect(whole, buttonFace);
    RaisedPanel::paintBevel(painter, whole, 2, RaisedPanel::Bevel::raised, buttonFace);

    const QRect bar(frame, frame, pictureWidth - 2 * frame, captionHeight);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    gradient.setColorAt(0, QColor(0x00, 0x00, 0x80));
    gradient.setColorAt(1, QColor(0x10, 0x84, 0xD0));
    painter.fillRect(bar, gradient);
    painter.setFont(pixelFont(QStringLiteral("Arial"), 11, true));
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption);
    for (int i = 0; i < 3; ++i) {
        const QRect box(bar.right() - 16 * (3 - i) - 2, bar.top() + 2, 14, 12);
        painter.fillRect(box, buttonFace);
        RaisedPanel::paintBevel(painter, box, 1, RaisedPanel::Bevel::raised, buttonFace);
    }

    painter.setFont(pixelFont(QStringLiteral("Arial"), 11));
    painter.setPen(Qt::black);
    const QRect menu(frame + 6, bar.bottom() + 1, bar.width() - 6, menuHeight);
    painter.drawText(menu, Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("File    Edit    View    Tools    Help"));

    const QRect statusLine(frame, pictureHeight - frame - statusHeight, bar.width(), statusHeight);
    RaisedPanel::paintBevel(painter, statusLine, 1, RaisedPanel::Bevel::lowered, buttonFace);
    painter.drawText(statusLine.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, status);

    return QRect(frame + 2, menu.bottom() + 2, bar.width() - 4,
                 statusLine.top() - menu.bottom() - 4);
}

void paintGrid(QPainter& painter, const QRect& area, const std::vector<int>& widths,
               const Rows& rows) {
    StringGrid grid;
    grid.setFont(pixelFont(QStringLiteral("Arial"), 11));
    grid.setGridLines(StringGrid::GridLines::full);
    grid.setHeadingRow(true);
    grid.setRowSelect(true);
    grid.setDefaultRowHeight(19);
    TextGrid& model = grid.model();
    model.setColumnCount(static_cast<int>(widths.size()));
    model.setRowCount(static_cast<int>(rows.size()));
    for (std::size_t row = 0; row < rows.size(); ++row)
        model.setRow(static_cast<int>(row), rows[row]);
    grid.setColumnWidths(widths);
    grid.setSelection(0, 2);
    grid.resize(area.size());
    grid.render(&painter, area.topLeft());
}

void paintChart(QPainter& painter, const QRect& area, const ChartModel& model) {
    Chart chart;
    chart.model() = model;
    chart.paint(painter, area);
}

ChartModel timeSheetChart() {
    ChartModel chart;
    chart.title.lines = {"Hours this month by client"};
    chart.title.color = clNavy;
    chart.legend.visible = false;
    chart.background.gradient = true;
    chart.background.startColor = clWhite;
    chart.background.endColor = 0xF0D8C0; // a light steel blue
    chart.view3D = ChartView3D{true, 20, true, 345, 345, 15, 100};
    chart.leftAxis.valueFormat = "#,##0 h";
    ChartSeries& hours = chart.addSeries(ChartSeries::Kind::Bar, "Hours");
    hours.marks.visible = true;
    hours.marks.format = "#,##0.0";
    const std::array<std::pair<const char*, double>, 5> clients{{{"Harlow", 42.5},
                                                                 {"Nordby", 31.0},
                                                                 {"Pike & Co", 57.25},
                                                                 {"Quarry", 18.5},
                                                                 {"Own", 12.0}}};
    const std::array<ColorRef, 5> colors{clTeal, clNavy, clMaroon, clOlive, clPurple};
    for (std::size_t i = 0; i < clients.size(); ++i)
        hours.add(clients[i].second, clients[i].first, colors[i]);
    return chart;
}

ChartModel shelfCountChart() {
    ChartModel chart;
    chart.title.lines = {"Stock value by department"};
    chart.title.color = clNavy;
    chart.legend.visible = false;
    chart.leftAxis.visible = false;
    chart.bottomAxis.visible = false;
    chart.walls.backFilled = false;
    chart.background.color = clWhite;
    chart.view3D = ChartView3D{true, 30, false, 360, 320, 0, 100};
    ChartSeries& pie = chart.addSeries(ChartSeries::Kind::Pie);
    pie.marks.visible = true;
    pie.marks.style = ChartMarks::Style::LabelAndPercent;
    pie.marks.format = "##0.# %";
    pie.pie.explodeBiggest = 8;
    pie.pie.rotationAngle = 30;
    pie.add(12850, "Hardware", clRed);
    pie.add(7420, "Garden", clGreen);
    pie.add(5310, "Paint", clYellow);
    pie.add(3980, "Tools", clBlue);
    pie.add(2260, "Electrical", clFuchsia);
    return chart;
}

QString productCaption(int product, const char* document) {
    const std::string_view name = maker::products.at(static_cast<std::size_t>(product)).name;
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           QStringLiteral(" - ") + QString::fromLatin1(document);
}

} // namespace

QSize samplePictureSize() {
    return {pictureWidth, pictureHeight};
}

QPixmap samplePicture(int product) {
    QPixmap pixmap(samplePictureSize());
    QPainter painter(&pixmap);
    switch (product) {
    case 0: {
        const QRect area = paintWindowFrame(painter, productCaption(0, "Backup jobs"),
                                            QStringLiteral("4 jobs - next run tonight at 23:00"));
        paintGrid(painter, area, {110, 110, 110, 70, 66},
                  {{"Job", "Source", "Target", "Last run", "Status"},
                   {"Documents", "c:\\My Documents", "e:\\Backup", "Yesterday", "OK"},
                   {"Accounts", "c:\\Ledger", "\\\\server\\save", "Monday", "OK"},
                   {"Mail", "c:\\Mail", "e:\\Backup", "Yesterday", "OK"},
                   {"Photos", "d:\\Photos", "f:\\Archive", "1 week", "Skipped"}});
        break;
    }
    case 1: {
        const QRect area = paintWindowFrame(painter, productCaption(1, "Search results"),
                                            QStringLiteral("3 groups, 7 files, 20,984 KB to free"));
        paintGrid(painter, area, {120, 150, 80, 116},
                  {{"File", "Folder", "Size", "Modified"},
                   {"report.doc", "c:\\Work", "248 KB", "03/11/98 09:12"},
                   {"report.doc", "c:\\Work\\Old", "248 KB", "03/11/98 09:12"},
                   {"setup.exe", "c:\\Download", "20,544 KB", "12/02/98 17:40"},
                   {"setup.exe", "d:\\Install", "20,544 KB", "12/02/98 17:40"},
                   {"logo.bmp", "c:\\Pictures", "96 KB", "06/30/97 11:05"},
                   {"logo.bmp", "c:\\Web\\Images", "96 KB", "06/30/97 11:05"},
                   {"logo.bmp", "d:\\Backup", "96 KB", "06/30/97 11:05"}});
        break;
    }
    case 2: {
        const QRect area =
            paintWindowFrame(painter, productCaption(2, "March"),
                             QStringLiteral("161.25 hours recorded, 148.5 billable"));
        paintChart(painter, area, timeSheetChart());
        break;
    }
    case 3: {
        const QRect area = paintWindowFrame(painter, productCaption(3, "Calls this week"),
                                            QStringLiteral("5 contacts, 2 calls due today"));
        paintGrid(painter, area, {110, 120, 110, 126},
                  {{"Name", "Company", "Telephone", "Call back"},
                   {"Ada Brennan", "Brennan Print", "(503) 555-0120", "Today 10:30"},
                   {"Tomas Ekdahl", "Nordby Freight", "(360) 555-0188", "Today 15:00"},
                   {"Marta Quinn", "Quarry Stone", "(503) 555-0163", "Thursday"},
                   {"Lee Harlow", "Harlow Legal", "(971) 555-0102", "Friday"},
                   {"Sam Pike", "Pike & Co", "(503) 555-0175", "Next week"}});
        break;
    }
    default: {
        const QRect area = paintWindowFrame(painter, productCaption(4, "Stock summary"),
                                            QStringLiteral("1,284 items on 212 shelves"));
        paintChart(painter, area, shelfCountChart());
        break;
    }
    }
    return pixmap;
}
