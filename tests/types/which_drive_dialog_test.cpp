#include "collect/fake_drives.h"
#include "platform/bounded_child.h"
#include "types/selection_filter.h"
#include "types/which_drive_dialog.h"
#include "ui/effect_label.h"
#include "ui/named_child.h"
#include "ui/pick_list.h"
#include "ui/raised_panel.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// A real left click on a list entry, as the user gives it.
void clickEntry(PickList& list, int index) {
    const QPoint at = list.visualItemRect(list.item(index)).center();
    QMouseEvent press(QEvent::MouseButtonPress, at, list.viewport()->mapToGlobal(at),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, list.viewport()->mapToGlobal(at),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &release);
}

void trigger(QMenu& menu, const char* name) {
    auto* action = menu.findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr) << name;
    action->trigger();
}

class WhichDriveTest : public ::testing::Test {
protected:
    void SetUp() override {
        drives.map('a', "removable");
        drives.map('c', "fixed", "Work");
        drives.map('d', "fixed");
        drives.map('e', "cdrom");
        drives.enter('c');
        wizard.show();
    }

    tally_test::FakeDrives drives;
    WhichDriveWizard wizard;
};

TEST_F(WhichDriveTest, PageOneListsTheDrivesWithTheCurrentOneMarked) {
    EXPECT_EQ(wizard.windowTitle(), "Which drives and file types?");
    EXPECT_EQ(wizard.currentPage(), 1);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblDrives")->text(), "Which drives?");
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "pckDrive")->items(),
              (QStringList{"c: [work]", "d: (Fixed disk)", "e: (CD-ROM)"}));
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "pckDrive")->markedItems(),
              QStringList{"c: [work]"});
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "pckDrive")->toolTip(),
              "Right click to select/deselect all");
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btNext1")->isEnabled());
    EXPECT_EQ(tally_test::namedChild<QPushButton>(wizard, "btNext1")->text(), "&Next >>");
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btNext1")->isDefault());
    EXPECT_EQ(wizard.size(),
              tally_test::namedChild<RaisedPanel>(wizard, "pnlPage1")->size() + QSize(2, 2));
}

TEST_F(WhichDriveTest, NextOnPageOneNeedsAMarkedDrive) {
    clickEntry(*tally_test::namedChild<PickList>(wizard, "pckDrive"), 0);
    EXPECT_FALSE(tally_test::namedChild<PickList>(wizard, "pckDrive")->isMarked(0));
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(wizard, "btNext1")->isEnabled())
        << "no drive marked";
    clickEntry(*tally_test::namedChild<PickList>(wizard, "pckDrive"), 1);
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btNext1")->isEnabled());

    trigger(*tally_test::namedChild<QMenu>(wizard, "popDrives"), "Deselectall1");
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "pckDrive")->markedCount(), 0);
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(wizard, "btNext1")->isEnabled());
    trigger(*tally_test::namedChild<QMenu>(wizard, "popDrives"), "SelectAll1");
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "pckDrive")->markedCount(), 3);
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btNext1")->isEnabled());
}

TEST_F(WhichDriveTest, AllFilesClosesWithOkFromPageTwo) {
    trigger(*tally_test::namedChild<QMenu>(wizard, "popDrives"), "SelectAll1");
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    EXPECT_EQ(wizard.currentPage(), 2);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblTypes")->text(), "Which file types?");
    EXPECT_TRUE(tally_test::namedChild<QRadioButton>(wizard, "rbAll")->isChecked());
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btNext2")->isDefault())
        << "the default button is the page's own";
    tally_test::namedChild<QPushButton>(wizard, "btPrior2")->click();
    EXPECT_EQ(wizard.currentPage(), 1);
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "pckDrive")->markedCount(), 3)
        << "going back keeps the marks";
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    const WizardAnswer answer = wizard.answer();
    EXPECT_TRUE(answer.allFiles);
    EXPECT_FALSE(answer.includeTypes || answer.excludeTypes);
    EXPECT_EQ(answer.drives,
              (std::vector<std::string>{"c: [work]", "d: (Fixed disk)", "e: (CD-ROM)"}));
    EXPECT_TRUE(answer.typeEntries.empty());
}

