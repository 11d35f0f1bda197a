#include "types/stat_list_dialog.h"

#include "platform/class_registry.h"
#include "platform/file_text.h"
#include "platform/memory_class_registry.h"
#include "platform/message_hook.h"
#include "platform/profile_file.h"
#include "platform/temp_folder.h"
#include "types/select_extension_dialog.h"
#include "types/type_list_store.h"
#include "ui/effect_label.h"
#include "ui/pick_list.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

namespace fs = std::filesystem;
using platform::MessageResult;

namespace {

// Each case: its own configuration folder, a small registry, and confirmation boxes that are
// recorded and answered from a script.
class ListEditor : public ::testing::Test {
protected:
    void SetUp() override {
        auto registry = std::make_shared<platform::MemoryClassRegistry>();
        for (const char* ext : {".doc", ".exe", ".dll", ".txt", ".html"})
            registry->setValue(ext, "", std::string(ext + 1) + "file");
        registry->setValue("docfile", "", "Word document");
        registry->setValue("txtfile", "", "Text document");
        platform::setClassRegistry(registry);
        platform::setMessageHook(
            [this](platform::MessageKind kind, const std::string&, const std::string& text) {
                questions.push_back(text);
                EXPECT_EQ(kind, platform::MessageKind::Confirmation);
                if (answers.empty())
                    return MessageResult::Cancel;
                const MessageResult answer = answers.front();
                answers.pop_front();
                return answer;
            });
    }
    void TearDown() override {
        platform::setMessageHook(nullptr);
        platform::setClassRegistry(nullptr);
    }

    [[nodiscard]] fs::path settingsFile() const {
        return fs::path(m_home.path()) / "tally99" / settingsFileName;
    }
    [[nodiscard]] bool settingsExist() const { return fs::exists(settingsFile()); }
    void writeSettings(const std::string& text) const {
        fs::create_directories(settingsFile().parent_path());
        std::ofstream(settingsFile(), std::ios::binary) << text;
    }
    [[nodiscard]] std::string settingsText() const { return tally_test::fileText(settingsFile()); }

    template <typename T> static T* part(QWidget& dialog, const char* name) {
        T* widget = dialog.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void select(QWidget& dialog, const char* list, std::initializer_list<int> rows) {
        auto* pickList = part<PickList>(dialog, list);
        pickList->clearSelection();
        for (const int row : rows)
            pickList->item(row)->setSelected(true);
    }
    static QString counter(TypeListEditor& editor) {
        return part<EffectLabel>(editor, "lblCount")->text();
    }
    static void click(QWidget& dialog, const char* button) {
        part<QPushButton>(dialog, button)->click();
    }
    // Runs action on the picker once "&Add" has opened it.
    static void whenPickerOpens(std::function<void(ExtensionPicker&)> action) {
        QTimer::singleShot(
            0,
            [action = std::move(action)] {
                auto* picker = qobject_cast<ExtensionPicker*>(QApplication::activeModalWidget());
                ASSERT_NE(picker, nullptr);
                action(*picker);
            });
    }
    static void addTyped(TypeListEditor& editor, const QString& typed) {
        whenPickerOpens([typed](ExtensionPicker& picker) {
            part<QLineEdit>(picker, "Edit1")->setText(typed);
            click(picker, "BitBtn1");
        });
        click(editor, "btAdd");
    }

    std::vector<std::string> questions;
    std::deque<MessageResult> answers;

private:
    tally_test::TempFolder m_home;
    tally_test::XdgConfigHome m_config{m_home.path()};
};

const std::vector<std::string> defaults{"*.dll\tdllfile", "*.doc\tWord document", "*.exe\texefile"};

} // namespace

TEST_F(ListEditor, ShowsTheSectionSortedWithItsCount) {
    ASSERT_TRUE(WriteStatFilesToDisk({"*.txt", "*.DOC", "*.abc"}, includeSection));
    TypeListEditor editor(includeSection);
    editor.show();
    EXPECT_EQ(editor.windowTitle(), "File types");
    EXPECT_EQ(editor.entries(), (std::vector<std::string>{"*.abc\tABC File", "*.DOC\tWord document",
                                                          "*.txt\tText document"}));
    EXPECT_EQ(counter(editor), "3 available");
}

TEST_F(ListEditor, DeletingSeveralEntriesAsksFirstAndOneEntryDoesNot) {
    TypeListEditor editor(excludeSection);
    editor.show();
    ASSERT_EQ(editor.entries(), defaults);

    select(editor, "PickList1", {0, 2});
    answers = {MessageResult::No};
    click(editor, "btDelete");
    EXPECT_EQ(questions, std::vector<std::string>{"Really delete 2 extensions?"});
    EXPECT_EQ(editor.entries(), defaults);

    answers = {MessageResult::Yes};
    click(editor, "btDelete");
    EXPECT_EQ(editor.entries(), std::vector<std::string>{"*.doc\tWord document"});
    EXPECT_EQ(counter(editor), "1 available");

    questions.clear();
    select(editor, "PickList1", {0});
    click(editor, "btDelete");
    EXPECT_TRUE(questions.empty());
    EXPECT_TRUE(editor.entries().empty());
    click(editor, "btDelete"); // nothing selected: nothing happens
    EXPECT_EQ(counter(editor), "0 available");
}

TEST_F(ListEditor, ClearingAllNeedsAYes) {
    TypeListEditor editor(includeSection);
    editor.show();
    answers = {MessageResult::Cancel, MessageResult::No, MessageResult::Yes};
    click(editor, "btClear");
    click(editor, "btClear");
    EXPECT_EQ(editor.entries(), defaults);
    click(editor, "btClear");
    EXPECT_EQ(questions, std::vector<std::string>(3, "Really clear out all extensions?"));
    EXPECT_TRUE(editor.entries().empty());
    EXPECT_EQ(counter(editor), "0 available");
}

TEST_F(ListEditor, CloseStoresTheListAndTheCloseBoxDoesNot) {
    {
        TypeListEditor editor(includeSection);
        editor.show();
        select(editor, "PickList1", {1});
        click(editor, "btDelete");
        editor.close(); // the title bar's close box
        EXPECT_EQ(editor.result(), QDialog::Rejected);
        EXPECT_FALSE(settingsExist());
    }
    {
        TypeListEditor editor(includeSection);
        editor.show();
        EXPECT_EQ(editor.entries(), defaults);
        select(editor, "PickList1", {1});
        click(editor, "btDelete");
        click(editor, "btClose");
        EXPECT_EQ(editor.result(), QDialog::Accepted);
        EXPECT_FALSE(editor.isVisible());
    }
    std::vector<std::string> stored;
    ReadStatFilesFromDisk(stored, includeSection);
    EXPECT_EQ(stored, (std::vector<std::string>{"*.dll\tdllfile", "*.exe\texefile"}));
}

// A Latin-1 byte shows as a replacement character, but the entry keeps its bytes.
TEST_F(ListEditor, PatternsThatAreNotUtf8AreStoredByteForByte) {
    const std::string before = "[Include]\nNumber=3\nFile1=*.doc\nFile2=*.txt\nFile3=*.\xe4\n";
    writeSettings(before);
    TypeListEditor editor(includeSection);
    editor.show();
    ASSERT_EQ(editor.entries().size(), 3u);
    EXPECT_TRUE(editor.entries()[2].starts_with("*.\xe4\t")) << editor.entries()[2];
    click(editor, "btClose");
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(settingsText(), before);
}

TEST_F(ListEditor, EscapeStoresLikeClose) {
    TypeListEditor editor(excludeSection);
    editor.show();
    answers = {MessageResult::Yes};
    click(editor, "btClear");
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&editor, &escape);
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(platform::getPrivateProfileString(excludeSection, "Number", "", settingsFileName),
              "0");
}

