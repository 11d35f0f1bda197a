#include "platform/directory_listing.h"
#include "platform/directory_search.h"
#include "platform/drives.h"
#include "platform/walk_position.h"
#include "temp_folder.h"

#include <QLoggingCategory>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace platform;

namespace {

constexpr std::uint64_t fiveGiB = 5ULL << 30;

struct Seen {
    std::uint64_t size;
    std::uint32_t attributes;
    FileTime creation;
    FileTime access;
    FileTime write;
};

std::map<std::string, Seen> listCurrentDirectory(std::uint32_t skipMask, bool withDetails) {
    std::map<std::string, Seen> seen;
    DirectorySearch search;
    for (bool found = search.findFirst(skipMask, withDetails); found; found = search.findNext()) {
        const auto& d = search.data();
        seen[std::string(d.name)] = {d.size, d.attributes, d.creationTime, d.lastAccessTime,
                                     d.lastWriteTime};
    }
    return seen;
}

struct Identity {
    dev_t device;
    ino_t inode;
    bool operator==(const Identity&) const = default;
};

Identity identityOf(const std::string& path) {
    struct stat status {};
    EXPECT_EQ(::stat(path.c_str(), &status), 0) << path;
    return {status.st_dev, status.st_ino};
}

// Where a path relative to the walk's directory leads ("." for the walk's directory itself).
Identity walkIdentityOf(const char* relative) {
    struct stat status {};
    EXPECT_EQ(::fstatat(walkDirectoryDescriptor(), relative, &status, 0), 0) << relative;
    return {status.st_dev, status.st_ino};
}

// Maps drive d to a folder through drives.ini in a temporary configuration folder.
class FolderDrive final {
public:
    explicit FolderDrive(const std::string& folder) : m_xdg(m_config.path()) {
        std::filesystem::create_directories(m_config.path() + "/tally99");
        std::ofstream(m_config.path() + "/tally99/drives.ini")
            << "[Drives]\nauto=0\nd=" << folder << "\n";
        reloadDriveTable();
    }

private:
    tally_test::TempFolder m_config;
    tally_test::XdgConfigHome m_xdg;
};

// A tree with one entry of every kind the search must tell apart.
class SampleTree final {
public:
    SampleTree() {
        const auto& root = m_temp.path();
        std::ofstream(root + "/plain") << "0123456789";
        std::ofstream(root + "/.hidden") << "x";
        std::ofstream(root + "/readonly") << "r";
        ::chmod((root + "/readonly").c_str(), 0444);
        ::mkfifo((root + "/fifo").c_str(), 0644);
        std::filesystem::create_directory(root + "/sub");
        std::filesystem::create_directory(root + "/.hiddendir");
        std::filesystem::create_symlink(root + "/plain", root + "/link_file");
        std::filesystem::create_symlink("sub", root + "/link_dir");
        std::filesystem::create_symlink("nowhere", root + "/dangling");
        std::filesystem::create_symlink("loop", root + "/loop");
        std::ofstream(root + "/caf\xe9") << "latin-1 name";
        const int big = ::open((root + "/big").c_str(), O_CREAT | O_WRONLY, 0644);
        EXPECT_EQ(::ftruncate(big, off_t(fiveGiB)), 0);
        ::close(big);
        // A socket's path is short when it is bound relative to the current directory.
        EXPECT_EQ(::chdir(root.c_str()), 0);
        m_socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::string("sock").copy(address.sun_path, 4);
        EXPECT_EQ(::bind(m_socket, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    }
    ~SampleTree() { ::close(m_socket); }
    SampleTree(const SampleTree&) = delete;
    SampleTree& operator=(const SampleTree&) = delete;

    [[nodiscard]] const std::string& path() const { return m_temp.path(); }

private:
    tally_test::TempFolder m_temp;
    int m_socket = -1;
};

// Makes a chain of folders "d" below the current directory, depth levels deep, without paths.
void makeChain(int depth) {
    const int start = ::open(".", O_RDONLY | O_DIRECTORY);
    for (int i = 0; i < depth; ++i) {
        ASSERT_EQ(::mkdir("d", 0755), 0);
        ASSERT_EQ(::chdir("d"), 0);
    }
    std::ofstream("bottom") << "b";
    ASSERT_EQ(::fchdir(start), 0);
    ::close(start);
}

// Removes such a chain bottom up; the library's recursive removal works with paths that are
// too long here.
void removeChain(const std::string& top) {
    ASSERT_EQ(::chdir(top.c_str()), 0);
    int depth = 0;
    while (::chdir("d") == 0)
        ++depth;
    ::unlink("bottom");
    for (; depth > 0; --depth) {
        ASSERT_EQ(::chdir(".."), 0);
        ASSERT_EQ(::rmdir("d"), 0);
    }
}

} // namespace

TEST(DirectorySearch, DetailsDescribeEveryKindOfEntry) {
    SampleTree tree;
    ASSERT_EQ(::chdir(tree.path().c_str()), 0);
    const auto seen = listCurrentDirectory(0, true);

    ASSERT_EQ(seen.count("."), 1U);
    ASSERT_EQ(seen.count(".."), 1U);
    EXPECT_EQ(seen.at(".").attributes, attrDirectory);
    EXPECT_EQ(seen.at("..").attributes, attrDirectory);
    EXPECT_EQ(seen.at("sub").attributes, attrDirectory);
    EXPECT_EQ(seen.at(".hiddendir").attributes, attrDirectory | attrHidden);
    EXPECT_EQ(seen.at("plain").attributes, 0U);
    EXPECT_EQ(seen.at("plain").size, 10U);
    EXPECT_EQ(seen.at(".hidden").attributes, attrHidden);
    EXPECT_EQ(seen.at("readonly").attributes, attrReadOnly);
    EXPECT_EQ(seen.at("fifo").attributes, attrSystem);
    EXPECT_EQ(seen.at("sock").attributes, attrSystem);
    for (const auto* link : {"link_file", "link_dir", "dangling", "loop"}) {
        ASSERT_EQ(seen.count(link), 1U) << link;
        EXPECT_EQ(seen.at(link).attributes, attrReparsePoint) << link;
        EXPECT_EQ(seen.at(link).size, 0U) << link;
    }
    EXPECT_EQ(seen.at("big").size, fiveGiB);
    EXPECT_EQ(seen.at("caf\xe9").size, 12U);

    struct stat status {};
    ASSERT_EQ(::stat("plain", &status), 0);
    EXPECT_EQ(seen.at("plain").write,
              fileTimeFromUnix(status.st_mtim.tv_sec, std::uint32_t(status.st_mtim.tv_nsec)));
    EXPECT_EQ(seen.at("plain").access,
              fileTimeFromUnix(status.st_atim.tv_sec, std::uint32_t(status.st_atim.tv_nsec)));
    // Birth time where the file system keeps one, never a made-up value.
    const FileTime creation = seen.at("plain").creation;
    EXPECT_TRUE(creation == 0 || (creation <= seen.at("plain").write + 10'000'000 &&
                                  creation + 3600ULL * 10'000'000 > seen.at("plain").write));
}

TEST(DirectorySearch, NamesOnlyAndSkipMask) {
    SampleTree tree;
    ASSERT_EQ(::chdir(tree.path().c_str()), 0);
    const auto names = listCurrentDirectory(0, false);
    EXPECT_EQ(names.size(), 15U);
    EXPECT_EQ(names.at("plain").size, 0U);
    EXPECT_EQ(names.at("plain").write, 0U);
    EXPECT_EQ(names.at("readonly").attributes, 0U) << "read-only needs the details";
    EXPECT_EQ(names.at("fifo").attributes, attrSystem);
    EXPECT_EQ(names.at("link_dir").attributes, attrReparsePoint);
    EXPECT_EQ(names.at("sub").attributes, attrDirectory);

    const auto visible = listCurrentDirectory(attrHidden | attrSystem | attrVolumeLabel, true);
    EXPECT_EQ(visible.count(".hidden"), 0U);
    EXPECT_EQ(visible.count(".hiddendir"), 0U);
    EXPECT_EQ(visible.count("fifo"), 0U);
    EXPECT_EQ(visible.count("sock"), 0U);
    EXPECT_EQ(visible.count("."), 1U);
    EXPECT_EQ(visible.count("plain"), 1U);
    EXPECT_EQ(visible.size(), 11U);
}

TEST(DirectorySearch, ASubdirectorySearchFindsTheDirectoriesAndNothingElse) {
    SampleTree tree;
    ASSERT_EQ(::chdir(tree.path().c_str()), 0);
    DirectoryListing listing;
    ASSERT_TRUE(listing.read());
    DirectorySearch search;
    std::vector<std::string> found;
    for (bool more = search.findFirstSubdirectory(listing, attrHidden); more;
         more = search.findNext()) {
        EXPECT_EQ(search.data().attributes & attrDirectory, attrDirectory) << search.data().name;
        found.emplace_back(search.data().name);
    }
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{".", "..", "sub"}))
        << "no link to a folder, no file, no hidden folder";
    EXPECT_TRUE(search.findFirst(listing, 0, false)) << "the same listing serves a full search";
    int entries = 1;
    while (search.findNext())
        ++entries;
    EXPECT_EQ(entries, 15);
}

