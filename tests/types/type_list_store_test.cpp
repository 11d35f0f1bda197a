#include "types/type_list_store.h"

#include "platform/bounded_child.h"
#include "platform/class_registry.h"
#include "platform/config_folder.h"
#include "platform/file_size_limit.h"
#include "platform/file_text.h"
#include "platform/memory_class_registry.h"
#include "platform/message_hook.h"
#include "platform/profile_file.h"
#include "platform/shown_messages.h"
#include "platform/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Records the message boxes a save shows, in a child process that reports through its exit code.
class ErrorBoxes final {
public:
    explicit ErrorBoxes(std::string expected) : m_expected(std::move(expected)) {
        platform::setMessageHook(
            [this](platform::MessageKind kind, const std::string&, const std::string& text) {
                ++m_count;
                m_lastIsExpected = kind == platform::MessageKind::Error && text == m_expected;
                return platform::MessageResult::Ok;
            });
        platform::setBeepHook([] {});
    }
    ~ErrorBoxes() {
        platform::setMessageHook({});
        platform::setBeepHook({});
    }
    ErrorBoxes(const ErrorBoxes&) = delete;
    ErrorBoxes& operator=(const ErrorBoxes&) = delete;

    [[nodiscard]] bool onlyTheExpectedOne() const { return m_count == 1 && m_lastIsExpected; }

private:
    std::string m_expected;
    int m_count = 0;
    bool m_lastIsExpected = false;
};

// Each case gets its own configuration folder and a registry that knows .doc, .exe and .dll.
class TypeListStore : public ::testing::Test {
protected:
    void SetUp() override {
        auto registry = std::make_shared<platform::MemoryClassRegistry>();
        registry->setValue(".doc", "", "Word.Document");
        registry->setValue("Word.Document", "", "Word document");
        registry->setValue(".exe", "", "exefile");
        registry->setValue("exefile", "", "Application");
        registry->setValue(".dll", "", "dllfile");
        registry->setValue(".txt", "", "txtfile");
        registry->setValue("txtfile", "", "Text Document");
        platform::setClassRegistry(registry);
    }
    void TearDown() override {
        platform::setClassRegistry(nullptr);
        platform::setMessageHook(nullptr);
        std::error_code ignored;
        fs::permissions(settingsFolder(), fs::perms::owner_all, ignored);
    }

    [[nodiscard]] fs::path settingsFolder() const { return fs::path(m_home.path()) / "tally99"; }
    [[nodiscard]] fs::path settingsFile() const { return settingsFolder() / settingsFileName; }
    void writeSettings(const std::string& text) const {
        fs::create_directories(settingsFolder());
        std::ofstream(settingsFile(), std::ios::binary) << text;
    }
    [[nodiscard]] std::string settingsText() const { return tally_test::fileText(settingsFile()); }
    [[nodiscard]] static std::string read(const std::string& section, const std::string& key) {
        return platform::getPrivateProfileString(section, key, "<none>", settingsFileName);
    }
    [[nodiscard]] static std::vector<std::string> load(const std::string& section) {
        std::vector<std::string> list{"left over"};
        ReadStatFilesFromDisk(list, section);
        return list;
    }

private:
    // Reachable by all, so that the permission case can reach it after giving up root.
    tally_test::TempFolder m_home = tally_test::TempFolder::reachableByAll();
    tally_test::XdgConfigHome m_config{m_home.path()};
};

const std::vector<std::string> defaults{"*.doc\tWord document", "*.exe\tApplication",
                                        "*.dll\tdllfile"};

} // namespace

TEST_F(TypeListStore, AFirstStartLoadsTheDefaultsWithoutWritingThem) {
    EXPECT_EQ(load(includeSection), defaults);
    EXPECT_EQ(load(excludeSection), defaults);
    EXPECT_FALSE(fs::exists(settingsFile()));
}

TEST_F(TypeListStore, NumbersThatAreNotWholeOrAreNegativeGiveTheDefaults) {
    for (const char* number : {"", "abc", "-1", "-7", "3x", "0x", "99999999999"}) {
        writeSettings(std::string("[Include]\nNumber=") + number + "\nFile1=*.txt\n");
        EXPECT_EQ(load(includeSection), defaults) << number;
    }
}

