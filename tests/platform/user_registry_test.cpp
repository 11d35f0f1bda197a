#include "platform/ad_library.h"
#include "platform/bounded_child.h"
#include "platform/config_folder.h"
#include "platform/ini_document.h"
#include "platform/shown_messages.h"
#include "platform/temp_folder.h"
#include "platform/user_registry.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace {
const std::string adKey = "Software\\Cydoor\\Adwr_53\\Loct_0";
}

TEST(UserRegistry, WritesOnlyIntoAKeyThatExists) {
    tally_test::TempFolder folder;
    tally_test::XdgConfigHome home(folder.path());
    EXPECT_FALSE(platform::userKeyExists(adKey));
    EXPECT_FALSE(platform::writeUserInteger(adKey, "DeftExpsLen", 45));
    EXPECT_FALSE(std::filesystem::exists(platform::configFilePath("registry.ini")));

    std::filesystem::create_directories(platform::configFolder());
    std::ofstream(platform::configFilePath("registry.ini"))
        << "[software\\cydoor\\adwr_53\\loct_0]\n";
    EXPECT_TRUE(platform::userKeyExists(adKey));
    EXPECT_TRUE(platform::writeUserInteger(adKey, "DeftExpsLen", 45));
    const auto doc = platform::IniDocument::load(platform::configFilePath("registry.ini"));
    EXPECT_EQ(doc.value(adKey, "DeftExpsLen"), "45");
}

// Before, the statistics window froze on showing: it waited in open() for a writer.
TEST(UserRegistry, ARegistryFileThatIsAFifoHasNoKeysAndIsNotWaitedOn) {
    tally_test::TempFolder folder;
    tally_test::XdgConfigHome home(folder.path());
    std::filesystem::create_directories(platform::configFolder());
    const auto path = platform::configFilePath("registry.ini");
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const auto shown = tally_test::textFromBoundedChild([] {
        return tally_test::textAndMessages([] {
            const bool exists = platform::userKeyExists(adKey);
            const bool written = platform::writeUserInteger(adKey, "DeftExpsLen", 45);
            return std::string(exists || written ? "key found\n" : "no key\n");
        });
    });
    EXPECT_EQ(shown, "no key\n" + path + " is not a regular file, so it is ignored.\n");
    EXPECT_EQ(std::filesystem::status(path).type(), std::filesystem::file_type::fifo);
}

TEST(AdLibrary, CallsAreRecordedAndHarmlessWithoutALibrary) {
    tally_test::TempFolder folder;
    tally_test::XdgConfigHome home(folder.path());
    platform::clearRecordedAdCalls();
    platform::AdShow({53, 1, 0, 7, 1, 1, 470, 65, 1, 0, 1, 1, 0, 0});
    platform::AdClose(0, 0, 0);
    ASSERT_EQ(platform::recordedAdCalls().size(), 2u);
    EXPECT_TRUE(platform::recordedAdCalls()[0].isShow);
    EXPECT_EQ(platform::recordedAdCalls()[0].args.size(), 14u);
    EXPECT_EQ(platform::recordedAdCalls()[0].args[6], 470);
    EXPECT_FALSE(platform::recordedAdCalls()[1].isShow);
    EXPECT_EQ(platform::recordedAdCalls()[1].args, (std::vector<std::intptr_t>{0, 0, 0}));
}