TEST(DirectorySearch, UnreadableOrEmptyListingFindsNothing) {
    tally_test::TempFolder temp;
    ASSERT_EQ(::chdir(temp.path().c_str()), 0);
    DirectorySearch search;
    EXPECT_FALSE(search.findFirst(attrDirectory, true)) << "only . and .. exist";
    ASSERT_EQ(::rmdir(temp.path().c_str()), 0);
    EXPECT_FALSE(search.findFirst(0, true)) << "a removed directory lists nothing";
    EXPECT_FALSE(search.findNext());
}

TEST(WalkPosition, EntersOnlyRealSubdirectoriesOfTheDrive) {
    SampleTree tree;
    FolderDrive drive(tree.path());
    ASSERT_TRUE(enterDriveRoot('D'));
    EXPECT_EQ(currentDirectory(), tree.path());
    const Identity root = walkIdentityOf(".");
    for (const auto* name : {"link_dir", "link_file", "dangling", "loop", "plain", "fifo", "..",
                             ".", "", "sub/", "missing"}) {
        EXPECT_FALSE(enterDirectory(name)) << name;
        EXPECT_EQ(walkIdentityOf("."), root) << name;
    }
    ASSERT_TRUE(enterDirectory("sub"));
    EXPECT_EQ(currentDirectory(), tree.path() + "/sub");
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), root);
    EXPECT_FALSE(enterDriveRoot('q'));
}

