// The advertisement library runs its code inside the program: it is loaded only from the
// installation's library folder or from where TALLY99_AD_LIBRARY names it, never from the
// settings folder, and never when others than its owner and root could change it. Each case
// runs in a child process, since a process loads the library once.
#include "platform/ad_library.h"
#include "platform/ad_library_file.h"
#include "platform/bounded_child.h"
#include "platform/config_folder.h"
#include "platform/file_text.h"
#include "platform/shown_messages.h"
#include "platform/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

void placeFakeLibrary(const fs::path& path, fs::perms permissions) {
    fs::create_directories(path.parent_path());
    fs::copy_file(FAKE_ADS_LIBRARY, path, fs::copy_options::overwrite_existing);
    fs::permissions(path, permissions);
}

// Calls AdShow (panel 7) and AdClose in a child and answers what reached the library (its log)
// followed by the messages the user was shown.
std::string callsReachingTheLibrary(const std::string& log) {
    ::setenv("FAKE_ADS_LOG", log.c_str(), 1);
    const auto text = tally_test::textFromBoundedChild([&log] {
        return tally_test::textAndMessages([&log] {
            platform::AdShow({53, 1, 0, 7, 1, 1, 470, 65, 1, 0, 1, 1, 0, 0});
            platform::AdClose(0, 0, 0);
            return fs::exists(log) ? tally_test::fileText(log) : std::string();
        });
    });
    ::unsetenv("FAKE_ADS_LOG");
    return text.value_or("the child did not finish");
}

class NamedLibrary final {
public:
    explicit NamedLibrary(const std::string& path) {
        ::setenv("TALLY99_AD_LIBRARY", path.c_str(), 1);
    }
    ~NamedLibrary() { ::unsetenv("TALLY99_AD_LIBRARY"); }
    NamedLibrary(const NamedLibrary&) = delete;
    NamedLibrary& operator=(const NamedLibrary&) = delete;
};

} // namespace

// Before, a file dropped into the settings folder (a synced or restored copy) ran inside the
// program.
TEST(AdLibraryFile, ALibraryInTheSettingsFolderIsNeverLoaded) {
    tally_test::TempFolder folder;
    tally_test::XdgConfigHome home(folder.path());
    placeFakeLibrary(platform::configFilePath("ads.so"), fs::perms(0755));
    EXPECT_EQ(callsReachingTheLibrary(folder.path() + "/log"), "");
}

TEST(AdLibraryFile, TheNamedLibraryGetsEveryCall) {
    tally_test::TempFolder folder;
    const std::string library = folder.path() + "/lib/ads.so";
    placeFakeLibrary(library, fs::perms(0755));
    fs::permissions(folder.path() + "/lib", fs::perms(0755));
    NamedLibrary named(library);
    EXPECT_EQ(callsReachingTheLibrary(folder.path() + "/log"), "show 7\nclose 0\n");
}

TEST(AdLibraryFile, ALibraryOthersCouldChangeIsRefusedAndSaidSo) {
    struct Case {
        unsigned file;
        unsigned folder;
        std::string problem;
    };
    const Case cases[] = {
        {0775, 0755, "is writable by others than its owner and root"},
        {0757, 0755, "is writable by others than its owner and root"},
        {0755, 0777, "lies in a folder that others than its owner and root can change"},
        {0755, 01777, "lies in a folder that others than its owner and root can change"},
    };
    for (const Case& c : cases) {
        tally_test::TempFolder folder;
        const std::string library = folder.path() + "/lib/ads.so";
        placeFakeLibrary(library, fs::perms(c.file));
        fs::permissions(folder.path() + "/lib", fs::perms(c.folder));
        NamedLibrary named(library);
        EXPECT_EQ(callsReachingTheLibrary(folder.path() + "/log"),
                  library + " " + c.problem +
                      ", so it is ignored; the advertisement panel stays empty.\n")
            << std::oct << c.file << " in " << c.folder;
    }
}

TEST(AdLibraryFile, ALinkIsJudgedByTheFileItLeadsTo) {
    tally_test::TempFolder folder;
    const std::string library = folder.path() + "/lib/ads.so";
    placeFakeLibrary(library, fs::perms(0777));
    fs::permissions(folder.path() + "/lib", fs::perms(0755));
    fs::create_symlink(library, folder.path() + "/link.so");
    EXPECT_EQ(platform::adLibraryRefusal(folder.path() + "/link.so"),
              "is writable by others than its owner and root");
    fs::permissions(library, fs::perms(0755));
    EXPECT_EQ(platform::adLibraryRefusal(folder.path() + "/link.so"), "");
}

TEST(AdLibraryFile, ANamedFileThatIsMissingOrNoLibraryIsSaidSo) {
    tally_test::TempFolder folder;
    const std::string missing = folder.path() + "/none.so";
    {
        NamedLibrary named(missing);
        const std::string shown = callsReachingTheLibrary(folder.path() + "/log");
        EXPECT_EQ(shown.rfind(missing + " cannot be found: ", 0), 0u) << shown;
    }
    const std::string text = folder.path() + "/text.so";
    std::ofstream(text) << "not a library\n";
    fs::permissions(text, fs::perms(0644));
    NamedLibrary named(text);
    const std::string shown = callsReachingTheLibrary(folder.path() + "/log");
    EXPECT_EQ(shown.rfind(text + " cannot be loaded: ", 0), 0u) << shown;
    EXPECT_NE(shown.find("the advertisement panel stays empty.\n"), std::string::npos) << shown;
}

TEST(AdLibraryFile, TheInstalledLibraryLiesInTheInstallationsLibraryFolder) {
    const fs::path installed = fs::path(platform::installedAdLibrary("/opt/t99/bin"));
    const std::string normal = installed.lexically_normal().string();
    EXPECT_EQ(normal.rfind("/opt/t99/lib", 0), 0u) << normal;
    EXPECT_EQ(installed.filename(), "ads.so");
    EXPECT_EQ(installed.parent_path().filename(), "tally99");
}

TEST(AdLibraryFile, TheRunningProgramsFolderHoldsThisTest) {
    EXPECT_TRUE(fs::exists(platform::runningProgramFolder() + "/ad_library_test"));
}

// Before, every call stayed in the record for as long as the program ran.
TEST(AdLibrary, TheRecordKeepsOnlyTheLatestCalls) {
    const auto text = tally_test::textFromBoundedChild([] {
        for (std::intptr_t i = 0; i < 10'000; ++i)
            platform::AdClose(i, 0, 0);
        const auto& calls = platform::recordedAdCalls();
        return std::to_string(calls.size()) + " " + std::to_string(calls.front().args[0]) + " " +
               std::to_string(calls.back().args[0]);
    });
    EXPECT_EQ(text, std::to_string(platform::recordedAdCallLimit) + " " +
                        std::to_string(10'000 - platform::recordedAdCallLimit) + " 9999");
}
