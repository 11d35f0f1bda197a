#include "collect/fake_drives.h"
#include "collect/named_controls.h"
#include "collect/statistics_window.h"
#include "collect/wizard_answers.h"
#include "space/sizes_page.h"
#include "ui/effect_label.h"
#include "ui/named_child.h"
#include "ui/notebook.h"
#include "ui/overlay_panel.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using platform::MessageKind;

const char* const oneDriveInfo = "Disk Drive c: [work] will be scanned.  The analysis may take "
                                 "some time.  You may quit at any time by clicking Abort or "
                                 "pressing ESC.";
const char* const twoDriveInfo =
    "Since you selected more than one drive to analyze, the Cluster Overhang tab will be "
    "disabled.  You may quit the analysis at any time by clicking CANCEL or by pressing ESC.";

// Drive c (labelled work) holds 4 files, drive d (no label) 2; c also holds 30 files in one
// folder for the tests that stop a walk in the middle of a directory.
class StatisticsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('c', "fixed", "Work");
        drives.map('d', "fixed");
        drives.addFile("c", "a.txt", 100);
        drives.addFile("c", "b.doc", 200);
        drives.addFile("c", "sub/c.txt", 50);
        drives.addFile("c", ".hidden", 10);
        drives.addFile("d", "x.txt", 1);
        drives.addFile("d", "y.bin", 2);
        drives.enter('c');
    }

    void addManyFiles() {
        for (int i = 0; i < 30; ++i)
            drives.addFile("c", "many/f" + std::to_string(i) + ".dat", 1);
    }

    // A window whose wizard answers with the given drives, all files.
    std::unique_ptr<StatisticsWindow> makeWindow(std::vector<std::string> chosen) {
        auto window = std::make_unique<StatisticsWindow>();
        window->setWizardRunner([chosen](QWidget*) { return tally_test::allFilesOn(chosen); });
        return window;
    }

    [[nodiscard]] std::vector<std::string> texts(MessageKind kind) const {
        std::vector<std::string> result;
        for (const auto& message : drives.messages)
            if (message.kind == kind)
                result.push_back(message.text);
        return result;
    }

    tally_test::FakeDrives drives;
};

TEST_F(StatisticsWindowTest, TheFrameBeforeAnyRun) {
    auto window = makeWindow({});
    EXPECT_EQ(window->windowTitle(), "File Statistics Not Yet Collected");
    EXPECT_EQ(window->size(), QSize(632, 431));
    QStringList tabs;
    for (int i = 0; i < tally_test::namedChild<Notebook>(window, "OvcNotebook1")->count(); ++i)
        tabs << tally_test::namedChild<Notebook>(window, "OvcNotebook1")->caption(i);
    EXPECT_EQ(tabs, (QStringList{"Space", "Types", "Sizes", "Overhang", "Access", "Created",
                                 "Modified", "Combined", "Attribute", "Time"}));
    EXPECT_EQ(tally_test::namedChild<Notebook>(window, "OvcNotebook1")->currentIndex(), 0);
    EXPECT_EQ(tally_test::namedChild<QPushButton>(window, "btOK")->text(), "&Collect statistics");
    EXPECT_EQ(tally_test::namedChild<QPushButton>(window, "btOK")->toolTip(),
              "Start collecting statistics");
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(window, "btOK")->isDefault());
    EXPECT_EQ(tally_test::namedChild<QPushButton>(window, "btPrint")->text(), "&Print page");
    EXPECT_EQ(tally_test::namedChild<QPushButton>(window, "btPrint")->toolTip(),
              "Print this page only");
    EXPECT_EQ(tally_test::namedChild<QPushButton>(window, "btCancel")->text(), "Close");
    EXPECT_EQ(tally_test::namedChild<QPushButton>(window, "btCancel")->toolTip(),
              "Cancel operation or close window");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(window, "lblNotYet")->text(),
              "Statistics haven't been collected yet!");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(window, "lblNotYet")->size(), QSize(593, 140));
    EXPECT_EQ(tally_test::namedChild<QLabel>(window, "EsLabel1")->text(),
              "Freeware sponsored by Velmor Corporation and :");
    EXPECT_EQ(tally_test::namedChild<RaisedPanel>(window, "pnlAd")->size(), QSize(472, 65));
    EXPECT_EQ(tally_test::namedChild<RaisedPanel>(window, "pnlAd")->cursor().shape(),
              Qt::PointingHandCursor);
    EXPECT_EQ(tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->geometry(),
              QRect(0, 19, 625, 359));
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(window, "btAbort")->isVisibleTo(window.get()));
    EXPECT_EQ(tally_test::namedChild<QTimer>(window, "Timer1")->interval(), 50);
    EXPECT_EQ(tally_test::namedChild<QTimer>(window, "Timer2")->interval(), 50);
    EXPECT_FALSE(tally_test::namedChild<QTimer>(window, "Timer1")->isActive());
    EXPECT_EQ(tally_test::namedChild<PickList>(window, "pckStatDrive")->items(),
              (QStringList{"c: [work]", "d: (Fixed disk)"}));
    EXPECT_EQ(tally_test::namedChild<PickList>(window, "pckStatDrive")->markedItems(),
              QStringList{"c: [work]"});

    window->show();
    EXPECT_FALSE(tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible())
        << "the Space page is never covered";
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageTypes);
    EXPECT_TRUE(tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible());
}