namespace {

std::vector<std::string> walkMessages;

void keepWalkMessage(QtMsgType, const QMessageLogContext& context, const QString& text) {
    if (std::string_view(context.category) == "tally.walk")
        walkMessages.push_back(text.toStdString());
}

} // namespace

// A folder the walk passes over without a word on screen is explained in its log, with the
// path and the system's reason, and only when the log is asked for.
TEST(WalkPosition, FoldersPassedOverAreLoggedWithPathAndReasonWhenAsked) {
    SampleTree tree;
    FolderDrive drive(tree.path());
    ASSERT_TRUE(enterDriveRoot('D'));
    walkMessages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWalkMessage);
    EXPECT_FALSE(enterDirectory("plain"));
    EXPECT_TRUE(walkMessages.empty()) << "silent unless asked for";

    QLoggingCategory::setFilterRules(QStringLiteral("tally.walk.info=true"));
    EXPECT_FALSE(enterDirectory("plain"));
    EXPECT_FALSE(enterDirectory("missing"));
    ASSERT_TRUE(enterDirectory("sub"));
    EXPECT_TRUE(leaveDirectory());
    QLoggingCategory::setFilterRules(QString());
    qInstallMessageHandler(previous);

    EXPECT_EQ(walkMessages,
              (std::vector<std::string>{
                  "cannot enter " + tree.path() + "/plain: " + std::strerror(ENOTDIR),
                  "cannot enter " + tree.path() + "/missing: " + std::strerror(ENOENT)}));
}