TEST_F(TypeListStore, NumberReadsDecimalAndHexadecimalAndValuesAsWritten) {
    writeSettings("[include]\nnumber=0x3\nfile1=*.TXT\nFile2=\nFile3=*.qqz\nFile4=*.doc\n");
    EXPECT_EQ(load(includeSection),
              (std::vector<std::string>{"*.TXT\tText Document", "*.qqz\tQQZ File"}));
    writeSettings("[Include]\nNumber=0X1\nFile1=*.doc\n");
    EXPECT_EQ(load(includeSection), std::vector<std::string>{"*.doc\tWord document"});
    writeSettings("[Include]\nNumber=0\nFile1=*.doc\n");
    EXPECT_TRUE(load(includeSection).empty());
}

TEST_F(TypeListStore, AnEmptiedListIsStoredAsZeroAndLoadsEmpty) {
    ASSERT_TRUE(WriteStatFilesToDisk({}, excludeSection));
    EXPECT_EQ(read(excludeSection, "Number"), "0");
    EXPECT_TRUE(load(excludeSection).empty());
    EXPECT_EQ(load(includeSection), defaults);
}

TEST_F(TypeListStore, AShortenedListLeavesItsOldKeysUnread) {
    const std::vector<std::string> five{"*.a\tA", "*.b\tB", "*.c", "*.d\tD", "*.txt\tanything"};
    ASSERT_TRUE(WriteStatFilesToDisk(five, includeSection));
    EXPECT_EQ(read(includeSection, "Number"), "5");
    EXPECT_EQ(read(includeSection, "File3"), "*.c");
    ASSERT_TRUE(
        WriteStatFilesToDisk({"*.txt\tText Document", "*.doc\tWord document"}, includeSection));
    EXPECT_EQ(read(includeSection, "Number"), "2");
    EXPECT_EQ(read(includeSection, "File5"), "*.txt");
    EXPECT_EQ(load(includeSection),
              (std::vector<std::string>{"*.txt\tText Document", "*.doc\tWord document"}));
}

TEST_F(TypeListStore, OtherSectionsAndKeysOfTheFileAreKept) {
    writeSettings("; kept comment\n[Other]\nkey=value\n[Exclude]\nNumber=1\nFile1=*.exe\n"
                  "Extra=1\n");
    ASSERT_TRUE(WriteStatFilesToDisk({"*.dll\tdllfile"}, excludeSection));
    ASSERT_TRUE(WriteStatFilesToDisk({"*.doc\tWord document"}, includeSection));
    EXPECT_EQ(read("Other", "key"), "value");
    EXPECT_EQ(read(excludeSection, "Extra"), "1");
    EXPECT_EQ(load(excludeSection), std::vector<std::string>{"*.dll\tdllfile"});
    EXPECT_EQ(load(includeSection), std::vector<std::string>{"*.doc\tWord document"});
    std::ifstream file(settingsFile());
    std::string first;
    std::getline(file, first);
    EXPECT_EQ(first, "; kept comment");
}

TEST_F(TypeListStore, AHugeNumberWithFewKeysLoadsWhatIsThere) {
    writeSettings("[Include]\nNumber=2147483647\nFile1=*.doc\nFile2=*.txt\n");
    EXPECT_EQ(load(includeSection),
              (std::vector<std::string>{"*.doc\tWord document", "*.txt\tText Document"}));
}

TEST_F(TypeListStore, EveryKeyFromOneToNumberIsReadHoweverManyAreMissing) {
    writeSettings("[Include]\nNumber=4097\nFile4097=*.txt\n");
    EXPECT_EQ(load(includeSection), std::vector<std::string>{"*.txt\tText Document"});

    // Keys come in the order of their numbers, the first of two equal names counts, and only
    // names that are "File" and the number as written in decimal are read.
    writeSettings("[Include]\nNumber=2000000000\nFile2000000001=*.exe\nFile2000000000=*.doc\n"
                  "file7=*.txt\nFILE7=*.dll\nFile07=*.exe\nFile 3=*.exe\nFile-1=*.exe\n");
    EXPECT_EQ(load(includeSection),
              (std::vector<std::string>{"*.txt\tText Document", "*.doc\tWord document"}));
}

// The new list needs a longer file than the disk has room for: nothing of it may reach the
// file, and the user hears of it.
TEST_F(TypeListStore, AFailedSaveLeavesThePreviousFileAsItWas) {
    const std::string before = "; mine\n[Include]\nNumber=3\nFile1=*.aaa\nFile2=*.bbb\n"
                               "File3=*.ccc\n[Exclude]\nNumber=0\n";
    writeSettings(before);
    const std::string expected = "Unable to write to " + settingsFile().string();
    const int code = tally_test::exitCodeWithFileSizeLimit(before.size(), [&] {
        const ErrorBoxes boxes(expected);
        const bool written =
            WriteStatFilesToDisk({"*.bbb", "*.ccc", "*.longer", "*.more"}, includeSection);
        return !written && boxes.onlyTheExpectedOne() ? 0 : 1;
    });
    EXPECT_EQ(code, 0) << "expected a failed save and one error box: " << expected;
    EXPECT_EQ(settingsText(), before);

    ASSERT_TRUE(WriteStatFilesToDisk({"*.bbb", "*.ccc", "*.longer", "*.more"}, includeSection));
    EXPECT_EQ(settingsText(), "; mine\n[Include]\nNumber=4\nFile1=*.bbb\nFile2=*.ccc\n"
                              "File3=*.longer\nFile4=*.more\n[Exclude]\nNumber=0\n");
}

