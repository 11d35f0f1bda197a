// The date pages inside the statistics window: their tabs, a run that fills them, the window's
// switching of their buttons by name, and the texts of their note buttons.
#include "collect/fake_drives.h"
#include "collect/statistics_window.h"
#include "dates/combined_page.h"
#include "dates/date_page.h"
#include "dates/time_page.h"
#include "ui/chart.h"
#include "ui/notebook.h"
#include "ui/string_grid.h"

#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <numeric>

namespace {

WizardAnswer allFilesOn(std::vector<std::string> drives) {
    WizardAnswer answer;
    answer.drives = std::move(drives);
    answer.allFiles = true;
    return answer;
}

class DateWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        drives.addFile("c", "a.txt", 100);
        drives.addFile("c", "b.doc", 3 * 1048576);
        drives.addFile("c", "sub/c.txt", 50);
        drives.enter('c');
        window = std::make_unique<TfrmStatistics>();
        window->setWizardRunner([](QWidget*) { return allFilesOn({"c: [work]"}); });
    }

    tally_test::FakeDrives drives;
    std::unique_ptr<TfrmStatistics> window;
};

} // namespace

TEST_F(DateWindowTest, ARunFillsTheDatePagesOnTheirTabs) {
    EXPECT_EQ(window->OvcNotebook1->page(4), window->pgAccess);
    EXPECT_EQ(window->OvcNotebook1->page(5), window->pgCreated);
    EXPECT_EQ(window->OvcNotebook1->page(6), window->pgModified);
    EXPECT_EQ(window->OvcNotebook1->page(7), window->pgCombined);
    EXPECT_EQ(window->OvcNotebook1->page(9), window->pgTime);

    window->btOK->click();
    const DriveStatistics& stats = window->statistics();
    ASSERT_EQ(stats.filesSelected, 3);
    const ChartSeries& modified = window->pgModified->chart->model().series(0);
    ASSERT_EQ(modified.count(), 10);
    EXPECT_NEAR(modified.total(), (3 * 1048576 + 150) / 1048576.0, 1e-9);
    EXPECT_EQ(window->pgCombined->gridCombine->model().cell(0, 10), "Not recorded");
    const ChartModel& times = window->pgTime->Chart4->model();
    EXPECT_EQ(times.series(0).total(),
              std::accumulate(stats.modifyHours.begin(), stats.modifyHours.end(), 0.0));
    EXPECT_EQ(times.series(0).count(), 48);
}

TEST_F(DateWindowTest, DisenableReachesTheDateButtons) {
    window->disenable(false);
    EXPECT_FALSE(window->pgAccess->rgBySize->isEnabled());
    EXPECT_FALSE(window->pgModified->rgListing->isEnabled());
    EXPECT_FALSE(window->pgCombined->rbCombine2->isEnabled());
    window->disenable(true);
    EXPECT_TRUE(window->pgCreated->rgByNumber->isEnabled());
    EXPECT_TRUE(window->pgCombined->rbCombine1->isEnabled());
}

TEST_F(DateWindowTest, NoteButtonsShowTheirTextsAsWritten) {
    window->pgAccess->noteButton->click();
    window->pgCreated->noteButton->click();
    window->pgModified->noteButton->click();
    window->pgCombined->SpeedButton4->click();
    window->pgTime->SpeedButton5->click();
    std::vector<std::string> texts;
    for (const auto& message : drives.messages) {
        EXPECT_EQ(message.kind, platform::MessageKind::Information);
        texts.push_back(message.text);
    }
    EXPECT_EQ(
        texts,
        (std::vector<std::string>{
            "Note: prior versions of Windows and DOS did not store the file access date.  Files "
            "never recorded as being accessed are probably old files that were converted to "
            "Windows 95.",
            "Files never recorded as being created are probably old files that were converted to "
            "Windows 95.  Note: prior versions of Windows and DOS did not store the file "
            "creation date independent of the last file modification or file write date.",
            "Note: prior versions of Windows and DOS treated the file creation date "
            "synonomously  with the last file modification date.  Therefore all files have a "
            "file modification date.",
            "This chart combines the Accessed, Created and Modified charts",
            "Note: Sometimes software vendors use the file modified time to indicate the version "
            "number of a product. For example, a file with the time of 02:10 am would represent "
            "version 2.1 of a certain product."}));
}
