// The Space page over made-up drives: bar and pie mode, the growing bar, the turning pies with
// their scroll bar, the drive list's menu, and pictures of both modes for review.
#include "space/space_page.h"

#include "app/fake_drives.h"
#include "platform/locale_settings.h"
#include "ui/chart.h"
#include "ui/effect_label.h"
#include "ui/named_child.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"

#include <QCheckBox>
#include <QDir>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>

#include <gtest/gtest.h>

using tally_test::FakeDrive;
using tally_test::FakeDrives;

namespace {

class SpacePageTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setCurrentLocale(platform::Locale{}); }

    // Drives c, d, ... with the given sizes; the list holds them all, the first `ticked` marked.
    void makePage(const std::vector<FakeDrive>& sizes, int ticked) {
        drives = std::make_unique<FakeDrives>(sizes);
        list = new PickList;
        list->setMarkStyle(PickList::MarkStyle::checkBox);
        for (const FakeDrive& drive : sizes) {
            const int index = list->addItem(QString(QChar(drive.letter)) + ": (Fixed disk)");
            list->setMarked(index, index < ticked);
        }
        page = std::make_unique<SpacePage>(*list, pieTimer, barTimer);
        page->resize(628, 358);
        page->doDiskSize();
    }

    static std::vector<FakeDrive> sized(int count) {
        std::vector<FakeDrive> drives;
        for (int i = 0; i < count; ++i)
            drives.push_back({static_cast<char>('c' + i), 40.0 + 20 * i, 10.0 + 3 * i});
        return drives;
    }

    // pie1 .. pie11, the small pies.
    [[nodiscard]] Chart* pie(int number) const {
        return tally_test::namedChild<Chart>(*page, ("pie" + std::to_string(number)).c_str());
    }

    [[nodiscard]] int angle(const Chart* pie) const {
        return pie->model().series(0).pie.rotationAngle;
    }

    void shoot(const QString& name) {
        const QString folder = QStringLiteral("/work/shots/space");
        if (QDir(folder).exists())
            page->grab().save(folder + "/" + name);
    }

    std::unique_ptr<FakeDrives> drives;
    QTimer pieTimer;
    QTimer barTimer;
    PickList* list = nullptr;
    std::unique_ptr<SpacePage> page;
};

} // namespace

TEST_F(SpacePageTest, BarModeShowsTheTickedDrivesAndGrowsTheBarToItsLimit) {
    makePage(sized(3), 2);
    EXPECT_EQ(page->drivesShown(), 2);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblTotal")->text(), "100.00");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblFree")->text(), "23.00");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblUsed")->text(), "77.00");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblFree")->textColor(),
              QColor(Qt::black));
    EXPECT_FALSE(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<QWidget>(*page, "pnlPie")->isHidden());
    EXPECT_EQ(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->model().series(1).count(),
              3); // c, d, Total
    EXPECT_TRUE(barTimer.isActive());
    EXPECT_EQ(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->model().view3D.depthPercent,
              1);

    int ticks = 0;
    while (barTimer.isActive() && ticks < 100) {
        page->growTick();
        ++ticks;
    }
    EXPECT_EQ(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->model().view3D.depthPercent,
              61); // 1 + 10 steps of 6
    EXPECT_EQ(ticks, 11);

    // Unticking "Show Cumulative Total" redraws without the total bar.
    tally_test::namedChild<QCheckBox>(*page, "cbTotal")->click();
    EXPECT_EQ(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->model().series(1).count(), 2);
}

TEST_F(SpacePageTest, MenuTicksOrUnticksEveryDriveAndRedraws) {
    makePage(sized(3), 1);
    tally_test::namedChild<QAction>(*page, "SelectAll1")->trigger();
    EXPECT_EQ(list->markedCount(), 3);
    EXPECT_EQ(page->drivesShown(), 3);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblTotal")->text(), "180.00");

    tally_test::namedChild<QAction>(*page, "DeselectAll1")->trigger();
    EXPECT_EQ(page->drivesShown(), 0);
    EXPECT_TRUE(tally_test::namedChild<EffectLabel>(*page, "lblTotal")->text().isEmpty());
    EXPECT_TRUE(tally_test::namedChild<EffectLabel>(*page, "lblTotalC")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<RaisedPanel>(*page, "Panel1")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->isHidden());
    // The list stays reachable, so a drive can be ticked again.
    EXPECT_FALSE(tally_test::namedChild<QWidget>(*page, "Panel4")->isHidden());
}