TEST(WalkPosition, NeverCrossesIntoAnotherFileSystem) {
    if (identityOf("/proc").device == identityOf("/").device)
        GTEST_SKIP() << "/proc is not a separate file system here";
    tally_test::TempFolder config;
    tally_test::XdgConfigHome xdg(config.path());
    reloadDriveTable();
    ASSERT_TRUE(enterDriveRoot('c'));
    EXPECT_FALSE(enterDirectory("proc"));
    EXPECT_EQ(walkIdentityOf("."), identityOf("/"));
}

TEST(WalkPosition, ChainOf5000LevelsDownAndBackUp) {
    tally_test::TempFolder temp;
    ASSERT_EQ(::chdir(temp.path().c_str()), 0);
    constexpr int depth = 5000;
    makeChain(depth);
    {
        FolderDrive drive(temp.path());
        ASSERT_TRUE(enterDriveRoot('d'));
        const Identity root = walkIdentityOf(".");
        for (int i = 0; i < depth; ++i)
            ASSERT_TRUE(enterDirectory("d")) << "level " << i;
        const auto bottom = listCurrentDirectory(0, true);
        EXPECT_EQ(bottom.count("bottom"), 1U);
        const std::string path = currentDirectory();
        std::string expected = temp.path();
        for (int i = 0; i < depth; ++i)
            expected += "/d";
        EXPECT_EQ(path, expected) << "paths longer than PATH_MAX are put together from the names";
        for (int i = 0; i < depth; ++i)
            EXPECT_TRUE(leaveDirectory());
        EXPECT_EQ(walkIdentityOf("."), root);
    }
    removeChain(temp.path());
}

// The walk's directory is a descriptor it keeps; a directory listed once and listed again
// after the walk came back from below lists whole the second time too.
TEST(WalkPosition, ADirectoryListedBeforeAndAfterASubdirectoryListsWholeBothTimes) {
    tally_test::TempFolder temp;
    std::filesystem::create_directories(temp.path() + "/a/b");
    std::ofstream(temp.path() + "/a/file") << "f";
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_TRUE(enterDirectory("a"));
    const auto before = listCurrentDirectory(0, true);
    ASSERT_TRUE(enterDirectory("b"));
    EXPECT_EQ(listCurrentDirectory(0, true).size(), 2U) << "b holds . and .. only";
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path() + "/a"));
    const auto after = listCurrentDirectory(0, true);
    EXPECT_EQ(before.size(), 4U);
    EXPECT_EQ(after.size(), before.size());
    EXPECT_EQ(after.count("file"), 1U);
    EXPECT_TRUE(leaveDirectory());
}

TEST(WalkPosition, LeavingARemovedDirectoryReturnsToItsParent) {
    tally_test::TempFolder temp;
    std::filesystem::create_directories(temp.path() + "/a/b");
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_TRUE(enterDirectory("a"));
    ASSERT_TRUE(enterDirectory("b"));
    ASSERT_EQ(::rmdir((temp.path() + "/a/b").c_str()), 0);
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path() + "/a"));
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path()));
}

TEST(WalkPosition, LeavingAMovedDirectoryReturnsToWhereItCameFrom) {
    tally_test::TempFolder temp;
    std::filesystem::create_directories(temp.path() + "/a/b/c");
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_TRUE(enterDirectory("a"));
    ASSERT_TRUE(enterDirectory("b"));
    ASSERT_TRUE(enterDirectory("c"));
    std::filesystem::rename(temp.path() + "/a/b/c", temp.path() + "/moved");
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path() + "/a/b"));
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path() + "/a"));
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path()));
    EXPECT_TRUE(leaveDirectory());
    EXPECT_EQ(walkIdentityOf("."), identityOf(temp.path())) << "the root is never left";
}

