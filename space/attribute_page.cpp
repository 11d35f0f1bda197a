#include "space/attribute_page.h"

#include "space/attribute_fill.h"
#include "space/bar_rows.h"
#include "ui/chart.h"

#include <QLabel>

#include <array>

namespace {

constexpr int rowTop = 84;
constexpr int rowHeight = 44;

struct Column {
    int x;
    int width;
};
constexpr Column captionColumn{20, 86};
constexpr Column countChartColumn{110, 150};
constexpr Column countColumn{262, 74};
constexpr Column bytesChartColumn{346, 150};
constexpr Column bytesColumn{498, 112};

QLabel* makeLabel(QWidget* parent, const char* name, const char* text, const Column& column,
                  int row, Qt::Alignment alignment) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(column.x, rowTop + row * rowHeight, column.width, rowHeight);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QLabel* makeFigure(QWidget* parent, const char* name, const Column& column, int row) {
    return makeLabel(parent, name, "", column, row, Qt::AlignRight);
}

void makeBold(QLabel* label) {
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
}

void makeHeading(QWidget* parent, const char* text, const Column& column, Qt::Alignment alignment) {
    auto* heading = new QLabel(QString::fromLatin1(text), parent);
    heading->setGeometry(column.x, rowTop - 22, column.width, 18);
    heading->setAlignment(alignment | Qt::AlignBottom);
    makeBold(heading);
}

Chart* makeChart(QWidget* parent, const char* name, const Column& column) {
    auto* chart = new Chart(parent);
    chart->setObjectName(QString::fromLatin1(name));
    setUpAttributeChart(chart->model());
    chart->model().background.color = 0x8000000F; // the page's own face colour
    alignBarsWithRows(*chart, column.x, column.width, rowTop, rowHeight, 4);
    return chart;
}

} // namespace

AttributePage::AttributePage(const DriveStatistics& stats, QWidget* parent)
    : QWidget(parent), m_hiddenCount(makeFigure(this, "lblNHidden", countColumn, 0)),
      m_readOnlyCount(makeFigure(this, "lblNReadOnly", countColumn, 1)),
      m_systemCount(makeFigure(this, "lblNSystem", countColumn, 2)),
      m_archiveCount(makeFigure(this, "lblNArchive", countColumn, 3)),
      m_hiddenBytes(makeFigure(this, "lblSzHidden", bytesColumn, 0)),
      m_readOnlyBytes(makeFigure(this, "lblSzReadOnly", bytesColumn, 1)),
      m_systemBytes(makeFigure(this, "lblSzSystem", bytesColumn, 2)),
      m_archiveBytes(makeFigure(this, "lblSzArchive", bytesColumn, 3)),
      m_countSharesChart(makeChart(this, "Chart2", countChartColumn)),
      m_byteSharesChart(makeChart(this, "Chart3", bytesChartColumn)),
      m_note(new QLabel(QStringLiteral("Note it is possible that some files may have more than "
                                       "one attribute set.  For example many system files are "
                                       "also hidden."),
                        this)),
      m_stats(stats) {
    setObjectName(QStringLiteral("AttributePage"));
    const std::array<const char*, 4> captions = {"Hidden", "Read-only", "System", "Archive"};
    for (int row = 0; row < 4; ++row)
        makeBold(makeLabel(this, "", captions[static_cast<std::size_t>(row)], captionColumn, row,
                           Qt::AlignLeft));
    makeHeading(this, "% of total # files", countChartColumn, Qt::AlignHCenter);
    makeHeading(this, "# Files", countColumn, Qt::AlignRight);
    makeHeading(this, "% of total size", bytesChartColumn, Qt::AlignHCenter);
    makeHeading(this, "File Sizes", bytesColumn, Qt::AlignRight);

    m_note->setObjectName(QStringLiteral("lblNote"));
    m_note->setWordWrap(true);
    m_note->setGeometry(captionColumn.x, rowTop + 4 * rowHeight + 24, 590, 36);
}

ChartSeries& AttributePage::countShares() {
    return m_countSharesChart->model().series(0);
}

ChartSeries& AttributePage::byteShares() {
    return m_byteSharesChart->model().series(0);
}

void AttributePage::doFileAttrs() {
    const AttributeFigures figures = attributeFigures(m_stats);
    const std::array<QLabel*, 4> counts = {m_hiddenCount, m_readOnlyCount, m_systemCount,
                                           m_archiveCount};
    const std::array<QLabel*, 4> sizes = {m_hiddenBytes, m_readOnlyBytes, m_systemBytes,
                                          m_archiveBytes};
    for (std::size_t i = 0; i < counts.size(); ++i) {
        counts[i]->setText(QString::fromLocal8Bit(figures.counts[i]));
        sizes[i]->setText(QString::fromLocal8Bit(figures.sizes[i]));
    }
    fillAttributeCharts(m_countSharesChart->model(), m_byteSharesChart->model(), m_stats);
}