TEST_F(StatisticsWindowTest, ShowingWritesTheAdvertisementValueOnlyWhenItsKeyExists) {
    {
        auto window = makeWindow({});
        window->show();
        ASSERT_EQ(platform::recordedAdCalls().size(), 1u);
        const auto& show = platform::recordedAdCalls()[0];
        EXPECT_TRUE(show.isShow);
        const auto panel = static_cast<std::intptr_t>(
            tally_test::namedChild<RaisedPanel>(window, "pnlAd")->winId());
        EXPECT_EQ(show.args,
                  (std::vector<std::intptr_t>{53, 1, 0, panel, 1, 1, 470, 65, 1, 0, 1, 1, 0, 0}));
        EXPECT_EQ(
            window->gridTypes().row(0),
            (std::vector<std::string>{"Extension", "Type", "Size", "# Files", "Avg File Size"}));
        EXPECT_FALSE(std::filesystem::exists(drives.configFolder() + "/registry.ini"))
            << "no key, nothing written";
        window->close();
        ASSERT_EQ(platform::recordedAdCalls().size(), 2u);
        EXPECT_FALSE(platform::recordedAdCalls()[1].isShow);
        EXPECT_EQ(platform::recordedAdCalls()[1].args, (std::vector<std::intptr_t>{0, 0, 0}));
    }
    std::ofstream(drives.configFolder() + "/registry.ini")
        << "[Software\\Cydoor\\Adwr_53\\Loct_0]\n";
    auto window = makeWindow({});
    window->show();
    std::ifstream file(drives.configFolder() + "/registry.ini");
    const std::string content((std::istreambuf_iterator<char>(file)), {});
    EXPECT_NE(content.find("DeftExpsLen"), std::string::npos) << content;
    EXPECT_NE(content.find("45"), std::string::npos) << content;
}

TEST_F(StatisticsWindowTest, AOneDriveRun) {
    auto window = makeWindow({"c: [work]"});
    window->show();
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageSizes);
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_EQ(texts(MessageKind::Information), std::vector<std::string>{oneDriveInfo});
    EXPECT_TRUE(texts(MessageKind::Error).empty());
    EXPECT_TRUE(tally_test::namedChild<Notebook>(window, "OvcNotebook1")
                    ->isPageEnabled(StatisticsWindow::pageOverhang));
    EXPECT_EQ(window->windowTitle(), "Statistics completed for drives C: ");
    EXPECT_EQ(window->statistics().filesFound, 4);
    EXPECT_EQ(window->statistics().filesSelected, 4);
    EXPECT_GT(window->selectedCapacity(), 0);
    EXPECT_EQ(window->statusText(), "Finished - 4 files processed");
    EXPECT_EQ(window->shownStatusText(), "Finished - 4 files processed");
    EXPECT_TRUE(window->collected());
    EXPECT_FALSE(window->collecting());
    EXPECT_FALSE(tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible())
        << "results are shown after the run";
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(window, "btOK")->isEnabled());
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(window, "lblNotYet")->text(),
              "Collecting statistics ... standby.  Press Esc or click Abort to stop.");
}

