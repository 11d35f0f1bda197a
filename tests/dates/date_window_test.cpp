// The date pages inside the statistics window: their tabs, a run that fills them, the window's
// switching of their buttons by name.
#include "collect/fake_drives.h"
#include "collect/statistics_window.h"
#include "collect/wizard_answers.h"
#include "dates/combined_page.h"
#include "dates/date_page.h"
#include "dates/time_page.h"
#include "ui/chart.h"
#include "ui/named_child.h"
#include "ui/notebook.h"
#include "ui/string_grid.h"

#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class DateWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        drives.addFile("c", "a.txt", 100);
        drives.addFile("c", "b.doc", 3 * 1048576);
        drives.addFile("c", "sub/c.txt", 50);
        drives.enter('c');
        window = std::make_unique<StatisticsWindow>();
        window->setWizardRunner([](QWidget*) { return tally_test::allFilesOn({"c: [work]"}); });
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<StatisticsWindow> window;
};

} // namespace

TEST_F(DateWindowTest, DatePagesTakeTheirTabsAndDisenableReachesTheirButtons) {
    EXPECT_EQ(tally_test::namedChild<Notebook>(window, "OvcNotebook1")->page(4),
              window->pageAt<DatePage>(StatisticsWindow::pageAccess));
    EXPECT_EQ(tally_test::namedChild<Notebook>(window, "OvcNotebook1")->page(6),
              window->pageAt<DatePage>(StatisticsWindow::pageModified));
    EXPECT_EQ(tally_test::namedChild<Notebook>(window, "OvcNotebook1")->page(7),
              window->pageAt<CombinedPage>(StatisticsWindow::pageCombined));
    EXPECT_EQ(tally_test::namedChild<Notebook>(window, "OvcNotebook1")->page(9),
              window->pageAt<TimePage>(StatisticsWindow::pageTime));
    window->disenable(false);
    EXPECT_FALSE(tally_test::namedChild<QRadioButton>(
                     *window->pageAt<DatePage>(StatisticsWindow::pageAccess), "rgAccess1")
                     ->isEnabled());
    EXPECT_FALSE(tally_test::namedChild<QRadioButton>(
                     *window->pageAt<DatePage>(StatisticsWindow::pageModified), "rgModify0")
                     ->isEnabled());
    EXPECT_FALSE(tally_test::namedChild<QRadioButton>(
                     *window->pageAt<CombinedPage>(StatisticsWindow::pageCombined), "rbCombine2")
                     ->isEnabled());
    window->disenable(true);
    EXPECT_TRUE(tally_test::namedChild<QRadioButton>(
                    *window->pageAt<DatePage>(StatisticsWindow::pageCreated), "rgCreate2")
                    ->isEnabled());

    // A run fills the charts through the hooks the pages set.
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    ASSERT_EQ(window->statistics().filesSelected, 3);
    EXPECT_NEAR(tally_test::namedChild<Chart>(
                    *window->pageAt<DatePage>(StatisticsWindow::pageModified), "chartModify")
                    ->model()
                    .series(0)
                    .total(),
                (3 * 1048576 + 150) / 1048576.0, 1e-9);
    EXPECT_EQ(tally_test::namedChild<StringGrid>(
                  *window->pageAt<CombinedPage>(StatisticsWindow::pageCombined), "gridCombine")
                  ->model()
                  .cell(0, 10),
              "Not recorded");
    EXPECT_EQ(tally_test::namedChild<Chart>(*window->pageAt<TimePage>(StatisticsWindow::pageTime),
                                            "Chart4")
                  ->model()
                  .series(0)
                  .count(),
              48);
}
