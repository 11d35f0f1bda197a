// The Sizes, Overhang and Attribute pages filled from hand-built accumulators: what their
// widgets show, and that the radio buttons redraw from the accumulators alone.
#include "collect/drive_statistics.h"
#include "space/attribute_page.h"
#include "space/bar_palette.h"
#include "space/bar_rows.h"
#include "space/overhang_page.h"
#include "space/page_samples.h"
#include "space/sizes_page.h"
#include "ui/chart.h"
#include "ui/named_child.h"
#include "ui/raised_panel.h"
#include "ui/string_grid.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

std::string text(const QLabel* label) {
    return label->text().toStdString();
}

class SizesPageTest : public ::testing::Test {
protected:
    void SetUp() override { page_samples::useEnglishLocale(); }

    DriveStatistics stats = page_samples::sizedRun();
    BarPalette palette;
    SizesPage page{stats, palette};
};

} // namespace

TEST_F(SizesPageTest, StartsOnTheChartByMegabytesWithTheListingLaidOut) {
    EXPECT_TRUE(tally_test::namedChild<QRadioButton>(page, "rgSize1")->isChecked());
    EXPECT_EQ(tally_test::namedChild<QRadioButton>(page, "rgSize0")->text(), "Listing");
    EXPECT_EQ(tally_test::namedChild<QRadioButton>(page, "rgSize1")->text(),
              "Chart by Size (in MB)");
    EXPECT_EQ(tally_test::namedChild<QRadioButton>(page, "rgSize2")->text(),
              "Chart by Number of Files");
    EXPECT_EQ(tally_test::namedChild<QRadioButton>(page, "rgSize0")->objectName(), "rgSize0");
    EXPECT_EQ(tally_test::namedChild<StringGrid>(page, "gridSizes")->columnWidths(),
              (std::vector<int>{194, 189, 140}));
    EXPECT_EQ(tally_test::namedChild<StringGrid>(page, "gridSizes")->model().rowCount(), 13);
    EXPECT_FALSE(tally_test::namedChild<StringGrid>(page, "gridSizes")->isEnabled());
}

TEST_F(SizesPageTest, ListingShowsTheGridWithNoRowSelected) {
    tally_test::namedChild<QRadioButton>(page, "rgSize0")->setChecked(true);
    page.doFileSizes();
    EXPECT_FALSE(tally_test::namedChild<StringGrid>(page, "gridSizes")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<Chart>(page, "Chart1")->isHidden());
    EXPECT_EQ(tally_test::namedChild<StringGrid>(page, "gridSizes")->selectedRow(), 20);
    EXPECT_EQ(tally_test::namedChild<StringGrid>(page, "gridSizes")->model().cell(0, 1),
              "Over 16MB");
    EXPECT_EQ(tally_test::namedChild<StringGrid>(page, "gridSizes")->model().cell(2, 12), "13");
}

TEST_F(SizesPageTest, RadioButtonsRedrawTheChartFromTheAccumulators) {
    page.doFileSizes();
    EXPECT_TRUE(tally_test::namedChild<StringGrid>(page, "gridSizes")->isHidden());
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().title.lines,
              std::vector<std::string>{"File Sizes in MB"});

    // The accumulators change (as after the next drive); a click redraws without a fill.
    stats.sizeClassCount[5] = 999;
    tally_test::namedChild<Chart>(page, "Chart1")->model().zoom({0, 2, 0, 5});
    tally_test::namedChild<QRadioButton>(page, "rgSize2")->click();
    EXPECT_FALSE(tally_test::namedChild<Chart>(page, "Chart1")->isHidden());
    EXPECT_FALSE(tally_test::namedChild<Chart>(page, "Chart1")->model().zoomed());
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().title.lines,
              std::vector<std::string>{"Number of Files"});
    ASSERT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().series(0).count(), 12);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().series(0).value(4), 999);

    tally_test::namedChild<QRadioButton>(page, "rgSize0")->click();
    EXPECT_FALSE(tally_test::namedChild<StringGrid>(page, "gridSizes")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<Chart>(page, "Chart1")->isHidden());
    tally_test::namedChild<QRadioButton>(page, "rgSize1")->click();
    ASSERT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().series(0).count(), 12);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().series(0).points()[0].color,
              clRed);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "Chart1")->model().series(0).points()[11].color,
              clGray);
}

