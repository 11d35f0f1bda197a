// Pictures of the statistics window before, during and after a run and of the wizard's pages.
// With TALLY_SCREENSHOTS set to a folder the pictures are also saved there for review.
#include "collect/fake_drives.h"
#include "collect/statistics_window.h"
#include "collect/wizard_answers.h"
#include "types/which_drive_dialog.h"
#include "ui/named_child.h"
#include "ui/notebook.h"
#include "ui/pick_list.h"

#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage keep(QWidget& widget, const char* name) {
    const QImage image = widget.grab().toImage();
    if (const char* folder = std::getenv("TALLY_SCREENSHOTS"))
        image.save(QString::fromLocal8Bit(folder) + "/" + name + ".png");
    return image;
}

// The share of pixels in the page area that differ between two pictures of the window.
double changedShare(const QImage& a, const QImage& b) {
    int changed = 0;
    int total = 0;
    for (int y = 40; y < 370; y += 4)
        for (int x = 10; x < 620; x += 4) {
            ++total;
            changed += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
        }
    return static_cast<double>(changed) / total;
}

class StatisticsWindowLook : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        drives.map('d', "fixed");
        drives.map('e', "cdrom");
        for (int i = 0; i < 20; ++i)
            drives.addFile("c", "docs/file" + std::to_string(i) + ".txt", 100 * i);
        drives.enter('c');
    }

    tally_test::FakeDrives drives;
};

TEST_F(StatisticsWindowLook, TheOverlayCoversThePagesBeforeAndDuringARunOnly) {
    StatisticsWindow window;
    window.setWizardRunner([](QWidget*) { return tally_test::allFilesOn({"c: [work]"}); });
    window.show();
    keep(window, "statistics-space-page");
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageTypes);
    const QImage before = keep(window, "statistics-before-run");
    QImage during;
    window.setPumpHook([&] {
        if (window.statistics().filesFound == 10 && during.isNull()) {
            window.setStatusText(window.statusText());
            window.messagePump().pumpNow();
            during = keep(window, "statistics-during-run");
        }
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    const QImage after = keep(window, "statistics-after-run");
    ASSERT_FALSE(during.isNull());
    EXPECT_EQ(before.size(), after.size());
    EXPECT_GT(changedShare(before, after), 0.3) << "the overlay is gone after the run";
    EXPECT_GT(changedShare(before, during), 0.01) << "the caption changes while walking";
    EXPECT_LT(changedShare(before, during), 0.3) << "the overlay is there while walking";
}

TEST_F(StatisticsWindowLook, TheWizardPages) {
    WhichDriveWizard wizard;
    wizard.show();
    const QImage page1 = keep(wizard, "wizard-page1");
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    const QImage page2 = keep(wizard, "wizard-page2");
    tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->setChecked(true);
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    tally_test::namedChild<PickList>(wizard, "PickList1")->setMarked(1, true);
    const QImage page3 = keep(wizard, "wizard-page3");
    EXPECT_EQ(page1.size(), page3.size());
    EXPECT_NE(page1, page2);
    EXPECT_NE(page2, page3);
}

} // namespace