TEST_F(SpacePageTest, PieModeCoversEveryReadyDriveTickedOrNot) {
    makePage(sized(12), 1);
    tally_test::namedChild<QRadioButton>(*page, "rgSpace1")->click();
    EXPECT_TRUE(tally_test::namedChild<QWidget>(*page, "Panel4")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<QCheckBox>(*page, "cbTotal")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->isHidden());
    EXPECT_FALSE(tally_test::namedChild<QWidget>(*page, "pnlPie")->isHidden());
    EXPECT_TRUE(pieTimer.isActive());
    for (int number = 1; number <= 11; ++number)
        EXPECT_FALSE(pie(number)->isHidden()) << number;
    EXPECT_FALSE(tally_test::namedChild<Chart>(*page, "pieTotal")->isHidden());
    EXPECT_EQ(pie(11)->model().title.lines, std::vector<std::string>{"M:\\  16.6% free"});

    tally_test::namedChild<QRadioButton>(*page, "rgSpace2")->click();
    EXPECT_FALSE(tally_test::namedChild<QWidget>(*page, "Panel4")->isHidden());
    EXPECT_TRUE(tally_test::namedChild<QWidget>(*page, "pnlPie")->isHidden());
    EXPECT_EQ(page->drivesShown(), 1);
}

TEST_F(SpacePageTest, FewerThanSixEntriesTurnAllPiesTogether) {
    makePage(sized(2), 2);
    tally_test::namedChild<QRadioButton>(*page, "rgSpace1")->click();
    EXPECT_TRUE(pie(3)->isHidden());
    for (int tick = 0; tick < 100; ++tick)
        page->pieTick();
    // 60 degrees to start, 4 per tick, wrapped.
    const int expected = (60 + 400) % 360;
    EXPECT_EQ(angle(pie(1)), expected);
    EXPECT_EQ(angle(pie(2)), expected);
    EXPECT_EQ(angle(tally_test::namedChild<Chart>(*page, "pieTotal")), expected);
    EXPECT_EQ(angle(pie(3)), 60); // hidden pies stay as they are
    EXPECT_EQ(tally_test::namedChild<QScrollBar>(*page, "ScrollBar3")->value(), expected);
    EXPECT_TRUE(tally_test::namedChild<QScrollBar>(*page, "ScrollBar3")->isHidden());
}

TEST_F(SpacePageTest, SixOrMoreEntriesTurnOnlyTheTotalPie) {
    makePage(sized(6), 6);
    tally_test::namedChild<QRadioButton>(*page, "rgSpace1")->click();
    for (int tick = 0; tick < 10; ++tick)
        page->pieTick();
    EXPECT_EQ(angle(pie(1)), 60);
    EXPECT_EQ(angle(pie(6)), 60);
    // The first tick puts the scroll bar on pie1's 60 degrees, which sets every pie to it; from
    // then on only the total pie turns, 2 degrees a tick.
    EXPECT_EQ(angle(tally_test::namedChild<Chart>(*page, "pieTotal")), 78);
}

TEST_F(SpacePageTest, AClickStopsThePiesAndTheScrollBarTurnsEveryVisiblePie) {
    makePage(sized(7), 7);
    tally_test::namedChild<QRadioButton>(*page, "rgSpace1")->click();
    page->pieTick();
    ASSERT_TRUE(pieTimer.isActive());
    emit tally_test::namedChild<Chart>(*page, "pieTotal")->clicked();
    EXPECT_FALSE(pieTimer.isActive());
    EXPECT_FALSE(tally_test::namedChild<QScrollBar>(*page, "ScrollBar3")->isHidden());

    tally_test::namedChild<QScrollBar>(*page, "ScrollBar3")->setValue(200);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(angle(pie(i + 1)), 200);
    EXPECT_EQ(angle(tally_test::namedChild<Chart>(*page, "pieTotal")), 200);
    EXPECT_EQ(angle(pie(8)), 60);

    emit tally_test::namedChild<Chart>(*page, "pieTotal")->clicked();
    EXPECT_TRUE(pieTimer.isActive());
    EXPECT_TRUE(tally_test::namedChild<QScrollBar>(*page, "ScrollBar3")->isHidden());
}

// Pictures for review: one almost empty drive (red free figure), two drives, twelve in both modes.
TEST_F(SpacePageTest, PicturesOfBothModes) {
    const auto grown = [this](const QString& name) {
        for (int tick = 0; tick < 20; ++tick)
            page->growTick();
        shoot(name);
    };
    makePage({{'c', 20, 19.95}}, 1);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblFree")->textColor(), QColor(Qt::red));
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(*page, "lblUsed")->textColor(),
              QColor(Qt::black));
    grown(QStringLiteral("bar_one_drive_red.png"));
    makePage(sized(2), 2);
    grown(QStringLiteral("bar_two_drives.png"));
    makePage(sized(12), 12);
    grown(QStringLiteral("bar_twelve_drives.png"));
    EXPECT_EQ(tally_test::namedChild<Chart>(*page, "chartSpaceBar")->model().view3D.depthPercent,
              11); // 1 + 5 steps of 2
    tally_test::namedChild<QRadioButton>(*page, "rgSpace1")->click();
    shoot(QStringLiteral("pies_twelve_drives.png"));
}
