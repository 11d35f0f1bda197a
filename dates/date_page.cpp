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
    : QWidget(parent), m_grid(new StringGrid(this)), m_chart(new Chart(this)),
      m_frame(new PageFrame(namesOf(kind).radios, namesOf(kind).note, this)),
      m_listingButton(m_frame->radio(0)), m_byMegabytesButton(m_frame->radio(1)),
      m_byFileCountButton(m_frame->radio(2)), m_noteButton(m_frame->noteButton()), m_kind(kind),
      m_stats(stats), m_barColors(barColors) {
    const KindNames& names = namesOf(kind);
    setObjectName(QString::fromLatin1(names.page));

    m_grid->setObjectName(QString::fromLatin1(names.grid));
    m_grid->model().setColumnCount(datesGridColumns);
    m_grid->model().setRowCount(datesGridRows);
    m_grid->setColumnWidths({gridWidths[0], gridWidths[1], gridWidths[2]});
    setUpReadOnlyGrid(*m_grid);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int gridWidth = gridWidths[0] + gridWidths[1] + gridWidths[2] + 2 * m_grid->frameWidth();
    const int gridHeight = datesGridRows * 19 + 2 * m_grid->frameWidth();
    m_grid->setGeometry((datePageWidth - gridWidth) / 2, 40, gridWidth, gridHeight);
    m_grid->hide();

    m_chart->setObjectName(QString::fromLatin1(names.chart));
    m_chart->setGeometry(4, 4, datePageWidth - 8, m_frame->y() - 8);
    setUpDateChart(m_chart->model(), kind);

    for (QRadioButton* button : {m_listingButton, m_byMegabytesButton, m_byFileCountButton})
        connect(button, &QRadioButton::clicked, this, &DatePage::onViewButtonClicked);
    connect(m_noteButton, &QToolButton::clicked, this, &DatePage::onNoteClicked);
}

void DatePage::fillGridDates() {
    m_grid->setSelection(20, 20);
    ::fillGridDates(dateGridHeading(m_kind), m_grid->model(), ageBytes(m_stats, m_kind),
                    ageCounts(m_stats, m_kind));
}

const TextGrid& DatePage::listing() const {
    return m_grid->model();
}

bool DatePage::byMegabytes() const {
    return m_byMegabytesButton->isChecked();
}

void DatePage::fillChart() {
    fillDateChart(m_chart->model(), m_kind, m_stats, byMegabytes(), m_barColors);
}

void DatePage::onViewButtonClicked() {
    const bool listing = m_listingButton->isChecked();
    m_grid->setVisible(listing);
    m_chart->setVisible(!listing);
    if (!listing)
        emit chartsRequested();
}

void DatePage::onNoteClicked() {
    showInfo(namesOf(m_kind).noteText);
}