TEST(WalkPosition, DeepBelowTheOpenLevelsAMovedDirectoryIsStillLeftCorrectly) {
    // The walk keeps a limited number of levels open; below them it finds its way back by
    // checking where ".." leads.
    tally_test::TempFolder temp;
    ASSERT_EQ(::chdir(temp.path().c_str()), 0);
    constexpr int depth = 300;
    makeChain(depth);
    {
        FolderDrive drive(temp.path());
        ASSERT_TRUE(enterDriveRoot('d'));
        const Identity root = walkIdentityOf(".");
        for (int i = 0; i < depth; ++i)
            ASSERT_TRUE(enterDirectory("d")) << "level " << i;
        const Identity parent = walkIdentityOf("..");
        const std::string moved = temp.path() + "/moved";
        ASSERT_EQ(::renameat(walkDirectoryDescriptor(), "../d", AT_FDCWD, moved.c_str()), 0);
        ASSERT_NE(walkIdentityOf(".."), parent) << "\"..\" now leads to the drive's root";
        EXPECT_TRUE(leaveDirectory());
        EXPECT_EQ(walkIdentityOf("."), parent);
        for (int i = 1; i < depth; ++i)
            EXPECT_TRUE(leaveDirectory());
        EXPECT_EQ(walkIdentityOf("."), root);
        std::filesystem::remove_all(moved);
    }
    removeChain(temp.path());
}

TEST(WalkPosition, DeepDownALostWayIsToldUntilTheWalkIsBackWhereItCanProveItIs) {
    // Deeper than the levels kept open, the bottom folder is moved away (".." no longer leads
    // back) and the level-270 folder renamed (the way down by names is gone too).
    tally_test::TempFolder temp;
    ASSERT_EQ(::chdir(temp.path().c_str()), 0);
    constexpr int depth = 300;
    makeChain(depth);
    std::string level269 = temp.path();
    for (int i = 0; i < 269; ++i)
        level269 += "/d";
    const Identity provable = identityOf(level269);
    {
        FolderDrive drive(temp.path());
        ASSERT_TRUE(enterDriveRoot('d'));
        const Identity root = walkIdentityOf(".");
        for (int i = 0; i < depth; ++i)
            ASSERT_TRUE(enterDirectory("d")) << "level " << i;
        ASSERT_EQ(::rename((level269 + "/d").c_str(), (level269 + "/renamed").c_str()), 0);
        ASSERT_EQ(::renameat(walkDirectoryDescriptor(), "../d", AT_FDCWD,
                             (temp.path() + "/moved").c_str()),
                  0);
        for (int level = depth - 1; level > 269; --level) {
            EXPECT_FALSE(leaveDirectory()) << "to level " << level;
            EXPECT_FALSE(enterDirectory("d")) << "nothing is entered while the way is lost";
        }
        EXPECT_TRUE(leaveDirectory()) << "level 269 is where the way down by names ended";
        EXPECT_EQ(walkIdentityOf("."), provable);
        EXPECT_EQ(currentDirectory(), level269);
        for (int level = 268; level >= 0; --level)
            ASSERT_TRUE(leaveDirectory()) << "to level " << level;
        EXPECT_EQ(walkIdentityOf("."), root);
        ASSERT_EQ(::rename((level269 + "/renamed").c_str(), (level269 + "/d").c_str()), 0);
        std::filesystem::remove_all(temp.path() + "/moved");
    }
    removeChain(temp.path());
}

namespace {

// Makes the folder "big" below root with files empty files, each named padding and a number.
void makeBigFolder(const std::string& root, int files, const std::string& padding) {
    ASSERT_EQ(::mkdir((root + "/big").c_str(), 0755), 0);
    for (int i = 0; i < files; ++i)
        std::ofstream(root + "/big/" + padding + std::to_string(i));
}

} // namespace

