// Printing the statistics window's pages into PDF files through replaced print hooks: which way
// each page prints, the Types listing's title and pages, the window image on white, and the
// colours afterwards. The PDFs are turned into PNG pictures for review.
#include "collect/fake_drives.h"
#include "collect/page_printing.h"
#include "collect/statistics_window.h"
#include "collect/wizard_answers.h"
#include "space/sizes_page.h"
#include "space/space_page.h"
#include "types/types_page.h"
#include "ui/chart.h"
#include "ui/chart_previewer.h"
#include "ui/named_child.h"
#include "ui/notebook.h"
#include "ui/string_grid.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QString runTool(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pdfPages(const QString& pdf) {
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    for (const QString& line : info.split('\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// Keeps a picture of the PDF's first page for review when the shots folder exists.
// With TALLY_PAGE_PICTURES naming a folder, the first printed page is kept there as a PNG.
void keepPicture(const QString& pdf, const QString& name) {
    if (const char* folder = std::getenv("TALLY_PAGE_PICTURES"))
        runTool(QStringLiteral("pdftoppm"),
                {"-png", "-r", "50", "-f", "1", "-l", "1", "-singlefile", pdf,
                 QDir(QString::fromLocal8Bit(folder)).filePath(name)});
}

class PagePrintingTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        // Enough types for a listing of several pages.
        for (int i = 0; i < 90; ++i)
            drives.addFile("c", "f" + std::to_string(i) + ".x" + std::to_string(i), 10 + i);
        drives.enter('c');
        window = std::make_unique<StatisticsWindow>();
        window->setWizardRunner([](QWidget*) { return tally_test::allFilesOn({"c: [work]"}); });
        saved = printHooks();
        printHooks().printDialog = [this](QPrinter& printer, QWidget*) {
            ++dialogs;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return confirm;
        };
        printHooks().previewChart = [this](Chart& chart, QWidget*) {
            previewed.push_back(chart.objectName());
            QPrinter printer(QPrinter::HighResolution);
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printChart(chart, printer);
        };
        QFile::remove(pdf);
    }
    void TearDown() override { printHooks() = saved; }

    void showPage(int index) {
        tally_test::namedChild<Notebook>(window, "OvcNotebook1")->setCurrentIndex(index);
        window->onPageChanged(index);
    }

    // The Types page with its listing in view.
    void showTypesListing() {
        showPage(StatisticsWindow::pageTypes);
        tally_test::namedChild<QRadioButton>(
            *window->pageAt<TypesPage>(StatisticsWindow::pageTypes), "rgTypes0")
            ->click();
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<StatisticsWindow> window;
    PrintHooks saved;
    QString pdf = QString::fromStdString(drives.folder("print.pdf"));
    bool confirm = true;
    int dialogs = 0;
    QStringList previewed;
};

} // namespace