TEST_F(StatisticsWindowTest, ATwoDriveRunSumsBothDrivesWithoutOverhang) {
    auto window = makeWindow({"c: [work]", "d: (Fixed disk)"});
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageOverhang);
    window->show();
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_EQ(texts(MessageKind::Information), std::vector<std::string>{twoDriveInfo});
    EXPECT_FALSE(tally_test::namedChild<Notebook>(window, "OvcNotebook1")
                     ->isPageEnabled(StatisticsWindow::pageOverhang));
    EXPECT_NE(tally_test::namedChild<Notebook>(window, "OvcNotebook1")->currentIndex(),
              StatisticsWindow::pageOverhang);
    EXPECT_EQ(window->windowTitle(), "Statistics completed for drives C: D: ");
    EXPECT_EQ(window->statistics().filesFound, 6);
    EXPECT_EQ(window->statistics().overhang4K, 0) << "no overhang sums in a two-drive run";
    EXPECT_EQ(window->statistics().sizeClassCount[1], 6);
}

TEST_F(StatisticsWindowTest, PageFillsRunInTheWalksOrder) {
    auto window = makeWindow({"c: [work]"});
    std::vector<std::string> calls;
    PageHooks& hooks = window->pageHooks();
    const auto record = [&calls](const char* name) {
        return [&calls, name] { calls.push_back(name); };
    };
    hooks.doOverHang = record("doOverHang");
    hooks.doFileTypes = record("doFileTypes");
    hooks.doFileSizes = record("doFileSizes");
    hooks.doFileAttrs = record("doFileAttrs");
    hooks.fillGridDates = {record("Accessed"), record("Created"), record("Modified")};
    hooks.fillCombinedGridDates = record("fillCombinedGridDates");
    hooks.doFileTimes = record("doFileTimes");
    hooks.doFileAges = record("doFileAges");
    hooks.sortTypesByExtension = record("sortTypesByExtension");
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_EQ(calls,
              (std::vector<std::string>{"doOverHang", "doFileTypes", "doFileSizes", "doFileAttrs",
                                        "Accessed", "Created", "Modified", "fillCombinedGridDates",
                                        "doFileTimes", "doFileAges", "sortTypesByExtension"}));

    calls.clear();
    window->setWizardRunner([](QWidget*) {
        return tally_test::allFilesOn({"c: [work]", "d: (Fixed disk)"});
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "doOverHang"), 0);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "doFileSizes"), 2) << "after each drive";
}

TEST_F(StatisticsWindowTest, CancellingAfterARunEmptiesTheDriveListAndStartsNothing) {
    auto window = makeWindow({"c: [work]"});
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    ASSERT_EQ(window->selection().drives.size(), 1u);
    const auto messagesBefore = drives.messages.size();
    window->setWizardRunner([](QWidget*) { return std::nullopt; });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_TRUE(window->selection().drives.empty());
    EXPECT_EQ(drives.messages.size(), messagesBefore);
    EXPECT_EQ(window->statistics().filesFound, 4) << "the last results stay";
    EXPECT_TRUE(window->selection().allFiles) << "a cancelled wizard keeps the mode";
    EXPECT_EQ(window->windowTitle(), "Statistics completed for drives C: ");
}

