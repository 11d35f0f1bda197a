// The statistics window as the X server shows it: the overlay's caption on every page before,
// during and after a run, and the Space page's drive list after entries are unticked.
#include "collect/fake_drives.h"
#include "collect/statistics_window.h"
#include "collect/wizard_answers.h"
#include "screen/screen_grab.h"
#include "space/space_page.h"
#include "ui/effect_label.h"
#include "ui/named_child.h"
#include "ui/notebook.h"
#include "ui/pick_list.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using tally_test::countPixels;
using tally_test::grabFromScreen;
using tally_test::isCaptionBlue;
using tally_test::keepForReview;

// The caption in 36-pixel type leaves thousands of blue pixels; stale pixels or an unblended
// translucent window leave next to none.
constexpr int captionPixels = 1500;

class StatisticsWindowScreen : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        drives.map('d', "fixed");
        drives.map('e', "fixed", "Backup");
        for (int i = 0; i < 40; ++i)
            drives.addFile("c", "docs/file" + std::to_string(i) + ".txt", 100 * i);
        drives.enter('c');
        // Made after the drives, whose list it reads.
        window = std::make_unique<StatisticsWindow>();
        window->setWizardRunner([](QWidget*) { return tally_test::allFilesOn({"c: [work]"}); });
        ASSERT_TRUE(tally_test::showOnScreen(*window));
    }

    QImage captionOnPage(int page, const QString& name) {
        tally_test::namedChild<Notebook>(window, "OvcNotebook1")->setCurrentIndex(page);
        tally_test::settle();
        const QImage caption =
            grabFromScreen(*tally_test::namedChild<EffectLabel>(window, "lblNotYet"));
        keepForReview(grabFromScreen(*window), name);
        return caption;
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<StatisticsWindow> window;
};

TEST_F(StatisticsWindowScreen, TheOverlayCaptionReachesTheScreenBeforeDuringAndAfterARun) {
    std::vector<QImage> before;
    for (int page = StatisticsWindow::pageTypes; page < StatisticsWindow::pageCount; ++page) {
        before.push_back(captionOnPage(page, QStringLiteral("overlay-before-%1").arg(page)));
        EXPECT_GT(countPixels(before.back(), isCaptionBlue), captionPixels)
            << "page " << page << ": \"Statistics haven't been collected yet!\" is not on screen";
    }

    bool walked = false;
    window->setPumpHook([&] {
        if (walked || window->statistics().filesFound < 10)
            return;
        walked = true;
        for (int page = StatisticsWindow::pageSpace; page < StatisticsWindow::pageCount; ++page) {
            const QImage during =
                captionOnPage(page, QStringLiteral("overlay-during-%1").arg(page));
            EXPECT_GT(countPixels(during, isCaptionBlue), captionPixels)
                << "page " << page << ": the collecting caption is not on screen";
            if (page == StatisticsWindow::pageSpace)
                continue;
            EXPECT_GT(tally_test::differingShare(during, before[page - 1]), 0.02)
                << "page " << page << ": the caption did not change for the walk";
        }
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    ASSERT_TRUE(walked);

    for (int page = StatisticsWindow::pageTypes; page < StatisticsWindow::pageCount; ++page) {
        tally_test::namedChild<Notebook>(window, "OvcNotebook1")->setCurrentIndex(page);
        tally_test::settle();
        EXPECT_LT(tally_test::screenVersusRender(*window, QStringLiteral("after-run-%1").arg(page)),
                  0.02)
            << "page " << page << " after the run differs on screen from what it paints";
    }
}

TEST_F(StatisticsWindowScreen, DriveListRowsKeepTheirBoxAndTextWhenUnticked) {
    PickList& list = *tally_test::namedChild<PickList>(window, "pckStatDrive");
    ASSERT_EQ(list.count(), 3);
    // Inside the focus frame, so that the frame alone does not count as a drawn row.
    const auto rowArea = [&](int row) {
        return list.visualItemRect(list.item(row)).adjusted(2, 2, -2, -2);
    };
    const auto expectRowDrawn = [&](int row, const char* after) {
        tally_test::settle();
        const QImage shown = grabFromScreen(*list.viewport(), rowArea(row));
        keepForReview(shown, QStringLiteral("drive-row-%1-%2").arg(row).arg(after));
        // The check box and the entry's text stand out from the row's fill.
        const QColor fill = shown.pixelColor(shown.width() - 1, shown.height() / 2);
        EXPECT_GT(countPixels(shown, [&](QColor c) { return c != fill; }), 40)
            << "row " << row << " is blank after " << after;
        const QImage painted =
            list.viewport()->grab(rowArea(row)).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_LT(tally_test::differingShare(shown, painted), 0.05)
            << "row " << row << " on screen is not what the list paints, after " << after;
    };

    const QPoint firstRow = list.visualItemRect(list.item(0)).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, firstRow);
    ASSERT_FALSE(list.isMarked(0));
    expectRowDrawn(0, "unticking");

    tally_test::namedChild<QAction>(*window->pageAt<SpacePage>(StatisticsWindow::pageSpace),
                                    "SelectAll1")
        ->trigger();
    tally_test::namedChild<QAction>(*window->pageAt<SpacePage>(StatisticsWindow::pageSpace),
                                    "DeselectAll1")
        ->trigger();
    for (int row = 0; row < list.count(); ++row)
        expectRowDrawn(row, "Deselect All");
    keepForReview(grabFromScreen(*window), QStringLiteral("drive-list-deselected"));
}

} // namespace
