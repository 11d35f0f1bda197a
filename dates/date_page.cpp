#include "dates/date_page.h"

#include "app/helpers.h"
#include "dates/date_fill.h"
#include "dates/page_frame.h"
#include "dates/page_measures.h"
#include "space/read_only_grid.h"
#include "ui/chart.h"
#include "ui/string_grid.h"

#include <QRadioButton>
#include <QToolButton>

namespace {

struct KindNames {
    const char* page;
    const char* grid;
    const char* chart;
    const char* radios[3];
    const char* note;
    const char* noteText;
};

const KindNames& namesOf(DateKind kind) {
    static const KindNames names[3] = {
        {"AccessPage",
         "gridAccess",
         "chartAccess",
         {"rgAccess0", "rgAccess1", "rgAccess2"},
         "SpeedButton1",
         "Note: prior versions of Windows and DOS did not store the file access date.  Files "
         "never recorded as being accessed are probably old files that were converted to "
         "Windows 95."},
        {"CreatedPage",
         "gridCreate",
         "chartCreate",
         {"rgCreate0", "rgCreate1", "rgCreate2"},
         "SpeedButton2",
         "Files never recorded as being created are probably old files that were converted to "
         "Windows 95.  Note: prior versions of Windows and DOS did not store the file creation "
         "date independent of the last file modification or file write date."},
        {"ModifiedPage",
         "gridModify",
         "chartModify",
         {"rgModify0", "rgModify1", "rgModify2"},
         "SpeedButton3",
         "Note: prior versions of Windows and DOS treated the file creation date synonomously  "
         "with the last file modification date.  Therefore all files have a file modification "
         "date."},
    };
    return names[static_cast<int>(kind)];
}

constexpr int gridWidths[3] = {194, 189, 140};

} // namespace

DatePage::DatePage(DateKind kind, const DriveStatistics& stats, BarPalette& barColors,
                   QWidget* parent)
    : QWidget(parent), grid(new StringGrid(this)), chart(new Chart(this)),
      frame(new PageFrame(namesOf(kind).radios, namesOf(kind).note, this)),
      rgListing(frame->radio(0)), rgBySize(frame->radio(1)), rgByNumber(frame->radio(2)),
      noteButton(frame->noteButton()), m_kind(kind), m_stats(stats), m_barColors(barColors) {
    const KindNames& names = namesOf(kind);
    setObjectName(QString::fromLatin1(names.page));

    grid->setObjectName(QString::fromLatin1(names.grid));
    grid->model().setColumnCount(datesGridColumns);
    grid->model().setRowCount(datesGridRows);
    grid->setColumnWidths({gridWidths[0], gridWidths[1], gridWidths[2]});
    setUpReadOnlyGrid(*grid);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridWidth = gridWidths[0] + gridWidths[1] + gridWidths[2] + 2 * grid->frameWidth();
    const int gridHeight = datesGridRows * 19 + 2 * grid->frameWidth();
    grid->setGeometry((datePageWidth - gridWidth) / 2, 40, gridWidth, gridHeight);
    grid->hide();

    chart->setObjectName(QString::fromLatin1(names.chart));
    chart->setGeometry(4, 4, datePageWidth - 8, frame->y() - 8);
    setUpDateChart(chart->model(), kind);

    for (QRadioButton* button : {rgListing, rgBySize, rgByNumber})
        connect(button, &QRadioButton::clicked, this, [this] { rgAccessClick(); });
    connect(noteButton, &QToolButton::clicked, this, [this] { noteClick(); });
}

void DatePage::fillGridDates() {
    grid->setSelection(20, 20);
    ::fillGridDates(dateGridHeading(m_kind), grid->model(), ageBytes(m_stats, m_kind),
                    ageCounts(m_stats, m_kind));
}

bool DatePage::byMegabytes() const {
    return rgBySize->isChecked();
}

void DatePage::fillChart() {
    fillDateChart(chart->model(), m_kind, m_stats, byMegabytes(), m_barColors);
}

void DatePage::rgAccessClick() {
    const bool listing = rgListing->isChecked();
    grid->setVisible(listing);
    chart->setVisible(!listing);
    if (!listing)
        emit chartsRequested();
}

void DatePage::noteClick() {
    showInfo(namesOf(m_kind).noteText);
}
