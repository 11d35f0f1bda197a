// The Types page filled from a hand-built type table: views, the sort menu's check marks, the
// totals, the pie on the shared timer.
#include "types/types_page.h"

#include "collect/drive_statistics.h"
#include "platform/locale_settings.h"
#include "space/bar_palette.h"
#include "types/selection_filter.h"
#include "ui/chart.h"
#include "ui/menu_button.h"
#include "ui/named_child.h"
#include "ui/string_grid.h"

#include <QAction>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

class TypesPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform::setCurrentLocale(platform::Locale{});
        QObject::connect(
            &page, &TypesPage::pieTimerEnabled, [this](bool on) { timerRequests.push_back(on); });
        QObject::connect(&page, &TypesPage::pieTimerToggled, [this] { ++toggles; });
    }

    // Extensions no type database knows: descriptions are "ZQA File" and so on.
    void add(const std::string& extension, int files, std::int64_t bytesEach) {
        for (int i = 0; i < files; ++i)
            stats.fileTypes.insertType(extension, bytesEach, false);
    }

    void addFour() {
        add(".ZQA", 1, 500);  // 500 bytes, 1 file
        add(".ZQB", 3, 1000); // 3,000 bytes, 3 files
        add(".ZQC", 2, 4000); // 8,000 bytes, 2 files
        add(".ZQD", 5, 10);   // 50 bytes, 5 files
    }

    [[nodiscard]] std::vector<std::string> extensions() const {
        std::vector<std::string> cells;
        const TextGrid& grid = page.gridTypes().model();
        for (int row = 1; row <= grid.rowCount() - 2; ++row)
            cells.push_back(grid.cell(0, row));
        return cells;
    }

    [[nodiscard]] std::vector<bool> checks() const {
        std::vector<bool> marks;
        for (int item = 0; item < 5; ++item)
            marks.push_back(page.sortItem(static_cast<TypesSortItem>(item))->isChecked());
        return marks;
    }

    [[nodiscard]] QRadioButton* viewButton(TypesView view) const {
        return tally_test::namedChild<QGroupBox>(page, "rgTypes")
            ->findChild<QRadioButton*>(QStringLiteral("rgTypes%1").arg(static_cast<int>(view)));
    }

    DriveStatistics stats;
    SelectionFilter selection;
    BarPalette palette;
    TypesPage page{stats, selection, palette};
    std::vector<bool> timerRequests;
    int toggles = 0;
};

const std::vector<bool> extensionChecked{true, false, false, false, false};

} // namespace

TEST_F(TypesPageTest, StartsOnThePieBySizeWithTheSortButtonHidden) {
    EXPECT_EQ(page.typesView(), TypesView::PieBySize);
    EXPECT_TRUE(tally_test::namedChild<MenuButton>(page, "btSort")->isHidden());
    EXPECT_EQ(tally_test::namedChild<MenuButton>(page, "btSort")->text(), "&Sort");
    EXPECT_EQ(checks(), extensionChecked);
    const QList<QRadioButton*> items =
        tally_test::namedChild<QGroupBox>(page, "rgTypes")->findChildren<QRadioButton*>();
    ASSERT_EQ(items.size(), 4);
    EXPECT_EQ(viewButton(TypesView::PieByNumFiles)->text(), "Pie by # Files");
    EXPECT_EQ(tally_test::namedChild<QAction>(page, "SortbyAverageFileSize1")->text(),
              "Sort by &Average File Size");
    EXPECT_EQ(tally_test::namedChild<QMenu>(page, "PopupMenu1")->actions().size(), 5);
    EXPECT_EQ(page.gridTypes().columnWidths(), (std::vector<int>{80, 219, 120, 75, 82}));
    EXPECT_TRUE(page.gridTypes().hasFooterRow());
    EXPECT_EQ(page.gridTypes().model().cell(4, 0), "Avg File Size");
    EXPECT_EQ(tally_test::namedChild<QScrollBar>(page, "ScrollBar2")->minimum(), 0);
    EXPECT_EQ(tally_test::namedChild<QScrollBar>(page, "ScrollBar2")->maximum(), 360);
    EXPECT_EQ(tally_test::namedChild<Chart>(page, "chartPie")->model().hint,
              "Click on pie to toggle animation");
}

TEST_F(TypesPageTest, PieViewsSortTheGridAndMoveTheCheckMark) {
    addFour();
    page.doFileTypes();
    EXPECT_EQ(extensions(), (std::vector<std::string>{".ZQC", ".ZQB", ".ZQA", ".ZQD"}));
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, true, false, false}));
    EXPECT_FALSE(tally_test::namedChild<Chart>(page, "chartPie")->isHidden());
    EXPECT_TRUE(page.gridTypes().isHidden());
    EXPECT_EQ(timerRequests, std::vector<bool>{true});
    ASSERT_EQ(page.pieSeries().count(), 4);
    EXPECT_EQ(page.pieSeries().points()[0].label, "ZQC File");
    EXPECT_EQ(page.pieSeries().points()[0].color, clRed);
    // The totals row is written only for the listing.
    EXPECT_EQ(page.gridTypes().model().cell(1, 5), "");

    viewButton(TypesView::PieByNumFiles)->click();
    EXPECT_EQ(extensions(), (std::vector<std::string>{".ZQD", ".ZQB", ".ZQC", ".ZQA"}));
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, false, true, false}));
    EXPECT_DOUBLE_EQ(page.pieSeries().value(0), 5);

    // The listing keeps the pie's order and check mark and adds the totals.
    viewButton(TypesView::Listing)->click();
    EXPECT_FALSE(tally_test::namedChild<MenuButton>(page, "btSort")->isHidden());
    EXPECT_FALSE(page.gridTypes().isHidden());
    EXPECT_TRUE(tally_test::namedChild<Chart>(page, "chartPie")->isHidden());
    EXPECT_EQ(timerRequests, (std::vector<bool>{true, true, false}));
    EXPECT_EQ(extensions(), (std::vector<std::string>{".ZQD", ".ZQB", ".ZQC", ".ZQA"}));
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, false, true, false}));
    EXPECT_EQ(page.gridTypes().model().row(5),
              (std::vector<std::string>{"", "Totals", "11,550", "11", ""}));
}