TEST_F(ListEditor, TypedPatternsAreAddedOnceWhateverTheirForm) {
    TypeListEditor editor(includeSection);
    editor.show();
    addTyped(editor, "tmp");
    EXPECT_EQ(editor.entries().back(), "*.tmp\tTMP File");
    EXPECT_EQ(counter(editor), "4 available");
    for (const char* typed : {".tmp", "*.tmp", "TMP", "*.*", "*", ".*", "*.DOC"})
        addTyped(editor, typed);
    EXPECT_EQ(editor.entries(), (std::vector<std::string>{"*.dll\tdllfile", "*.doc\tWord document",
                                                          "*.exe\texefile", "*.tmp\tTMP File"}));
    addTyped(editor, "txt");
    EXPECT_EQ(editor.entries().back(), "*.txt\tText document");

    whenPickerOpens([](ExtensionPicker& picker) {
        part<QLineEdit>(picker, "Edit1")->setText("zip");
        click(picker, "BitBtn2");
    });
    click(editor, "btAdd");
    EXPECT_EQ(editor.entries().size(), 5u);
}

TEST_F(ListEditor, SeveralPickedLinesAreAddedUnlessPresent) {
    TypeListEditor editor(includeSection);
    editor.show();
    whenPickerOpens([](ExtensionPicker& picker) {
        select(picker, "lBox", {1, 3, 4});
        click(picker, "BitBtn1");
    });
    click(editor, "btAdd");
    EXPECT_EQ(editor.entries(),
              (std::vector<std::string>{"*.dll\tdllfile", "*.doc\tWord document", "*.exe\texefile",
                                        "*.html\thtmlfile", "*.txt\tText document"}));
}

// The fixture's registry lists *.dll, *.doc, *.exe, *.html and *.txt.
TEST_F(ListEditor, PickerTakesClickedLinesAndStaysOpenOnDoubleClicksThatChooseNothing) {
    ExtensionPicker picker;
    picker.show();
    EXPECT_EQ(picker.windowTitle(), "Select a file extension");
    auto* list = part<PickList>(picker, "lBox");
    auto* edit = part<QLineEdit>(picker, "Edit1");
    EXPECT_EQ(list->count(), 5);
    EXPECT_EQ(list->itemText(4), "*.txt\tText document");
    EXPECT_EQ(edit->text(), "*.dll");
    EXPECT_EQ(picker.focusWidget(), edit);
    EXPECT_EQ(edit->maxLength(), 6);

    select(picker, "lBox", {0, 1});
    emit list->itemDoubleClicked(list->item(1));
    EXPECT_TRUE(picker.isVisible());
    EXPECT_TRUE(picker.multiple());
    EXPECT_EQ(picker.selectedLines(),
              (std::vector<std::string>{"*.dll\tdllfile", "*.doc\tWord document"}));

    select(picker, "lBox", {});
    edit->setText("*.*");
    emit list->itemDoubleClicked(list->item(0));
    EXPECT_TRUE(picker.isVisible());
    EXPECT_FALSE(picker.multiple());

    emit list->entryClicked(4);
    EXPECT_EQ(edit->text(), "*.txt");
    emit list->itemDoubleClicked(list->item(4));
    EXPECT_EQ(picker.result(), QDialog::Accepted);
    EXPECT_EQ(picker.pattern(), "*.txt");
    EXPECT_EQ(picker.description(), "Text document");
}
