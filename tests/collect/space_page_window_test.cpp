// The Space page inside the statistics window: where the window's drive list lives, the fill when
// the window is shown, and the bar that grows on Timer2 only while the page is in front.
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
        window = std::make_unique<TfrmStatistics>();
    }

    [[nodiscard]] int depth() const {
        return tally_test::namedChild<Chart>(*window->pgSpace, "chartSpaceBar")
            ->model()
            .view3D.depthPercent;
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<TfrmStatistics> window;
};

} // namespace

TEST_F(SpacePageWindowTest, ShowingTheWindowFillsThePageFromTheMarkedDrive) {
    ASSERT_NE(window->pgSpace, nullptr);
    EXPECT_EQ(window->OvcNotebook1->page(TfrmStatistics::pageSpace), window->pgSpace);
    EXPECT_EQ(window->pckStatDrive->parentWidget(),
              tally_test::namedChild<QWidget>(*window->pgSpace, "Panel4"));
    EXPECT_TRUE(
        tally_test::namedChild<EffectLabel>(*window->pgSpace, "lblTotal")->text().isEmpty());
    window->show();
    EXPECT_EQ(window->pckStatDrive->markedItems(), QStringList{"c: [work]"});
    EXPECT_EQ(window->pgSpace->drivesShown(), 1);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*window->pgSpace, "lblTotal")->text(), "100.00");
    EXPECT_TRUE(window->Timer2->isActive());
}

TEST_F(SpacePageWindowTest, TheBarGrowsOnlyWhileTheSpacePageIsInFront) {
    window->show();
    ASSERT_EQ(depth(), 1);
    tick(window->Timer2);
    tick(window->Timer2);
    EXPECT_EQ(depth(), 13);

    window->OvcNotebook1->setCurrentIndex(TfrmStatistics::pageSizes);
    tick(window->Timer2);
    EXPECT_FALSE(window->Timer2->isActive());
    EXPECT_EQ(depth(), 13);

    // Back on the page the bar starts flat again.
    window->OvcNotebook1->setCurrentIndex(TfrmStatistics::pageSpace);
    EXPECT_EQ(depth(), 1);
    EXPECT_TRUE(window->Timer2->isActive());
}
