#include "platform/read_ahead.h"
#include "platform/read_watch.h"
#include "temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <thread>

namespace fs = std::filesystem;
using platform::ReadAhead;

namespace {

// Waits until value() stays the same for a while: the threads have done what they may.
std::size_t settled(const std::function<std::size_t()>& value) {
    std::size_t last = value();
    for (int still = 0; still < 20;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        const std::size_t now = value();
        still = now == last ? still + 1 : 0;
        last = now;
    }
    return last;
}

// 20 folders of 10 folders each, a file in every one: 221 folders to read with the top. Beside
// them a hidden folder and a link to a folder, which the walk does not enter either.
void makeTree(const fs::path& root) {
    for (int i = 0; i < 20; ++i)
        for (int j = 0; j < 10; ++j) {
            const fs::path folder = root / ("d" + std::to_string(i)) / ("e" + std::to_string(j));
            fs::create_directories(folder);
            std::ofstream(folder / "file.txt") << "x";
        }
    fs::create_directories(root / ".hidden" / "a" / "b");
    fs::create_directory_symlink(root / "d0", root / "link");
}

ReadAhead::Settings settings(std::size_t window, std::size_t probe = 100000) {
    ReadAhead::Settings chosen;
    chosen.threads = 4;
    chosen.window = window;
    chosen.probes = probe;
    return chosen;
}

} // namespace

TEST(ReadAhead, NeverReadsMoreThanTheWindowBeyondTheWalkAndReadsWhatTheWalkEnters) {
    tally_test::TempFolder temp;
    makeTree(temp.path());
    ReadAhead ahead(temp.path(), settings(8));
    auto read = [&] { return ahead.directoriesRead(); };
    EXPECT_EQ(settled(read), 8u) << "the walk has entered nothing yet";
    for (int i = 0; i < 20; ++i)
        ahead.entered();
    EXPECT_EQ(settled(read), 28u);
    for (int i = 0; i < 300; ++i)
        ahead.entered();
    EXPECT_EQ(settled(read), 221u) << "every folder once; neither the hidden one nor the link";
    EXPECT_LE(ahead.largestLead(), 8u);
    EXPECT_FALSE(ahead.gaveUp());
    ahead.stop();
}

TEST(ReadAhead, StopEndsEveryThreadAndNothingIsReadAfterIt) {
    tally_test::TempFolder temp;
    makeTree(temp.path());
    ReadAhead ahead(temp.path(), settings(100));
    ahead.stop(); // returns only once the threads have ended, wherever they were
    const std::size_t read = ahead.directoriesRead();
    for (int i = 0; i < 300; ++i)
        ahead.entered();
    EXPECT_EQ(settled([&] { return ahead.directoriesRead(); }), read);
    EXPECT_LT(read, 221u + 1);
}

TEST(ReadAhead, GivesUpWhenTheTreeIsCachedAndDoesNothingForAFolderItCannotOpen) {
    tally_test::TempFolder temp;
    makeTree(temp.path());
    {
        ReadAhead ahead(temp.path(), settings(1000, 50));
        for (int i = 0; i < 300; ++i)
            ahead.entered();
        settled([&] { return ahead.directoriesRead(); });
        EXPECT_TRUE(ahead.gaveUp()) << "a tree just made is in the cache";
        EXPECT_LT(ahead.directoriesRead(), 221u);
    }
    ReadAhead nowhere(temp.path() + "/missing", settings(10));
    nowhere.entered();
    EXPECT_EQ(nowhere.directoriesRead(), 0u);
}

TEST(ReadAhead, GivesUpWithinOneLargeCachedFolder) {
    tally_test::TempFolder temp;
    for (int i = 0; i < 3000; ++i)
        std::ofstream(temp.path() + "/file number " + std::to_string(i) + ".txt");
    // Opening the folder and each batch of its entries count: a folder of a million cached
    // files must not be looked up twice.
    ReadAhead ahead(temp.path(), settings(10, 3));
    ahead.entered();
    settled([&] { return ahead.directoriesRead(); });
    ahead.stop();
    EXPECT_TRUE(ahead.gaveUp());
}

TEST(ReadAhead, GivesUpInALargeCachedFolderAfterAsManyLookUpsAsInATree) {
    // With the usual settings the threads give up after some hundreds of cached reads; in a
    // folder of 20,000 files that are a few dozen batches, but a batch counts by its entries.
    tally_test::TempFolder temp;
    for (int i = 0; i < 20000; ++i)
        std::ofstream(temp.path() + "/" + std::to_string(i) + ".txt");
    ReadAhead ahead(temp.path(), settings(10, ReadAhead::Settings{}.probes));
    ahead.entered();
    // Without giving up the threads would look up all 20,000 and stay on.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!ahead.gaveUp() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ahead.stop();
    EXPECT_TRUE(ahead.gaveUp());
}

TEST(ReadWatch, CountsAReadAsWaitingOnlyWhenItSleptLongerThanItMay) {
    using namespace std::chrono_literals;
    const auto longest = std::chrono::microseconds(500);
    platform::ReadWatch watch;
    EXPECT_FALSE(watch.waited(longest)) << "nothing took long";

    // A thread put aside for others runs late without sleeping: busy all along looks the same.
    const auto busyUntil = std::chrono::steady_clock::now() + 20ms;
    while (std::chrono::steady_clock::now() < busyUntil) {
    }
    EXPECT_FALSE(watch.waited(longest)) << "long, but never asleep";

    watch.restart();
    std::this_thread::sleep_for(20ms);
    EXPECT_TRUE(watch.waited(longest)) << "asleep, as while the disk reads";
    EXPECT_FALSE(watch.waited(std::chrono::seconds(10))) << "asleep, but not for long";

    platform::ReadWatch idle(false);
    std::this_thread::sleep_for(2ms);
    EXPECT_FALSE(idle.waited(longest));
}