TEST(OverhangPageTest, FixedTextsOfThePage) {
    DriveStatistics stats;
    OverhangPage page(stats);
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblTitle")),
              "Cluster overhang for FAT and FAT32 drives");
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "lblTitle")->font().bold());
    QStringList captions;
    for (const QLabel* label : page.findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption :
         {"FAT Partion size", "FAT 32 Size", "Cluster size", "Percent wasted", "Wasted space",
          "255 MB", "256 MB - 511 MB", "512 MB - 1023 MB", "1 GB - 2 GB", "2 GB - 4 GB",
          "Less than 8GB", "Less than 16GB", "Less than 32GB", "32GB or more", "Total file sizes:"})
        EXPECT_TRUE(captions.contains(QString::fromLatin1(caption))) << caption;
    const std::array<const char*, 5> sizes = {"4K", "8K", "16K", "32K", "64K"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(text(tally_test::namedChild<QLabel>(
                      page, ("lblCSize" + std::to_string(i + 1)).c_str())),
                  sizes[i]);
    }
    const QStringList memo = tally_test::namedChild<QPlainTextEdit>(page, "Memo1")
                                 ->toPlainText()
                                 .split(QLatin1Char('\n'));
    ASSERT_EQ(memo.size(), 9);
    EXPECT_TRUE(memo[0].endsWith(QStringLiteral("smallest amount of space ")));
    EXPECT_TRUE(memo[0].contains(QStringLiteral("'cluster overhang.'  This")));
    EXPECT_EQ(memo[1], "a file will actually use.   The arrow points to your actual cluster size, "
                       "the other numbers are hypothetical.");
    EXPECT_TRUE(memo[2].isEmpty());
    EXPECT_TRUE(memo[4].contains(QStringLiteral("that's one byte larger")));
    EXPECT_TRUE(memo[6].isEmpty());
    EXPECT_EQ(memo[8], "uses 4K cluster sizes for drives up to 8GB in size and 8K clusters for "
                       "up to 16GB.");
    EXPECT_TRUE(tally_test::namedChild<QPlainTextEdit>(page, "Memo1")->isReadOnly());
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "pnlCluster")),
              "Cluster overhang analysis is not applicable to this drive.");
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "pnlCluster")->font().bold());
    EXPECT_EQ(tally_test::namedChild<QLabel>(page, "pnlCluster")->font().pixelSize(), 16);
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "pnlCluster")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<RaisedPanel>(page, "pnlOverhang")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "imArrow")->isHidden());
}

TEST(OverhangPageTest, ArrowBesideTheDrivesClusterSizeAndTheFigures) {
    page_samples::useEnglishLocale();
    DriveStatistics stats = page_samples::sizedRun();
    stats.overhang4K = 1000;
    stats.overhang8K = 2000;
    stats.overhang16K = 1048576;
    stats.overhang32K = 8000;
    stats.overhang64K = 1234567;
    stats.filesSelected = 783;
    stats.clusterSize = 16384;
    OverhangPage page(stats);
    int disabled = 0;
    QObject::connect(&page, &OverhangPage::overhangPageDisabled, [&] { ++disabled; });
    page.doOverHang();
    EXPECT_EQ(disabled, 0);
    EXPECT_FALSE(tally_test::namedChild<QLabel>(page, "imArrow")->isHidden());
    EXPECT_EQ(tally_test::namedChild<QLabel>(page, "imArrow")->y(),
              tally_test::namedChild<QLabel>(page, "lblCSize3")->y());
    EXPECT_EQ(tally_test::namedChild<QLabel>(page, "imArrow")->pixmap().size(), QSize(41, 49));
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "pnlCluster")->isHidden());
    EXPECT_FALSE(tally_test::namedChild<RaisedPanel>(page, "pnlOverhang")->isHidden());
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblOver1")), "1,000");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblOver5")), "1,234,567");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNumFiles")),
              "Number of files scanned: 783");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblSize")),
              "6,500 MB"); // sum of c * c * 10 MB for c = 1..12
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblLbl")), "Actual space used 6,501 MB");
    ASSERT_EQ(page.wasteSeries().count(), 5);
    EXPECT_DOUBLE_EQ(page.wasteSeries().value(2), 100.0 * 1048576 / (6500.0 * 1048576 + 1048576));

    // The next run's drive has 2 KB clusters: the panel covers the page, the figures are kept
    // behind it, and the arrow leaves.
    stats.clusterSize = 2048;
    stats.overhang4K = 77;
    page.doOverHang();
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "imArrow")->isHidden());
    EXPECT_FALSE(tally_test::namedChild<QLabel>(page, "pnlCluster")->isHidden());
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblOver1")), "77");
    EXPECT_EQ(page.wasteSeries().count(), 5);

    stats.clusterSize = 65536;
    page.doOverHang();
    EXPECT_EQ(tally_test::namedChild<QLabel>(page, "imArrow")->y(),
              tally_test::namedChild<QLabel>(page, "lblCSize5")->y());
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "pnlCluster")->isHidden());
}