TEST_F(StatisticsWindowTest, AbortDuringAWalkStopsTheRun) {
    addManyFiles();
    auto window = makeWindow({"c: [work]", "d: (Fixed disk)"});
    window->show();
    bool overlayDuringWalk = false;
    bool okDuringWalk = true;
    bool abortShown = false;
    window->setPumpHook([&] {
        if (window->statistics().filesFound == 10) {
            overlayDuringWalk =
                tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible();
            okDuringWalk = tally_test::namedChild<QPushButton>(window, "btOK")->isEnabled();
            abortShown = tally_test::namedChild<QPushButton>(window, "btAbort")->isVisible();
            tally_test::namedChild<QPushButton>(window, "btAbort")->click();
        }
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_TRUE(overlayDuringWalk);
    EXPECT_FALSE(okDuringWalk);
    EXPECT_TRUE(abortShown);
    EXPECT_EQ(window->statistics().filesFound, 10) << "no file is counted after the abort";
    EXPECT_EQ(window->windowTitle(), "File Statistics for drive(s) incomplete ... aborted.");
    EXPECT_TRUE(window->statusText().ends_with(" INCOMPLETE ... ABORTED")) << window->statusText();
    EXPECT_EQ(window->statusText().find("Finished - 10 files processed"), 0u);
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(window, "btOK")->isEnabled());
    EXPECT_TRUE(window->collected());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(StatisticsWindowTest, EscDuringAWalkStopsItAndEscAfterwardsHidesTheWindow) {
    addManyFiles();
    auto window = makeWindow({"c: [work]"});
    window->show();
    window->setPumpHook([&] {
        if (window->statistics().filesFound == 5) {
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(window.get(), &esc);
        }
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_EQ(window->statistics().filesFound, 5);
    EXPECT_EQ(window->windowTitle(), "File Statistics for drive(s) incomplete ... aborted.");
    EXPECT_TRUE(window->isVisible()) << "Esc during a walk does not hide the window";

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &esc);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(StatisticsWindowTest, ASecondRunStartsFromZeroAndCoversEveryPageWhileWalking) {
    auto window = makeWindow({"c: [work]"});
    window->show();
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    ASSERT_EQ(window->statistics().filesFound, 4);
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageTypes);
    ASSERT_FALSE(tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible());

    bool coveredOnTypes = false;
    bool coveredOnSpace = false;
    window->setPumpHook([&] {
        if (window->statistics().filesFound != 2)
            return;
        coveredOnTypes = tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible();
        tally_test::namedChild<Notebook>(window, "OvcNotebook1")
            ->setCurrentIndex(StatisticsWindow::pageSpace);
        coveredOnSpace = tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible();
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_TRUE(coveredOnTypes) << "collected is true, yet the walk covers the page";
    EXPECT_TRUE(coveredOnSpace) << "switching to Space during a walk keeps the overlay";
    EXPECT_EQ(window->statistics().filesFound, 4) << "not 8: the run started from zero";
    EXPECT_FALSE(tally_test::namedChild<OverlayPanel>(window, "pnlNotYet")->isVisible());
}

TEST_F(StatisticsWindowTest, TheCloseBoxDuringAWalkHidesTheWindowAndTheWalkFinishes) {
    addManyFiles();
    auto window = makeWindow({"c: [work]"});
    window->show();
    window->setPumpHook([&] {
        if (window->statistics().filesFound == 3)
            window->close();
    });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->statistics().filesFound, 34);
    EXPECT_EQ(window->windowTitle(), "Statistics completed for drives C: ");
    ASSERT_FALSE(platform::recordedAdCalls().empty());
    EXPECT_FALSE(platform::recordedAdCalls().back().isShow) << "AdClose";
}

TEST_F(StatisticsWindowTest, NoCapacityRefusesTheRunAndResetsNothing) {
    auto window = makeWindow({"c: [work]"});
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    ASSERT_EQ(window->statistics().filesFound, 4);
    drives.map('e', "fixed", "Empty", "0,0");
    drives.messages.clear();
    window->setWizardRunner([](QWidget*) { return tally_test::allFilesOn({"e: [empty]"}); });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_EQ(texts(MessageKind::Error),
              std::vector<std::string>{"Could not compute the total size of the disk drives "
                                       "selected.  Cannot proceed with statistics."});
    EXPECT_EQ(drives.beeps, 1);
    EXPECT_TRUE(texts(MessageKind::Information).empty());
    EXPECT_EQ(window->statistics().filesFound, 4);
}

TEST_F(StatisticsWindowTest, ADriveThatIsNotReadyIsSkippedButNamedInTheCaption) {
    drives.map('r', "removable");
    std::filesystem::remove_all(drives.folder("r")); // no medium: the drive is not ready
    auto window = makeWindow({"r:", "d: (Fixed disk)"});
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_TRUE(texts(MessageKind::Error).empty()) << "skipped without a message";
    EXPECT_EQ(window->windowTitle(), "Statistics completed for drives R: D: ");
    EXPECT_EQ(window->statistics().filesFound, 2);
}

TEST_F(StatisticsWindowTest, DisenableSwitchesThePagesControlsByName) {
    auto window = makeWindow({});
    QRadioButton* const sizesListing = tally_test::namedChild<QRadioButton>(
        *window->pageAt<SizesPage>(StatisticsWindow::pageSizes), "rgSize0");
    auto* other = new QRadioButton(tally_test::namedChild<Notebook>(window, "OvcNotebook1")
                                       ->page(StatisticsWindow::pageSizes));
    other->setObjectName("rgSomethingElse");
    window->disenable(false);
    EXPECT_FALSE(sizesListing->isEnabled());
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(window, "btOK")->isEnabled());
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(window, "btPrint")->isEnabled());
    EXPECT_FALSE(tally_test::namedChild<PickList>(window, "pckStatDrive")->isEnabled());
    EXPECT_TRUE(other->isEnabled());
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(window, "btCancel")->isEnabled());
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(window, "btAbort")->isEnabled());
    window->disenable(true);
    EXPECT_TRUE(sizesListing->isEnabled());
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(window, "btOK")->isEnabled());
}