TEST_F(PagePrintingTest, ChartsOnViewGoToThePreview) {
    window->collectStatistics();
    showPage(StatisticsWindow::pageTypes);
    tally_test::namedChild<QPushButton>(window, "btPrint")->click();
    EXPECT_EQ(previewed, QStringList{"chartPie"});
    EXPECT_EQ(dialogs, 0);
    keepPicture(pdf, QStringLiteral("print_types_pie"));

    showPage(StatisticsWindow::pageSizes);
    window->printCurrentPage();
    EXPECT_EQ(previewed, (QStringList{"chartPie", "Chart1"}));
    EXPECT_EQ(dialogs, 0);
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(PagePrintingTest, DatePagesPreviewTheirChartsAndPrintTheirListingsAsAnImage) {
    window->collectStatistics();
    for (const int index : {StatisticsWindow::pageAccess, StatisticsWindow::pageCreated,
                            StatisticsWindow::pageModified, StatisticsWindow::pageCombined,
                            StatisticsWindow::pageTime}) {
        showPage(index);
        window->printCurrentPage();
    }
    EXPECT_EQ(previewed,
              (QStringList{"chartAccess", "chartCreate", "chartModify", "chartCombine", "Chart4"}));
    EXPECT_EQ(dialogs, 0);
    keepPicture(pdf, QStringLiteral("print_time_chart"));

    showPage(StatisticsWindow::pageAccess);
    window->findChild<QRadioButton*>(QStringLiteral("rgAccess0"))->click();
    window->printCurrentPage();
    EXPECT_EQ(previewed.size(), 5) << "the listing is not a chart";
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(pdfPages(pdf), 1);
}

TEST_F(PagePrintingTest, TypesListingPrintsWithItsTitleOnSeveralPages) {
    window->collectStatistics();
    showTypesListing();
    window->printCurrentPage();
    EXPECT_TRUE(previewed.isEmpty());
    EXPECT_EQ(dialogs, 1);
    EXPECT_GE(pdfPages(pdf), 2);
    const QString text = runTool(QStringLiteral("pdftotext"), {pdf, "-"});
    EXPECT_TRUE(text.contains(QStringLiteral("File types for drive c: [work]")))
        << text.left(300).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Page 2")));
    keepPicture(pdf, QStringLiteral("print_types_listing"));
}

TEST_F(PagePrintingTest, WindowImagePrintsOnWhiteAndTheColoursComeBack) {
    window->collectStatistics();
    showPage(StatisticsWindow::pageSizes);
    tally_test::namedChild<QRadioButton>(*window->pageAt<SizesPage>(StatisticsWindow::pageSizes),
                                         "rgSize0")
        ->click();
    StringGrid& grid = *tally_test::namedChild<StringGrid>(
        *window->pageAt<SizesPage>(StatisticsWindow::pageSizes), "gridSizes");
    const QColor gridColor = grid.color();
    const QColor fixedColor = grid.fixedColor();
    const QPalette windowPalette = window->palette();
    const ColorRef chartColor =
        tally_test::namedChild<Chart>(*window->pageAt<SizesPage>(StatisticsWindow::pageSizes),
                                      "Chart1")
            ->model()
            .background.color;

    window->printCurrentPage();
    EXPECT_EQ(dialogs, 1);
    ASSERT_EQ(pdfPages(pdf), 1);
    EXPECT_EQ(grid.color(), gridColor);
    EXPECT_EQ(grid.fixedColor(), fixedColor);
    EXPECT_EQ(window->palette(), windowPalette);
    EXPECT_EQ(tally_test::namedChild<Chart>(*window->pageAt<SizesPage>(StatisticsWindow::pageSizes),
                                            "Chart1")
                  ->model()
                  .background.color,
              chartColor);

    // The picture: the page area left of the grid, the window's own background, printed white
    // (the screen's button face is a light grey, well below 250).
    const QString png = QString::fromStdString(drives.folder("sizes"));
    runTool(QStringLiteral("pdftoppm"),
            {"-png", "-r", "50", "-f", "1", "-l", "1", "-singlefile", pdf, png});
    const QImage image(png + ".png");
    ASSERT_FALSE(image.isNull());
    const QColor beside = image.pixelColor(image.width() * 55 / 408, image.height() * 120 / 577);
    EXPECT_GE(std::min({beside.red(), beside.green(), beside.blue()}), 250)
        << beside.name().toStdString();
    keepPicture(pdf, QStringLiteral("print_sizes_window"));
}

TEST_F(PagePrintingTest, CancelledDialogPrintsNothingAndChangesNothing) {
    confirm = false;
    showPage(StatisticsWindow::pageSpace);
    const QPalette windowPalette = window->palette();
    window->printCurrentPage();
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(QFile::exists(pdf));
    EXPECT_EQ(window->palette(), windowPalette);

    showTypesListing();
    window->printCurrentPage();
    EXPECT_EQ(dialogs, 2);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PagePrintingTest, SpacePagePrintsAsAWindowImageInBothModes) {
    showPage(StatisticsWindow::pageSpace);
    window->printCurrentPage();
    EXPECT_EQ(pdfPages(pdf), 1);
    keepPicture(pdf, QStringLiteral("print_space_bars"));
    tally_test::namedChild<QRadioButton>(*window->pageAt<SpacePage>(StatisticsWindow::pageSpace),
                                         "rgSpace1")
        ->click();
    window->printCurrentPage();
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(previewed.isEmpty());
    keepPicture(pdf, QStringLiteral("print_space_pies"));
}