TEST(DirectoryListing, ReadsLargeDirectoriesWholeAndEachSearchFromTheStart) {
    tally_test::TempFolder temp;
    // More names than one read of the directory returns.
    constexpr int files = 3000;
    const std::string padding(60, 'x');
    makeBigFolder(temp.path(), files, padding);
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_TRUE(enterDirectory("big"));
    DirectoryListing listing;
    ASSERT_TRUE(listing.read());
    EXPECT_EQ(listing.size(), std::size_t(files + 2)) << "every name, . and .. included";
    EXPECT_EQ(listCurrentDirectory(0, true).size(), std::size_t(files + 2))
        << "a second read of the directory just entered starts from its beginning";
    DirectorySearch search;
    int found = 0;
    for (bool more = search.findFirst(listing, 0, true); more; more = search.findNext())
        found += search.data().name.starts_with(padding) ? 1 : 0;
    EXPECT_EQ(found, files);
    EXPECT_TRUE(leaveDirectory());
}

TEST(DirectoryListing, ADirectoryOverItsBudgetComesInBatchesReadOnceInTheSameOrder) {
    tally_test::TempFolder temp;
    constexpr int files = 3000;
    const std::string padding(40, 'y');
    makeBigFolder(temp.path(), files, padding);
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_TRUE(enterDirectory("big"));
    auto namesOf = [](DirectoryListing& listing, std::size_t& largestBatch) {
        std::vector<std::string> names;
        DirectorySearch search;
        for (bool more = search.findFirst(listing, 0, false); more; more = search.findNext()) {
            names.emplace_back(search.data().name);
            largestBatch = std::max(largestBatch, listing.size());
        }
        return names;
    };
    DirectoryListing whole;
    ASSERT_TRUE(whole.push());
    EXPECT_FALSE(whole.partial());
    std::size_t wholeSize = 0;
    const std::vector<std::string> expected = namesOf(whole, wholeSize);
    ASSERT_EQ(expected.size(), std::size_t(files + 2));

    DirectoryListing bounded(16 * 1024);
    ASSERT_TRUE(bounded.push());
    EXPECT_TRUE(bounded.partial());
    std::size_t largestBatch = 0;
    EXPECT_EQ(namesOf(bounded, largestBatch), expected) << "every entry once, in the same order";
    EXPECT_LT(largestBatch, std::size_t(files / 2)) << "never the whole directory at once";
    EXPECT_FALSE(bounded.readMore()) << "the directory was read to its end";

    // A directory pushed on top ends the batches of the partial one below it.
    DirectoryListing stacked(16 * 1024);
    ASSERT_TRUE(stacked.push());
    ASSERT_TRUE(stacked.partial());
    ASSERT_TRUE(stacked.push());
    EXPECT_TRUE(stacked.partial()) << "the same big directory again, and the budget is used up";
    stacked.pop();
    EXPECT_FALSE(stacked.partial());
    EXPECT_FALSE(stacked.readMore());
    EXPECT_TRUE(leaveDirectory());
}