TEST_F(WhichDriveTest, PageThreeCountsMarkedTypesAndEnablesOk) {
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->setChecked(true);
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    ASSERT_EQ(wizard.currentPage(), 3);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblSelect")->text(),
              "Selected file types only");
    EXPECT_EQ(wizard.typeSection(), "Include");
    ASSERT_EQ(tally_test::namedChild<PickList>(wizard, "PickList1")->count(), 3)
        << "the defaults of a missing settings file";
    EXPECT_TRUE(
        tally_test::namedChild<PickList>(wizard, "PickList1")->itemText(0).startsWith("*.doc\t"));
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblOf")->text(), "0/3");
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(wizard, "btOK")->isEnabled());

    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 0);
    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 2);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblOf")->text(), "2/3");
    EXPECT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btOK")->isEnabled());
    trigger(*tally_test::namedChild<QMenu>(wizard, "popTypes"), "DeselectAll2");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblOf")->text(), "0/3");
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(wizard, "btOK")->isEnabled());
    trigger(*tally_test::namedChild<QMenu>(wizard, "popTypes"), "SelectAll2");
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblOf")->text(), "3/3");
    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 1);

    tally_test::namedChild<QPushButton>(wizard, "btPrior3")->click();
    EXPECT_EQ(wizard.currentPage(), 2);
    EXPECT_TRUE(tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->isChecked())
        << "going back keeps the mode";
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblOf")->text(), "0/3")
        << "entering page 3 reloads the list unmarked";
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(wizard, "btOK")->isEnabled());

    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 0);
    tally_test::namedChild<QPushButton>(wizard, "btOK")->click();
    EXPECT_EQ(wizard.result(), QDialog::Accepted);
    const WizardAnswer answer = wizard.answer();
    EXPECT_FALSE(answer.allFiles);
    EXPECT_TRUE(answer.includeTypes);
    EXPECT_FALSE(answer.excludeTypes);
    ASSERT_EQ(answer.typeEntries.size(), 1u);
    EXPECT_TRUE(answer.typeEntries[0].starts_with("*.doc\t"));
    EXPECT_EQ(answer.drives, std::vector<std::string>{"c: [work]"});
}

TEST_F(WhichDriveTest, ExcludeModeUsesItsOwnSection) {
    std::ofstream(drives.configFolder() + "/tally98.ini")
        << "[Exclude]\nNumber=2\nFile1=*.tmp\nFile2=*.bak\n";
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    tally_test::namedChild<QRadioButton>(wizard, "rbExclude")->setChecked(true);
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblSelect")->text(),
              "All file types except ...");
    EXPECT_EQ(wizard.typeSection(), "Exclude");
    ASSERT_EQ(tally_test::namedChild<PickList>(wizard, "PickList1")->count(), 2);
    EXPECT_TRUE(
        tally_test::namedChild<PickList>(wizard, "PickList1")->itemText(1).startsWith("*.bak\t"))
        << "file order is kept";
    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 1);
    tally_test::namedChild<QPushButton>(wizard, "btOK")->click();
    const WizardAnswer answer = wizard.answer();
    EXPECT_TRUE(answer.excludeTypes);
    EXPECT_FALSE(answer.includeTypes);
    ASSERT_EQ(answer.typeEntries.size(), 1u);
    EXPECT_TRUE(answer.typeEntries[0].starts_with("*.bak\t"));
}

