#include "space/overhang_page.h"

#include "collect/drive_statistics.h"
#include "space/bar_rows.h"
#include "space/cluster_arrow.h"
#include "space/overhang_fill.h"
#include "ui/chart.h"
#include "ui/font_twins.h"
#include "ui/raised_panel.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace {

// The notebook's page area the page is laid out in.
constexpr int pageWidth = 628;
constexpr int pageHeight = 358;

// The table: five rows of 24 pixels under the headings.
constexpr int rowTop = 56;
constexpr int rowHeight = 24;
constexpr int tableBottom = rowTop + 5 * rowHeight;

struct Column {
    int x;
    int width;
};
constexpr Column fatColumn{14, 122};
constexpr Column fat32Column{140, 100};
constexpr Column arrowColumn{242, clusterArrowWidth};
constexpr Column clusterColumn{288, 74};
constexpr Column chartColumn{366, 160};
constexpr Column wastedColumn{528, 88};

constexpr std::array<const char*, 5> fatSizes = {"255 MB", "256 MB - 511 MB", "512 MB - 1023 MB",
                                                 "1 GB - 2 GB", "2 GB - 4 GB"};
constexpr std::array<const char*, 5> fat32Sizes = {"Less than 8GB", "Less than 16GB",
                                                   "Less than 32GB", "32GB or more", ""};
constexpr std::array<const char*, 5> clusterCaptions = {"4K", "8K", "16K", "32K", "64K"};

constexpr std::array<const char*, 9> memoLines = {
    "This page is an illustration of the amount of disk space wasted due to 'cluster "
    "overhang.'  This is the smallest amount of space ",
    "a file will actually use.   The arrow points to your actual cluster size, the other "
    "numbers are hypothetical.",
    "",
    "Due to the design of both Windows 95 and DOS the hard disk is divided into clusters.  "
    "Files are stored in clusters. A file of ",
    "one byte will take an entire cluster and a file that's one byte larger than a cluster "
    "will take two clusters.  The larger the ",
    "partition, the more overhang or waste is involved.",
    "",
    "Solutions are to either repartition your hard disk or use disk compression.  Later "
    "versions of Win95 come with FAT32 which ",
    "uses 4K cluster sizes for drives up to 8GB in size and 8K clusters for up to 16GB."};

QLabel* makeLabel(QWidget* parent, const char* text, const QRect& geometry,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    return label;
}

QLabel* makeHeading(QWidget* parent, const char* text, const Column& column,
                    Qt::Alignment alignment) {
    QLabel* heading = makeLabel(parent, text, QRect(column.x, rowTop - 20, column.width, 16),
                                alignment | Qt::AlignBottom);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    return heading;
}

QRect cell(const Column& column, int row) {
    return {column.x, rowTop + row * rowHeight, column.width, rowHeight};
}

QString memoText() {
    QStringList lines;
    for (const char* line : memoLines)
        lines << QString::fromLatin1(line);
    return lines.join(QLatin1Char('\n'));
}

} // namespace