TEST(DirectoryListing, NamesOfEveryLengthComeWholeAndStayWholeUnderTheNextLevel) {
    tally_test::TempFolder temp;
    ASSERT_EQ(::mkdir((temp.path() + "/sub").c_str(), 0755), 0);
    // Every length a name can have, so that its end falls on every byte of a record's padding;
    // the names differ in every byte, so that a byte taken from a neighbour shows.
    std::vector<std::string> expected{".", "..", "sub"};
    for (std::size_t length = 1; length <= 255; ++length) {
        std::string name(length, 'a');
        for (std::size_t i = 0; i < length; ++i)
            name[i] = static_cast<char>('a' + (i + length) % 26);
        std::ofstream(temp.path() + "/" + name);
        std::ofstream(temp.path() + "/sub/" + name);
        expected.push_back(name);
    }
    std::sort(expected.begin(), expected.end());
    auto topNames = [](const DirectoryListing& listing) {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < listing.size(); ++i) {
            EXPECT_EQ(std::strlen(listing.cName(i)), listing.name(i).size()) << listing.name(i);
            names.emplace_back(listing.name(i));
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    DirectoryListing listing;
    ASSERT_TRUE(listing.push());
    EXPECT_EQ(topNames(listing), expected);
    ASSERT_TRUE(enterDirectory("sub"));
    ASSERT_TRUE(listing.push());
    expected.erase(std::find(expected.begin(), expected.end(), "sub"));
    EXPECT_EQ(topNames(listing), expected);
    listing.pop();
    EXPECT_TRUE(leaveDirectory());
    expected.push_back("sub");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(topNames(listing), expected) << "the level below is as it was read";
}

TEST(DirectorySearch, OnlyDotAndDotDotAreNotHiddenAmongNamesWithDots) {
    tally_test::TempFolder temp;
    for (const char* name : {"...", "..x", ".x", "x.", "x..", "x"})
        std::ofstream(temp.path() + "/" + name);
    ASSERT_EQ(::chdir(temp.path().c_str()), 0);
    for (const bool details : {false, true}) {
        const auto seen = listCurrentDirectory(0, details);
        ASSERT_EQ(seen.size(), 8U);
        for (const char* name : {".", ".."})
            EXPECT_EQ(seen.at(name).attributes, attrDirectory) << name;
        for (const char* name : {"...", "..x", ".x"})
            EXPECT_EQ(seen.at(name).attributes, attrHidden) << name;
        for (const char* name : {"x.", "x..", "x"})
            EXPECT_EQ(seen.at(name).attributes, 0U) << name;
    }
}

// The search looks entries up some at a time ahead of its caller: each entry must still come
// with its own details, across the search's batches and a partial listing's, and entries that
// went after the listing was read are passed over without ending the search.
TEST(DirectorySearch, EachEntryKeepsItsOwnDetailsAcrossBatchesAndWhatHasGoneIsPassedOver) {
    tally_test::TempFolder temp;
    constexpr int files = 700;
    const std::string padding(40, 'z');
    ASSERT_EQ(::mkdir((temp.path() + "/big").c_str(), 0755), 0);
    for (int i = 0; i < files; ++i)
        std::ofstream(temp.path() + "/big/" + padding + std::to_string(i)) << std::string(i, 'x');
    for (const char* folder : {"/big/sub1", "/big/sub2", "/big/.hiddensub"})
        ASSERT_EQ(::mkdir((temp.path() + folder).c_str(), 0755), 0);
    FolderDrive drive(temp.path());
    ASSERT_TRUE(enterDriveRoot('d'));
    ASSERT_TRUE(enterDirectory("big"));

    for (const std::size_t budget : {DirectoryListing::defaultKeptBytes, std::size_t(8 * 1024)}) {
        SCOPED_TRACE(budget);
        DirectoryListing listing(budget);
        ASSERT_TRUE(listing.push());
        ASSERT_EQ(listing.partial(), budget < DirectoryListing::defaultKeptBytes);
        // Every tenth file goes after the listing was read.
        for (int i = 5; i < files; i += 10)
            ASSERT_EQ(
                ::unlinkat(walkDirectoryDescriptor(), (padding + std::to_string(i)).c_str(), 0), 0);
        std::map<std::string, std::uint64_t> seen;
        DirectorySearch search;
        for (bool more = search.findFirst(listing, attrDirectory, true); more;
             more = search.findNext()) {
            const FindData& entry = search.data();
            EXPECT_EQ(entry.attributes & attrDirectory, 0U) << entry.name;
            EXPECT_TRUE(seen.emplace(std::string(entry.name), entry.size).second)
                << "found twice: " << entry.name;
        }
        EXPECT_TRUE(search.data().name.empty()) << "nothing is shown after the end";
        ASSERT_EQ(seen.size(), std::size_t(files - files / 10));
        for (const auto& [name, size] : seen) {
            ASSERT_TRUE(name.starts_with(padding)) << name;
            const int i = std::stoi(name.substr(padding.size()));
            EXPECT_NE(i % 10, 5) << "gone, yet found: " << name;
            EXPECT_EQ(size, std::uint64_t(i)) << name;
        }
        // Put the files back for the next round.
        for (int i = 5; i < files; i += 10)
            std::ofstream(temp.path() + "/big/" + padding + std::to_string(i))
                << std::string(i, 'x');
    }
    EXPECT_TRUE(leaveDirectory());
}
