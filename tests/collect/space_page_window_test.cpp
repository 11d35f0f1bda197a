// The Space page inside the statistics window: where the window's drive list lives, the fill when
// the window is shown, and the bar that grows on its timer only while the page is in front.
#include "collect/fake_drives.h"
#include "collect/statistics_window.h"
#include "space/space_page.h"
#include "ui/chart.h"
#include "ui/effect_label.h"
#include "ui/named_child.h"
#include "ui/notebook.h"
#include "ui/pick_list.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

// One timeout of a timer, as if its interval had passed.
void tick(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout", Qt::DirectConnection);
}

class SpacePageWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work", "107374182400,42949672960");
        drives.map('d', "fixed", "", "10737418240,5368709120");
        drives.enter('c');
        window = std::make_unique<StatisticsWindow>();
    }

    [[nodiscard]] int depth() const {
        return tally_test::namedChild<Chart>(
                   *window->pageAt<SpacePage>(StatisticsWindow::pageSpace), "chartSpaceBar")
            ->model()
            .view3D.depthPercent;
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<StatisticsWindow> window;
};

} // namespace

TEST_F(SpacePageWindowTest, ShowingTheWindowFillsThePageFromTheMarkedDrive) {
    ASSERT_NE(window->pageAt<SpacePage>(StatisticsWindow::pageSpace), nullptr);
    EXPECT_EQ(
        tally_test::namedChild<Notebook>(window, "OvcNotebook1")->page(StatisticsWindow::pageSpace),
        window->pageAt<SpacePage>(StatisticsWindow::pageSpace));
    EXPECT_EQ(tally_test::namedChild<PickList>(window, "pckStatDrive")->parentWidget(),
              tally_test::namedChild<QWidget>(
                  *window->pageAt<SpacePage>(StatisticsWindow::pageSpace), "Panel4"));
    EXPECT_TRUE(tally_test::namedChild<EffectLabel>(
                    *window->pageAt<SpacePage>(StatisticsWindow::pageSpace), "lblTotal")
                    ->text()
                    .isEmpty());
    window->show();
    EXPECT_EQ(tally_test::namedChild<PickList>(window, "pckStatDrive")->markedItems(),
              QStringList{"c: [work]"});
    EXPECT_EQ(window->pageAt<SpacePage>(StatisticsWindow::pageSpace)->drivesShown(), 1);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(
                  *window->pageAt<SpacePage>(StatisticsWindow::pageSpace), "lblTotal")
                  ->text(),
              "100.00");
    EXPECT_TRUE(tally_test::namedChild<QTimer>(window, "Timer2")->isActive());
}

TEST_F(SpacePageWindowTest, TheBarGrowsOnlyWhileTheSpacePageIsInFront) {
    window->show();
    ASSERT_EQ(depth(), 1);
    tick(tally_test::namedChild<QTimer>(window, "Timer2"));
    tick(tally_test::namedChild<QTimer>(window, "Timer2"));
    EXPECT_EQ(depth(), 13);

    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageSizes);
    tick(tally_test::namedChild<QTimer>(window, "Timer2"));
    EXPECT_FALSE(tally_test::namedChild<QTimer>(window, "Timer2")->isActive());
    EXPECT_EQ(depth(), 13);

    // Back on the page the bar starts flat again.
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageSpace);
    EXPECT_EQ(depth(), 1);
    EXPECT_TRUE(tally_test::namedChild<QTimer>(window, "Timer2")->isActive());
}