// The folder is made read-only; root ignores that, so the write runs in a child that gives up
// root first. The child reports through its exit code.
TEST_F(TypeListStore, AnUnwritableFolderIsReportedAndStopsTheWrite) {
    fs::create_directories(settingsFolder());
    fs::permissions(settingsFolder(), fs::perms::owner_read | fs::perms::owner_exec |
                                          fs::perms::group_read | fs::perms::group_exec |
                                          fs::perms::others_read | fs::perms::others_exec);
    const std::string expected = "Unable to write to " + settingsFile().string();
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(10);
        if (access(settingsFolder().c_str(), X_OK) != 0)
            _exit(11); // the scratch folder is not reachable without root
        const ErrorBoxes boxes(expected);
        const bool written = WriteStatFilesToDisk({"*.doc\tWord document"}, includeSection);
        _exit(!written && boxes.onlyTheExpectedOne() && !fs::exists(settingsFile()) ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 10 || WEXITSTATUS(status) == 11)
        GTEST_SKIP() << "cannot drop root privileges to reach " << settingsFolder();
    EXPECT_EQ(WEXITSTATUS(status), 0) << "expected one error box: " << expected;
}

// Before, the wizard's type page waited forever in open() for someone to write to the FIFO.
TEST_F(TypeListStore, ASettingsFileThatIsAFifoLoadsTheDefaultsAndIsNotReplaced) {
    fs::create_directories(settingsFolder());
    ASSERT_EQ(::mkfifo(settingsFile().c_str(), 0644), 0);
    const auto shown = tally_test::textFromBoundedChild([] {
        return tally_test::textAndMessages([] {
            platform::setBeepHook([] {});
            const bool same = load(includeSection) == defaults;
            const bool saved = WriteStatFilesToDisk({"*.txt\tText Document"}, includeSection);
            return std::string(same ? "defaults\n" : "other list\n") +
                   (saved ? "saved\n" : "not saved\n");
        });
    });
    EXPECT_EQ(shown, "defaults\nnot saved\n" + settingsFile().string() +
                         " is not a regular file, so it is ignored.\nUnable to write to " +
                         settingsFile().string() + "\n");
    EXPECT_EQ(fs::status(settingsFile()).type(), fs::file_type::fifo);
}

// Root passes every access() test, but a settings file without write bits stays as it is.
TEST_F(TypeListStore, ASettingsFileWithoutWriteBitsIsNotSavedOverEvenByRoot) {
    const std::string before = "[Include]\nNumber=1\nFile1=*.txt\n";
    writeSettings(before);
    fs::permissions(settingsFile(), fs::perms(0444));
    const ErrorBoxes boxes("Unable to write to " + settingsFile().string());
    EXPECT_FALSE(WriteStatFilesToDisk({"*.doc\tWord document"}, includeSection));
    EXPECT_TRUE(boxes.onlyTheExpectedOne());
    EXPECT_EQ(settingsText(), before);
    EXPECT_EQ(load(includeSection), std::vector<std::string>{"*.txt\tText Document"});
}

TEST_F(TypeListStore, ASettingsFileThatIsALinkIsSavedThroughTheLink) {
    const fs::path kept = settingsFolder().parent_path() / "dotfiles" / "tally98.ini";
    fs::create_directories(kept.parent_path());
    fs::create_directories(settingsFolder());
    std::ofstream(kept) << "[Include]\nNumber=1\nFile1=*.txt\n";
    fs::create_symlink(kept, settingsFile());
    ASSERT_TRUE(WriteStatFilesToDisk({"*.doc\tWord document"}, includeSection));
    EXPECT_TRUE(fs::is_symlink(settingsFile()));
    EXPECT_EQ(tally_test::fileText(kept), "[Include]\nNumber=1\nFile1=*.doc\n");
    EXPECT_EQ(load(includeSection), std::vector<std::string>{"*.doc\tWord document"});
}