OverhangPage::OverhangPage(const DriveStatistics& stats, QWidget* parent)
    : QWidget(parent), m_title(makeLabel(this, "Cluster overhang for FAT and FAT32 drives",
                                         QRect(0, 6, pageWidth, 22), Qt::AlignCenter)),
      m_clusterSizes{}, m_wastedSpaces{}, m_arrow(new QLabel(this)),
      m_chartOverhang(new Chart(this)), m_totalsPanel(new RaisedPanel(this)),
      m_fileCount(makeLabel(m_totalsPanel, "", QRect(8, 2, 200, 20))),
      m_totalSize(makeLabel(m_totalsPanel, "", QRect(306, 2, 104, 20))),
      m_actualSpace(makeLabel(m_totalsPanel, "Actual space used:", QRect(416, 2, 188, 20),
                              Qt::AlignRight | Qt::AlignVCenter)),
      m_explanation(new QPlainTextEdit(this)),
      m_notApplicable(makeLabel(this, "Cluster overhang analysis is not applicable to this drive.",
                                QRect(0, 0, pageWidth, pageHeight), Qt::AlignCenter)),
      m_stats(stats) {
    setObjectName(QStringLiteral("OverhangPage"));

    m_title->setObjectName(QStringLiteral("lblTitle"));
    m_title->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    m_title->setStyleSheet(QStringLiteral("color: navy;"));

    makeHeading(this, "FAT Partion size", fatColumn, Qt::AlignLeft);
    makeHeading(this, "FAT 32 Size", fat32Column, Qt::AlignLeft);
    makeHeading(this, "Cluster size", clusterColumn, Qt::AlignLeft);
    makeHeading(this, "Percent wasted", chartColumn, Qt::AlignHCenter);
    makeHeading(this, "Wasted space", wastedColumn, Qt::AlignRight);
    for (int row = 0; row < 5; ++row) {
        const auto i = static_cast<std::size_t>(row);
        makeLabel(this, fatSizes[i], cell(fatColumn, row));
        makeLabel(this, fat32Sizes[i], cell(fat32Column, row));
        m_clusterSizes[i] = makeLabel(this, clusterCaptions[i], cell(clusterColumn, row));
        m_clusterSizes[i]->setObjectName(QStringLiteral("lblCSize%1").arg(row + 1));
        m_wastedSpaces[i] =
            makeLabel(this, "", cell(wastedColumn, row), Qt::AlignRight | Qt::AlignVCenter);
        m_wastedSpaces[i]->setObjectName(QStringLiteral("lblOver%1").arg(row + 1));
    }

    m_arrow->setObjectName(QStringLiteral("imArrow"));
    m_arrow->setPixmap(clusterArrowPicture(rowHeight / 2));
    m_arrow->setGeometry(arrowColumn.x, rowTop, clusterArrowWidth, clusterArrowHeight);
    m_arrow->hide();

    m_chartOverhang->setObjectName(QStringLiteral("chartOverhang"));
    setUpOverhangChart(m_chartOverhang->model());
    m_chartOverhang->model().background.color = 0x8000000F; // the page's own face colour
    alignBarsWithRows(*m_chartOverhang, chartColumn.x, chartColumn.width, rowTop, rowHeight, 5);

    m_totalsPanel->setObjectName(QStringLiteral("pnlOverhang"));
    m_totalsPanel->setBevels(RaisedPanel::Bevel::lowered, RaisedPanel::Bevel::none, 1);
    m_totalsPanel->setGeometry(8, tableBottom + 8, 612, 24);
    m_fileCount->setObjectName(QStringLiteral("lblNumFiles"));
    makeLabel(m_totalsPanel, "Total file sizes:", QRect(214, 2, 90, 20));
    m_totalSize->setObjectName(QStringLiteral("lblSize"));
    m_actualSpace->setObjectName(QStringLiteral("lblLbl"));
    m_totalsPanel->hide();

    m_explanation->setObjectName(QStringLiteral("Memo1"));
    m_explanation->setReadOnly(true);
    m_explanation->setFrameShape(QFrame::NoFrame);
    m_explanation->setGeometry(4, tableBottom + 40, pageWidth - 8, pageHeight - tableBottom - 42);
    m_explanation->document()->setDocumentMargin(2);
    m_explanation->setPlainText(memoText());
    m_explanation->viewport()->setAutoFillBackground(false);
    m_explanation->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_explanation->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_notApplicable->setObjectName(QStringLiteral("pnlCluster"));
    m_notApplicable->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    m_notApplicable->setAutoFillBackground(true);
    m_notApplicable->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_notApplicable->setLineWidth(2);
    m_notApplicable->hide();
}

ChartSeries& OverhangPage::wasteSeries() {
    return m_chartOverhang->model().series(0);
}

void OverhangPage::drawClusterArrow() {
    m_arrow->hide();
    const int row = clusterArrowRow(m_stats.clusterSize);
    if (row != 0) {
        m_arrow->move(m_arrow->x(), m_clusterSizes[static_cast<std::size_t>(row - 1)]->y());
        m_arrow->show();
        m_arrow->raise();
    }
    m_notApplicable->setVisible(m_arrow->isHidden());
    m_notApplicable->raise();
}

void OverhangPage::doOverHang() {
    if (!(overhangTotalBytes(m_stats) > 0)) {
        emit overhangPageDisabled();
        return;
    }
    const OverhangFigures figures = overhangFigures(m_stats);
    for (std::size_t i = 0; i < m_wastedSpaces.size(); ++i)
        m_wastedSpaces[i]->setText(QString::fromLocal8Bit(figures.wasted[i]));
    drawClusterArrow();
    m_totalsPanel->show();
    m_totalSize->setText(QString::fromLocal8Bit(figures.totalSize));
    m_fileCount->setText(QString::fromLocal8Bit(figures.numFiles));
    if (figures.actualSpace)
        m_actualSpace->setText(QString::fromLocal8Bit(*figures.actualSpace));
    fillOverhangChart(m_chartOverhang->model(), m_stats);
}