TEST(OverhangPageTest, FilesOfNoBytesAskForThePageToBeDisabled) {
    DriveStatistics stats;
    stats.sizeClassCount[1] = 5; // five empty files
    stats.clusterSize = 4096;
    OverhangPage page(stats);
    int disabled = 0;
    QObject::connect(&page, &OverhangPage::overhangPageDisabled, [&] { ++disabled; });
    page.doOverHang();
    EXPECT_EQ(disabled, 1);
    EXPECT_TRUE(tally_test::namedChild<RaisedPanel>(page, "pnlOverhang")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "imArrow")->isHidden());
    EXPECT_EQ(page.wasteSeries().count(), 0);
}

TEST(AttributePageTest, FiguresSharesAndTheNote) {
    page_samples::useEnglishLocale();
    DriveStatistics stats;
    stats.hiddenCount = 3;
    stats.readOnlyCount = 1;
    stats.systemCount = 0;
    stats.archiveCount = 1996;
    stats.hiddenBytes = 3000;
    stats.archiveBytes = 1234567;
    AttributePage page(stats);
    page.doFileAttrs();
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNHidden")), "3");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNReadOnly")), "1");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNSystem")), "0");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNArchive")), "1,996");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblSzHidden")), "3,000");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblSzReadOnly")), "0");
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblSzArchive")), "1,234,567");
    EXPECT_TRUE(tally_test::namedChild<QLabel>(page, "lblNArchive")->alignment() & Qt::AlignRight);
    ASSERT_EQ(page.countShares().count(), 4);
    EXPECT_DOUBLE_EQ(page.countShares().value(3), 0.15);
    EXPECT_EQ(page.countShares().markText(3), "0.15 %");
    ASSERT_EQ(page.byteShares().count(), 4);
    EXPECT_EQ(page.byteShares().points()[0].color, clBlue);
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNote")),
              "Note it is possible that some files may have more than one "
              "attribute set.  For example many system files are also hidden.");

    QStringList captions;
    for (const QLabel* label : page.findChildren<QLabel*>())
        captions << label->text();
    for (const char* caption : {"Hidden", "Read-only", "System", "Archive", "% of total # files",
                                "# Files", "% of total size", "File Sizes"})
        EXPECT_TRUE(captions.contains(QString::fromLatin1(caption))) << caption;

    // A later fill with nothing counted empties both charts.
    stats = DriveStatistics{};
    page.doFileAttrs();
    EXPECT_EQ(page.countShares().count(), 0);
    EXPECT_EQ(page.byteShares().count(), 0);
    EXPECT_EQ(text(tally_test::namedChild<QLabel>(page, "lblNArchive")), "0");
}

TEST(BarRowsTest, EachShareBarStandsLevelWithItsRow) {
    DriveStatistics stats;
    OverhangPage overhang(stats);
    AttributePage attributes(stats);
    const auto barCentre = [](const Chart& chart, int fromTop, int bars) {
        const QRectF face = plotFace(chart);
        return chart.y() + face.top() + (fromTop + 0.5) * face.height() / bars;
    };
    for (int row = 0; row < 5; ++row) {
        const QLabel* caption = tally_test::namedChild<QLabel>(
            overhang, ("lblCSize" + std::to_string(row + 1)).c_str());
        EXPECT_NEAR(barCentre(*tally_test::namedChild<Chart>(overhang, "chartOverhang"), row, 5),
                    caption->geometry().center().y(), 2.0)
            << row;
    }
    const QLabel* figures[] = {tally_test::namedChild<QLabel>(attributes, "lblNHidden"),
                               tally_test::namedChild<QLabel>(attributes, "lblNReadOnly"),
                               tally_test::namedChild<QLabel>(attributes, "lblNSystem"),
                               tally_test::namedChild<QLabel>(attributes, "lblNArchive")};
    for (int row = 0; row < 4; ++row) {
        for (const Chart* chart : {tally_test::namedChild<Chart>(attributes, "Chart2"),
                                   tally_test::namedChild<Chart>(attributes, "Chart3")})
            EXPECT_NEAR(barCentre(*chart, row, 4), figures[row]->geometry().center().y(), 2.0)
                << row;
    }
}
