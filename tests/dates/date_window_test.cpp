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
        window = std::make_unique<TfrmStatistics>();
        window->setWizardRunner([](QWidget*) { return tally_test::allFilesOn({"c: [work]"}); });
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<TfrmStatistics> window;
};

} // namespace

TEST_F(DateWindowTest, DatePagesTakeTheirTabsAndDisenableReachesTheirButtons) {
    EXPECT_EQ(window->OvcNotebook1->page(4), window->pgAccess);
    EXPECT_EQ(window->OvcNotebook1->page(6), window->pgModified);
    EXPECT_EQ(window->OvcNotebook1->page(7), window->pgCombined);
    EXPECT_EQ(window->OvcNotebook1->page(9), window->pgTime);
    window->disenable(false);
    EXPECT_FALSE(tally_test::namedChild<QRadioButton>(*window->pgAccess, "rgAccess1")->isEnabled());
    EXPECT_FALSE(
        tally_test::namedChild<QRadioButton>(*window->pgModified, "rgModify0")->isEnabled());
    EXPECT_FALSE(
        tally_test::namedChild<QRadioButton>(*window->pgCombined, "rbCombine2")->isEnabled());
    window->disenable(true);
    EXPECT_TRUE(tally_test::namedChild<QRadioButton>(*window->pgCreated, "rgCreate2")->isEnabled());

    // A run fills the charts through the hooks the pages set.
    window->btOK->click();
    ASSERT_EQ(window->statistics().filesSelected, 3);
    EXPECT_NEAR(tally_test::namedChild<Chart>(*window->pgModified, "chartModify")
                    ->model()
                    .series(0)
                    .total(),
                (3 * 1048576 + 150) / 1048576.0, 1e-9);
    EXPECT_EQ(
        tally_test::namedChild<StringGrid>(*window->pgCombined, "gridCombine")->model().cell(0, 10),
        "Not recorded");
    EXPECT_EQ(tally_test::namedChild<Chart>(*window->pgTime, "Chart4")->model().series(0).count(),
              48);
}