TEST_F(TypesPageTest, MenuItemsSortAndCheckThemselves) {
    addFour();
    page.setTypesView(TypesView::Listing);
    page.doFileTypes();
    tally_test::namedChild<QAction>(page, "SortbyAverageFileSize1")->trigger();
    EXPECT_EQ(extensions(), (std::vector<std::string>{".ZQC", ".ZQB", ".ZQA", ".ZQD"}));
    EXPECT_EQ(checks(), (std::vector<bool>{false, false, false, false, true}));
    tally_test::namedChild<QAction>(page, "SortbyExtension")->trigger();
    EXPECT_EQ(extensions(), (std::vector<std::string>{".ZQA", ".ZQB", ".ZQC", ".ZQD"}));
    EXPECT_EQ(checks(), extensionChecked);
    // Clicking the item that is already checked keeps its mark.
    tally_test::namedChild<QAction>(page, "SortbyExtension")->trigger();
    EXPECT_EQ(checks(), extensionChecked);
}

TEST_F(TypesPageTest, WithOneTypeTheSortMenuDoesNothingAtAll) {
    add(".ZQA", 2, 10);
    page.doFileTypes(); // the pie by size cannot sort one row: the mark stays on Extension
    EXPECT_EQ(page.gridTypes().model().rowCount(), 3);
    EXPECT_EQ(checks(), extensionChecked);
    EXPECT_EQ(page.pieSeries().count(), 1);
    tally_test::namedChild<QAction>(page, "SortbySize")->trigger();
    EXPECT_EQ(checks(), extensionChecked);
    page.sortBy(TypesSortItem::SortbyNumFiles);
    EXPECT_EQ(checks(), extensionChecked);
}

TEST_F(TypesPageTest, ARunWithoutFilesShowsZeroTotalsAndAnEmptyPie) {
    page.doFileTypes();
    EXPECT_EQ(page.gridTypes().model().rowCount(), 2);
    EXPECT_EQ(page.pieSeries().count(), 0);
    viewButton(TypesView::Listing)->click();
    EXPECT_EQ(page.gridTypes().model().row(1),
              (std::vector<std::string>{"", "Totals", "0", "0", ""}));
}

TEST_F(TypesPageTest, ChosenTypesOfAnIncludeRunGetRowsWithoutFiles) {
    selection.includeTypes = true;
    selection.setTypeEntries({"*.zqe\tChosen", "*.zqa\tAlso chosen"});
    add(".ZQA", 1, 100);
    page.setTypesView(TypesView::Listing);
    page.doFileTypes();
    EXPECT_EQ(stats.fileTypes.size(), 2);
    EXPECT_EQ(page.gridTypes().model().row(2),
              (std::vector<std::string>{".ZQE", "ZQE File", "0", "0", "0"}));
    viewButton(TypesView::PieBySize)->click();
    EXPECT_EQ(page.pieSeries().count(), 1);
}

TEST_F(TypesPageTest, ThePieTurnsOnTicksFromWhereverTheScrollBarLeftIt) {
    addFour();
    page.doFileTypes();
    page.pieTick();
    EXPECT_EQ(page.pieSeries().pie.rotationAngle, 1);
    EXPECT_EQ(tally_test::namedChild<QScrollBar>(page, "ScrollBar2")->value(), 1);
    tally_test::namedChild<QScrollBar>(page, "ScrollBar2")->setValue(359);
    EXPECT_EQ(page.pieSeries().pie.rotationAngle, 359);
    page.pieTick();
    EXPECT_EQ(page.pieSeries().pie.rotationAngle, 0);
    EXPECT_EQ(tally_test::namedChild<QScrollBar>(page, "ScrollBar2")->value(), 0);

    viewButton(TypesView::Listing)->click();
    page.pieTick();
    EXPECT_EQ(page.pieSeries().pie.rotationAngle, 0);
}

TEST_F(TypesPageTest, ClickingThePieTogglesTheSharedTimer) {
    emit tally_test::namedChild<Chart>(page, "chartPie")->clicked();
    emit tally_test::namedChild<Chart>(page, "chartPie")->clicked();
    EXPECT_EQ(toggles, 2);
}

TEST_F(TypesPageTest, FiguresAreRightAlignedFromTheSizeColumnOn) {
    EXPECT_EQ(TypesPage::columnAlignment(0), Qt::AlignLeft);
    EXPECT_EQ(TypesPage::columnAlignment(1), Qt::AlignLeft);
    for (int column = 2; column < 5; ++column)
        EXPECT_EQ(page.gridTypes().alignment(column, 3), Qt::AlignRight) << column;
    EXPECT_EQ(page.gridTypes().alignment(1, 0), Qt::AlignLeft);
}