// A pattern holding a Latin-1 byte reaches the run's selection as the bytes of the file.
TEST_F(WhichDriveTest, ATypeThatIsNotUtf8IsHandedOverByteForByte) {
    std::ofstream(drives.configFolder() + "/tally98.ini", std::ios::binary)
        << "[Include]\nNumber=2\nFile1=*.\xe4\nFile2=*.txt\n";
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->setChecked(true);
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    ASSERT_EQ(tally_test::namedChild<PickList>(wizard, "PickList1")->count(), 2);
    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 0);
    tally_test::namedChild<QPushButton>(wizard, "btOK")->click();
    const WizardAnswer answer = wizard.answer();
    ASSERT_EQ(answer.typeEntries.size(), 1u);
    EXPECT_TRUE(answer.typeEntries[0].starts_with("*.\xe4\t")) << answer.typeEntries[0];

    SelectionFilter filter;
    handOverWizardAnswer(answer, filter);
    EXPECT_TRUE(filter.isThisSelected("lat.\xe4"));
    EXPECT_TRUE(filter.isThisSelected("LAT.\xe4"));
    EXPECT_FALSE(filter.isThisSelected("lat.\xc3\xa4")) << "the UTF-8 spelling is another name";
    EXPECT_FALSE(filter.isThisSelected("lat.txt"));
}

TEST_F(WhichDriveTest, AddDeleteReloadsTheListAfterTheEditorCloses) {
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->setChecked(true);
    tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
    clickEntry(*tally_test::namedChild<PickList>(wizard, "PickList1"), 0);
    ASSERT_TRUE(tally_test::namedChild<QPushButton>(wizard, "btOK")->isEnabled());

    // In the editor: clear the list (the confirmation answers Yes) and close it with "Close",
    // which stores the empty list.
    QString editorTitle;
    QTimer::singleShot(0, [&] {
        QWidget* editor = QApplication::activeModalWidget();
        ASSERT_NE(editor, nullptr);
        editorTitle = editor->windowTitle();
        editor->findChild<QPushButton*>("btClear")->click();
        editor->findChild<QPushButton*>("btClose")->click();
    });
    tally_test::namedChild<QPushButton>(wizard, "btEdit")->click();
    EXPECT_EQ(editorTitle, "File types");
    EXPECT_EQ(tally_test::namedChild<PickList>(wizard, "PickList1")->count(), 0);
    EXPECT_EQ(tally_test::namedChild<EffectLabel>(wizard, "lblOf")->text(), "0/0");
    EXPECT_FALSE(tally_test::namedChild<QPushButton>(wizard, "btOK")->isEnabled());
    EXPECT_EQ(wizard.currentPage(), 3);
}

// Before, the type page froze the wizard: it waited in open() for someone to write to the FIFO.
TEST_F(WhichDriveTest, ATypePageOverAFifoShowsTheDefaultsAndSaysWhy) {
    const std::string settings = drives.configFolder() + "/tally98.ini";
    ASSERT_EQ(::mkfifo(settings.c_str(), 0644), 0);
    const auto shown = tally_test::textFromBoundedChild([this] {
        tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
        tally_test::namedChild<QRadioButton>(wizard, "rbInclude")->setChecked(true);
        tally_test::namedChild<QPushButton>(wizard, "btNext2")->click();
        std::string text =
            std::to_string(tally_test::namedChild<PickList>(wizard, "PickList1")->count()) +
            " entries\n";
        for (const auto& message : drives.messages)
            text += message.text + "\n";
        return text;
    });
    EXPECT_EQ(shown, "3 entries\n" + settings + " is not a regular file, so it is ignored.\n");
}

TEST_F(WhichDriveTest, TheCloseBoxCancels) {
    tally_test::namedChild<QPushButton>(wizard, "btNext1")->click();
    wizard.close();
    EXPECT_EQ(wizard.result(), QDialog::Rejected);
    EXPECT_FALSE(wizard.allFiles);
}

TEST_F(WhichDriveTest, CancelOnPageOneRejects) {
    EXPECT_EQ(tally_test::namedChild<QPushButton>(wizard, "btCancel1")->text(), "Cancel");
    tally_test::namedChild<QPushButton>(wizard, "btCancel1")->click();
    EXPECT_EQ(wizard.result(), QDialog::Rejected);
}

} // namespace