// The run-sensitive controls and printed charts are names in lists: a control renamed without
// its list entry must stop the program with the name, not be skipped in silence.
TEST(NamedControls, ANameWithoutItsControlIsNamedAndStopsTheProgram) {
    QWidget root;
    root.setObjectName("root");
    auto* button = new QPushButton(&root);
    button->setObjectName("btOK");
    const char* const names[] = {"btOK", "btTypo", "rgTypo"};
    const NamedControls controls = findNamedControls(root, names);
    EXPECT_EQ(controls.found, std::vector<QWidget*>{button});
    EXPECT_EQ(controls.missing, (std::vector<std::string>{"btTypo", "rgTypo"}));
    requireNamedControls(findNamedControls(root, {names, 1}), "The test window");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(requireNamedControls(controls, "The test window"),
                 "The test window has no control named btTypo, rgTypo");
}

TEST_F(StatisticsWindowTest, PieTicksDoNotReenterAndStandStillDuringAWalk) {
    auto window = makeWindow({"c: [work]"});
    int turns = 0;
    window->pageHooks().turnSpacePies = [&] {
        ++turns;
        window->onPieTimerTick(); // a nested tick while this one runs
    };
    window->onPieTimerTick();
    EXPECT_EQ(turns, 1);
    tally_test::namedChild<Notebook>(window, "OvcNotebook1")
        ->setCurrentIndex(StatisticsWindow::pageSizes);
    window->onPieTimerTick();
    EXPECT_EQ(turns, 1) << "the Space pies turn only with the Space page on view";

    tally_test::namedChild<QTimer>(window, "Timer1")->start();
    bool runningDuringWalk = true;
    window->setPumpHook(
        [&] { runningDuringWalk = tally_test::namedChild<QTimer>(window, "Timer1")->isActive(); });
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_FALSE(runningDuringWalk);
    EXPECT_TRUE(tally_test::namedChild<QTimer>(window, "Timer1")->isActive());

    // The Types page's fill switches the timer on for its pie view; a pie stopped by hand before
    // the run stays stopped after it.
    tally_test::namedChild<QTimer>(window, "Timer1")->stop();
    tally_test::namedChild<QPushButton>(window, "btOK")->click();
    EXPECT_FALSE(tally_test::namedChild<QTimer>(window, "Timer1")->isActive());
}

TEST_F(StatisticsWindowTest, TheStatusBarShowsTheTextWhenThePumpRuns) {
    auto window = makeWindow({});
    window->setStatusText("Processing drive c: [work] ... standby : /x");
    EXPECT_EQ(window->shownStatusText(), "");
    window->messagePump().setInterval(std::chrono::hours(1));
    window->pumpMessages();
    EXPECT_EQ(window->shownStatusText(), "");
    window->messagePump().setInterval(std::chrono::nanoseconds(0));
    window->pumpMessages();
    EXPECT_EQ(window->shownStatusText(), "Processing drive c: [work] ... standby : /x");

    // A text newer by a few milliseconds waits for the next quarter second (or the walk's end),
    // however often the event loop runs meanwhile.
    window->setStatusText("Processing drive c: [work] ... standby : /y");
    for (int i = 0; i < 50; ++i)
        window->pumpMessages();
    EXPECT_EQ(window->shownStatusText(), "Processing drive c: [work] ... standby : /x");
    window->messagePump().pumpNow();
    EXPECT_EQ(window->shownStatusText(), "Processing drive c: [work] ... standby : /y");
}

} // namespace
