#include "platform/temp_folder.h"
#include "ui/grid_printer.h"
#include "ui/string_grid.h"
#include "ui/window_image_printer.h"

#include <QLabel>
#include <QPdfWriter>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

// Pages of a PDF, counted from its page objects.
int pdfPages(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    const std::string text = bytes.str();
    int pages = 0;
    for (std::size_t at = text.find("/Type /Page"); at != std::string::npos;
         at = text.find("/Type /Page", at + 1))
        if (text.compare(at, 12, "/Type /Pages") != 0)
            ++pages;
    return pages;
}

int printRows(int rows, const std::string& path) {
    StringGrid grid;
    grid.model().setColumnCount(5);
    grid.model().setRowCount(rows);
    grid.setColumnWidths({80, 219, 120, 75, 82});
    grid.setFooterRow(true);
    for (int row = 0; row < rows; ++row)
        grid.model().setRow(row, {"*.x" + std::to_string(row), "Type", "1,024", "1", "1,024"});
    GridPrinter printer;
    printer.setTitle("File types for drive c: [work]");
    QPdfWriter writer(QString::fromStdString(path));
    writer.setResolution(300);
    writer.setPageSize(QPageSize(QPageSize::A4));
    return printer.print(grid, writer);
}

} // namespace

TEST(GridPrinter, LongTablesRunOverSeveralPagesAndShortOnesFitOne) {
    tally_test::TempFolder temp;
    const std::string shortPdf = temp.path() + "/short.pdf";
    const std::string longPdf = temp.path() + "/long.pdf";

    EXPECT_EQ(printRows(20, shortPdf), 1);
    EXPECT_EQ(pdfPages(shortPdf), 1);

    const int pages = printRows(400, longPdf);
    EXPECT_GE(pages, 4);
    EXPECT_LE(pages, 12);
    EXPECT_EQ(pdfPages(longPdf), pages);

    // Twice the rows take about twice the pages: rows are not lost or repeated.
    const int more = printRows(800, temp.path() + "/longer.pdf");
    EXPECT_GE(more, 2 * pages - 1);
    EXPECT_LE(more, 2 * pages);
}

TEST(GridPrinter, PrintsRealTextNotAPicture) {
    tally_test::TempFolder temp;
    const std::string path = temp.path() + "/text.pdf";
    printRows(5, path);
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    EXPECT_NE(bytes.str().find("/FontFile"), std::string::npos) << "an embedded font";
    EXPECT_EQ(bytes.str().find("/Subtype /Image"), std::string::npos);
}

TEST(WindowImagePrinter, PrintsTheWindowAsOnePicture) {
    tally_test::TempFolder temp;
    const std::string path = temp.path() + "/window.pdf";
    QLabel window("Statistics haven't been collected yet!");
    window.resize(632, 431);
    {
        QPdfWriter writer(QString::fromStdString(path));
        writer.setResolution(300);
        ASSERT_TRUE(printWindowImage(window, writer));
    }
    EXPECT_EQ(pdfPages(path), 1);
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    EXPECT_NE(bytes.str().find("/Subtype /Image"), std::string::npos);
}
