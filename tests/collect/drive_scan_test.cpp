#include "collect/drive_scan.h"
#include "collect/report_json.h"
#include "collect/report_run.h"
#include "platform/drives.h"
#include "platform/fake_drive_attributes.h"
#include "platform/message_hook.h"
#include "platform/read_ahead.h"
#include "platform/temp_folder.h"
#include "platform/walk_position.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>

#include <fcntl.h>
#include <malloc.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Records what the walk reports; the pump runs a test's action after a chosen number of files.
class RecordingHost final : public ScanHost {
public:
    explicit RecordingHost(const DriveStatistics& stats) : m_stats(stats) {}

    std::string drive;
    int drives = 1;
    bool abort = false;
    bool overhang = true;
    std::function<bool(std::string_view)> selected = [](std::string_view) { return true; };
    std::vector<std::string> statusTexts;
    std::vector<std::string> filesSeen; // in the order the walk handed them over
    std::vector<std::string> calls;
    std::function<void(const DriveStatistics&)> onPump;

    const std::string& currentDrive() const override { return drive; }
    bool abortRequested() const override { return abort; }
    bool isThisSelected(std::string_view name) const override {
        const_cast<RecordingHost*>(this)->filesSeen.emplace_back(name);
        return selected(name);
    }
    bool overhangEnabled() const override { return overhang; }
    int chosenDriveCount() const override { return drives; }
    void setStatusText(const std::string& text) override { statusTexts.push_back(text); }
    void pumpMessages() override {
        if (onPump)
            onPump(m_stats);
    }
    void disenable(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    void doOverHang() override { calls.push_back("doOverHang"); }
    void doFileTypes() override { calls.push_back("doFileTypes"); }
    void doFileSizes() override { calls.push_back("doFileSizes"); }
    void doFileAttrs() override { calls.push_back("doFileAttrs"); }
    void fillGridDates(DateKind kind) override {
        calls.push_back("fillGridDates" + std::to_string(static_cast<int>(kind)));
    }
    void fillCombinedGridDates() override { calls.push_back("fillCombinedGridDates"); }
    void doFileTimes() override { calls.push_back("doFileTimes"); }
    void doFileAges() override { calls.push_back("doFileAges"); }
    void sortTypesByExtension() override { calls.push_back("sortTypesByExtension"); }

private:
    const DriveStatistics& m_stats;
};

void writeFile(const fs::path& path, std::size_t size = 0) {
    fs::create_directories(path.parent_path());
    std::ofstream(path) << std::string(size, 'x');
}

// A configuration folder whose drives.ini maps the given letters and nothing else.
class Drives final {
public:
    explicit Drives(const std::vector<std::pair<char, std::string>>& letters)
        : m_home(m_config.path()) {
        fs::create_directories(m_config.path() + "/tally99");
        std::ofstream ini(m_config.path() + "/tally99/drives.ini");
        ini << "[Drives]\nauto=0\n";
        for (const auto& [letter, folder] : letters)
            ini << letter << '=' << folder << '\n';
        ini.close();
        platform::reloadDriveTable();
    }
    ~Drives() {
        ::chdir("/");
        platform::reloadDriveTable();
    }

private:
    tally_test::TempFolder m_config;
    tally_test::XdgConfigHome m_home;
};

std::string statusOf(const RecordingHost& host) {
    return host.statusTexts.empty() ? std::string() : host.statusTexts.back();
}

// Runs body in a child process and returns the text it gave back, so that what the child does
// to itself (its mounts, its memory) stays with it.
std::string inChild(const std::function<std::string()>& body) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return "pipe failed";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipeEnds[0]);
        const std::string answer = body();
        const bool written = ::write(pipeEnds[1], answer.data(), answer.size()) ==
                             static_cast<ssize_t>(answer.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    std::string answer;
    char buffer[256];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        answer.append(buffer, static_cast<std::size_t>(got));
    ::close(pipeEnds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? answer : "the child failed";
}

std::int64_t peakResidentKilobytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// A chain of folders "d", depth levels below top, with a file "f" of L bytes at level L (top
// is level 0), made relative to the folder above so that its paths may exceed PATH_MAX.
// Remembers which level every folder and every file is.
class Chain final {
public:
    Chain(const std::string& top, int depth) {
        int folder = ::open(top.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        for (int level = 0; folder >= 0; ++level) {
            remember(m_folderLevels, folder, "", level);
            const int file = ::openat(folder, "f", O_CREAT | O_WRONLY | O_CLOEXEC, 0644);
            EXPECT_EQ(::ftruncate(file, level), 0);
            ::close(file);
            remember(m_fileLevels, folder, "f", level);
            m_folders.push_back(folder);
            if (level == depth)
                break;
            EXPECT_EQ(::mkdirat(folder, "d", 0755), 0);
            folder = ::openat(folder, "d", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        }
        EXPECT_EQ(m_folders.size(), std::size_t(depth + 1));
    }
    ~Chain() {
        for (const int folder : m_folders)
            ::close(folder);
    }
    Chain(const Chain&) = delete;
    Chain& operator=(const Chain&) = delete;

    // The folder of a level, open.
    [[nodiscard]] int folder(int level) const { return m_folders.at(std::size_t(level)); }
    // The level of the folder, or of the file, that a path relative to the walk's directory
    // names; -1 for anything outside the chain as it was made.
    [[nodiscard]] int folderLevel(const char* path) const { return levelOf(m_folderLevels, path); }
    [[nodiscard]] int fileLevel(const char* path) const { return levelOf(m_fileLevels, path); }

private:
    using Levels = std::map<std::pair<dev_t, ino_t>, int>;
    static void remember(Levels& levels, int folder, const char* name, int level) {
        struct stat status {};
        EXPECT_EQ(::fstatat(folder, name, &status, AT_EMPTY_PATH), 0);
        levels[{status.st_dev, status.st_ino}] = level;
    }
    static int levelOf(const Levels& levels, const char* path) {
        struct stat status {};
        if (::fstatat(platform::walkDirectoryDescriptor(), path, &status, 0) != 0)
            return -1;
        const auto found = levels.find({status.st_dev, status.st_ino});
        return found == levels.end() ? -1 : found->second;
    }

    std::vector<int> m_folders;
    Levels m_fileLevels;
    Levels m_folderLevels;
};

} // namespace

TEST(DriveScan, HiddenDirectoriesAreSkippedButHiddenAndSpecialFilesAreCounted) {
    tally_test::TempFolder tree;
    const fs::path root = tree.path();
    writeFile(root / "top.txt", 10);
    writeFile(root / ".hidden_file", 20);
    writeFile(root / ".hidden_dir" / "inside.txt");
    writeFile(root / "sub" / "deeper" / "leaf.c", 30);
    writeFile(root / "sub" / "mid.h");
    ASSERT_EQ(::mkfifo((root / "sub" / "pipe").c_str(), 0644), 0); // would block if opened
    fs::create_directory_symlink(root, root / "sub" / "loop");
    fs::create_symlink(root / "top.txt", root / "link.txt");
    Drives drives({{'d', root.string()}});

    DriveStatistics stats;
    RecordingHost host(stats);
    host.drive = "d: (Fixed disk)";
    DriveScan(stats, host).scan();

    std::vector<std::string> seen = host.filesSeen;
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{".hidden_file", "leaf.c", "link.txt", "loop", "mid.h",
                                              "pipe", "top.txt"}));
    EXPECT_EQ(stats.filesFound, 7);
    EXPECT_EQ(stats.hiddenCount, 1);
    EXPECT_EQ(stats.systemCount, 1);
    EXPECT_NE(stats.fileTypes.findTypeRow(".C"), -1);
    EXPECT_EQ(statusOf(host), "Finished - 7 files processed");
    // Every subdirectory's files come before the files of the directory holding it.
    auto position = [&](const std::string& name) {
        return std::find(host.filesSeen.begin(), host.filesSeen.end(), name) -
               host.filesSeen.begin();
    };
    EXPECT_LT(position("leaf.c"), position("mid.h"));
    EXPECT_LT(position("mid.h"), position("top.txt"));
}

TEST(DriveScan, OnADriveThatKeepsAttributesTheDriveDecidesWhatIsHiddenAndCounted) {
    tally_test::TempFolder fat;
    const fs::path root = fat.path();
    writeFile(root / "HIDDEN" / "in.txt", 1);
    writeFile(root / "SYSTEM" / "in.txt", 1);
    writeFile(root / ".config" / "kept.txt", 7);
    writeFile(root / "a.txt", 100);
    writeFile(root / "b.sys", 200);
    writeFile(root / ".dot", 300);
    writeFile(root / "ro.txt", 400);
    writeFile(root / "noword", 500);
    ::chmod((root / "ro.txt").c_str(), 0444);
    ::chmod((root / "noword").c_str(), 0444);
    tally_test::TempFolder ext;
    writeFile(fs::path(ext.path()) / ".hid" / "in.txt", 1);
    writeFile(fs::path(ext.path()) / ".h", 1000);
    Drives drives({{'d', root.string()}, {'e', ext.path()}});
    tally_test::FakeDriveAttributes fake({{"HIDDEN", 0x12},
                                          {"SYSTEM", 0x14},
                                          {".config", 0x10},
                                          {"kept.txt", 0x20},
                                          {"a.txt", 0x21},
                                          {"b.sys", 0x06},
                                          {".dot", 0x20},
                                          {"ro.txt", 0x20},
                                          {"in.txt", 0x20}});

    DriveStatistics stats;
    RecordingHost host(stats);
    host.drive = "d: (Removable)";
    DriveScan(stats, host).scan();

    std::vector<std::string> seen = host.filesSeen;
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen,
              (std::vector<std::string>{".dot", "a.txt", "b.sys", "kept.txt", "noword", "ro.txt"}))
        << "folders hidden or system on the drive are not entered; a dot hides nothing there";
    EXPECT_EQ(stats.hiddenCount, 1);
    EXPECT_EQ(stats.hiddenBytes, 200);
    EXPECT_EQ(stats.systemCount, 1);
    EXPECT_EQ(stats.systemBytes, 200);
    EXPECT_EQ(stats.readOnlyCount, 2) << "a.txt as the drive says; noword has no word";
    EXPECT_EQ(stats.readOnlyBytes, 600);
    EXPECT_EQ(stats.archiveCount, 4);
    EXPECT_EQ(stats.archiveBytes, 807);

    // The next drive of the run keeps no attributes: the stand-ins hold there again.
    fake.hasSource = false;
    host.drive = "e: (Fixed disk)";
    DriveScan(stats, host).scan();
    EXPECT_EQ(fake.rootsEntered, 2) << "the source is chosen once per drive";
    EXPECT_EQ(stats.filesFound, 7);
    EXPECT_EQ(stats.hiddenCount, 2);
    EXPECT_EQ(stats.hiddenBytes, 1200);
    EXPECT_EQ(stats.archiveCount, 4);
}

TEST(DriveScan, FillsThePagesInOrderAndTellsWhatWasSelected) {
    tally_test::TempFolder tree;
    for (int i = 0; i < 7; ++i)
        writeFile(fs::path(tree.path()) / ("f" + std::to_string(i) + (i < 3 ? ".doc" : ".txt")));
    Drives drives({{'d', tree.path()}});
    DriveStatistics stats;
    RecordingHost host(stats);
    host.drive = "d: [data]";
    host.selected = [](std::string_view name) { return name.ends_with(".doc"); };
    DriveScan(stats, host).scan();

    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"disable", "doOverHang", "doFileTypes", "doFileSizes",
                                        "doFileAttrs", "fillGridDates0", "fillGridDates1",
                                        "fillGridDates2", "fillCombinedGridDates", "doFileTimes",
                                        "doFileAges", "sortTypesByExtension", "enable"}));
    EXPECT_EQ(stats.filesFound, 7);
    EXPECT_EQ(stats.filesSelected, 3);
    EXPECT_EQ(statusOf(host), "Finished - 7 files processed 3 files found");
    // The status text is set for the 1st, 4th and 7th file: the count before the file is added.
    const auto processing = std::count_if(
        host.statusTexts.begin(), host.statusTexts.end(), [](const std::string& text) {
            return text.starts_with("Processing drive d: [data] ... standby : ");
        });
    EXPECT_EQ(processing, 3);
}

TEST(DriveScan, AnAbortInTheMiddleOfADirectoryStopsCountingAtOnce) {
    tally_test::TempFolder tree;
    for (int i = 0; i < 20; ++i)
        writeFile(fs::path(tree.path()) / ("f" + std::to_string(i)));
    Drives drives({{'d', tree.path()}});
    DriveStatistics stats;
    RecordingHost host(stats);
    host.drive = "d: (Fixed disk)";
    host.drives = 2;
    host.onPump = [&host](const DriveStatistics& counted) {
        if (counted.filesFound == 5)
            host.abort = true;
    };
    DriveScan(stats, host).scan();
    EXPECT_EQ(stats.filesFound, 5);
    EXPECT_EQ(statusOf(host), "Finished - 5 files processed INCOMPLETE ... ABORTED");
    EXPECT_EQ(host.calls[1], "doFileTypes"); // no overhang fill for a run over two drives
}

TEST(DriveScan, TwoDrivesAccumulateAndAResetStartsFromZero) {
    tally_test::TempFolder one;
    tally_test::TempFolder two;
    writeFile(fs::path(one.path()) / "a.txt", 100);
    writeFile(fs::path(two.path()) / "b.txt", 50);
    writeFile(fs::path(two.path()) / "c.txt", 50);
    Drives drives({{'d', one.path()}, {'e', two.path()}});
    DriveStatistics stats;
    RecordingHost host(stats);
    for (const char* drive : {"d: (Fixed disk)", "e: (Fixed disk)"}) {
        host.drive = drive;
        DriveScan(stats, host).scan();
    }
    EXPECT_EQ(stats.filesFound, 3);
    EXPECT_EQ(stats.sizeClassBytes[1], 200);
    EXPECT_EQ(stats.fileTypes.rows().at(0).fileCount, 3);
    // The status cadence runs on across drives: files 1 and 4 would get it, so only file 1 here.
    EXPECT_EQ(statusOf(host), "Finished - 3 files processed");

    stats.clearVariables(nullptr);
    EXPECT_EQ(stats.filesFound, 0);
    EXPECT_EQ(stats.sizeClassBytes[1], 0);
    EXPECT_EQ(stats.fileTypes.size(), 0);
    host.drive = "e: (Fixed disk)";
    DriveScan(stats, host).scan();
    EXPECT_EQ(stats.filesFound, 2);
    EXPECT_EQ(stats.sizeClassBytes[1], 100);
}

TEST(DriveScan, AVeryDeepChainIsWalkedToTheBottomAndBackInLittleMemoryPerLevel) {
    tally_test::TempFolder tree;
    const std::string deep = tree.path() + "/deep";
    writeFile(fs::path(tree.path()) / "shallow" / "one.txt");
    ASSERT_EQ(::mkdir(deep.c_str(), 0755), 0);
    Drives drives({{'d', deep}, {'e', tree.path() + "/shallow"}});
    ASSERT_EQ(::chdir(deep.c_str()), 0);
    for (int depth = 0; depth < 5000; ++depth) {
        ASSERT_EQ(::mkdir("d", 0755), 0);
        ASSERT_EQ(::chdir("d"), 0);
    }
    std::ofstream("bottom.txt") << "x";
    ASSERT_EQ(::chdir(deep.c_str()), 0);
    std::ofstream("top.txt") << "x";

    // The walk runs in a child whose heap holds nothing freed, after a walk of a shallow drive
    // has made what every walk needs once, so that what it keeps per level shows in its peak
    // memory: a path per level took some 35 MB here (and 100 GB at 1,000,000 levels); it must
    // stay well under a kilobyte a level.
    const std::string answer = inChild([] {
        DriveStatistics stats;
        RecordingHost host(stats);
        host.drive = "e: (Fixed disk)";
        DriveScan(stats, host).scan();
        host.filesSeen.clear();
        host.drive = "d: (Fixed disk)";
        ::malloc_trim(0);
        const std::int64_t before = peakResidentKilobytes();
        DriveScan(stats, host).scan();
        std::string seen;
        for (const auto& name : host.filesSeen)
            seen += " " + name;
        return std::to_string(peakResidentKilobytes() - before) + " KB, " +
               std::to_string(stats.filesFound) + " files:" + seen;
    });
    std::int64_t grownKilobytes = -1;
    std::istringstream(answer) >> grownKilobytes;
    EXPECT_EQ(answer.substr(answer.find(',') + 2), "3 files: bottom.txt top.txt");
    EXPECT_GE(grownKilobytes, 0) << answer;
    EXPECT_LT(grownKilobytes, 5000) << answer;
}

TEST(DriveScan, DrivesThatAreNotReadyOrCannotBeEnteredAreReported) {
    tally_test::TempFolder tree;
    writeFile(fs::path(tree.path()) / "plain-file");
    Drives drives({{'d', tree.path() + "/missing"}, {'e', tree.path() + "/plain-file"}});
    std::vector<std::string> messages;
    platform::setMessageHook(
        [&](platform::MessageKind, const std::string&, const std::string& text) {
            messages.push_back(text);
            return platform::MessageResult::Ok;
        });
    DriveStatistics stats;
    RecordingHost host(stats);
    host.drive = "d: (Fixed disk)";
    DriveScan(stats, host).scan();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(statusOf(host), "Finished - 0 files processed");
    EXPECT_EQ(host.calls.size(), 13u); // the pages are filled all the same

    host.drive = "e: (Fixed disk)";
    DriveScan(stats, host).scan();
    platform::setMessageHook({});
    EXPECT_EQ(messages, (std::vector<std::string>{"Can't open drive e: (Fixed disk)"}));
}

TEST(DriveScan, AnUnreadableDirectoryIsSkippedWithoutAMessage) {
    // The tree must be reachable by the child without privileges wherever the clone sits.
    const auto tree = tally_test::TempFolder::reachableByAll();
    writeFile(fs::path(tree.path()) / "open" / "seen.txt");
    writeFile(fs::path(tree.path()) / "closed" / "hidden.txt");
    ::chmod((tree.path() + "/closed").c_str(), 0);
    Drives drives({{'d', tree.path()}});
    // Root reads every folder, so the walk runs in a child that has given up its privileges.
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(77);
        if (::access((tree.path() + "/open").c_str(), R_OK | X_OK) != 0)
            ::_exit(78);
        DriveStatistics stats;
        RecordingHost host(stats);
        host.drive = "d: (Fixed disk)";
        DriveScan(stats, host).scan();
        ::_exit(stats.filesFound == 1 && host.filesSeen == std::vector<std::string>{"seen.txt"}
                    ? 0
                    : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod((tree.path() + "/closed").c_str(), 0755);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 77)
        GTEST_SKIP() << "cannot drop privileges here, so an unreadable folder cannot be made";
    if (WIFEXITED(status) && WEXITSTATUS(status) == 78)
        GTEST_SKIP() << "the temporary folder " << fs::temp_directory_path()
                     << " cannot be reached without privileges";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

TEST(DriveScan, AWalkThatLosesItsWayDeepDownNeverCountsAFileTwiceOrInTheWrongFolder) {
    // 400 levels: deeper than the levels the walk keeps open, so that going back up it must
    // find its way. While it counts the files at the bottom, the bottom folder is moved to the
    // top (".." no longer leads back) and, in one of the runs, the level-270 folder is renamed
    // (the way down by names is gone too). Every file counted must be counted once, from the
    // folder the walk says it is in.
    constexpr int depth = 400;
    constexpr int renamed = 270;
    for (const bool renameAncestor : {true, false}) {
        SCOPED_TRACE(renameAncestor ? "ancestor renamed" : "only the bottom moved");
        tally_test::TempFolder tree;
        const Chain chain(tree.path(), depth);
        Drives drives({{'d', tree.path()}});
        DriveStatistics stats;
        RecordingHost host(stats);
        host.drive = "d: (Fixed disk)";
        bool moved = false;
        host.onPump = [&](const DriveStatistics&) {
            if (moved)
                return;
            moved = true;
            const int ancestorRenamed = renameAncestor
                                            ? ::renameat(chain.folder(renamed - 1), "d",
                                                         chain.folder(renamed - 1), "renamed")
                                            : 0;
            ASSERT_EQ(ancestorRenamed, 0);
            ASSERT_EQ(::renameat(chain.folder(depth - 1), "d", chain.folder(0), "moved"), 0);
        };
        std::map<int, int> counted; // level of the file -> times counted
        std::size_t statusSeen = 0;
        int wrongFolder = 0;
        host.selected = [&](std::string_view name) {
            EXPECT_EQ(name, "f");
            const int level = chain.fileLevel("f");
            counted[level] += 1;
            // The status text names the folder the walk believes it is in: the chain's "d"
            // once per level below the top. It is set before the file is handed over.
            if (host.statusTexts.size() != statusSeen) {
                statusSeen = host.statusTexts.size();
                const std::string& text = host.statusTexts.back();
                const auto top = text.find(tree.path());
                const std::string below =
                    top == std::string::npos ? text : text.substr(top + tree.path().size());
                const auto believed = std::count(below.begin(), below.end(), '/');
                if (believed != level || chain.folderLevel(".") != level)
                    ++wrongFolder;
            }
            return true;
        };
        DriveScan(stats, host).scan();

        ASSERT_TRUE(moved);
        for (const auto& [level, times] : counted)
            EXPECT_EQ(times, 1) << "the file of level " << level;
        EXPECT_EQ(counted.count(-1), 0U) << "a file from outside the chain";
        EXPECT_EQ(wrongFolder, 0);
        EXPECT_EQ(stats.filesFound, int(counted.size()));
        EXPECT_EQ(counted.count(depth), 1U) << "the bottom was counted before it moved";
        for (int level = 0; level < renamed; ++level)
            EXPECT_EQ(counted.count(level), 1U) << "level " << level << " is above the loss";
        // Without a renamed ancestor the way down by names was there all along.
        EXPECT_EQ(stats.filesFound, renameAncestor ? stats.filesFound : depth + 1);
        EXPECT_EQ(statusOf(host).rfind("Finished - ", 0), 0U);
    }
}

TEST(DriveScan, AFolderBindMountedInsideTheDriveIsNotWalkedAgain) {
    tally_test::TempFolder tree;
    const fs::path root = tree.path();
    writeFile(root / "top.txt", 1);
    writeFile(root / "data" / "one.txt", 10);
    writeFile(root / "data" / "two.txt", 100);
    fs::create_directory(root / "again");
    fs::create_directory(root / "ram");
    Drives drives({{'d', root.string()}});
    // The mounts are made in a mount namespace of the child's own, so they vanish with it.
    const std::string answer = inChild([&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0)
            return std::string("skip: cannot make a mount namespace: ") + std::strerror(errno);
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return std::string("skip: cannot make the mounts private: ") + std::strerror(errno);
        if (::mount((root / "data").c_str(), (root / "again").c_str(), nullptr, MS_BIND, nullptr) !=
            0)
            return std::string("skip: cannot bind-mount: ") + std::strerror(errno);
        if (::mount("tally-test", (root / "ram").c_str(), "tmpfs", 0, nullptr) != 0)
            return std::string("skip: cannot mount a tmpfs: ") + std::strerror(errno);
        writeFile(root / "ram" / "in-ram.txt", 1000);
        if (!fs::exists(root / "again" / "one.txt"))
            return "the bind mount shows nothing";
        DriveStatistics stats;
        RecordingHost host(stats);
        host.drive = "d: (Fixed disk)";
        DriveScan(stats, host).scan();
        std::sort(host.filesSeen.begin(), host.filesSeen.end());
        std::string seen;
        for (const auto& name : host.filesSeen)
            seen += name + " ";
        return seen;
    });
    if (answer.starts_with("skip: "))
        GTEST_SKIP() << answer.substr(6);
    EXPECT_EQ(answer, "one.txt top.txt two.txt ");
}

TEST(DriveScan, AHugeDirectoryReadInBatchesCountsTheSameFilesAndWalksItsSubdirectories) {
    tally_test::TempFolder tree;
    const fs::path root = tree.path();
    const char* extensions[] = {".txt", ".JPG", "", ".tar.gz", ".c"};
    for (int i = 0; i < 2500; ++i)
        writeFile(root / ("file number " + std::to_string(i) + extensions[i % 5]),
                  static_cast<std::size_t>(i % 7 == 0 ? 20000 + i : i));
    writeFile(root / "first" / "inside.txt", 5);
    writeFile(root / "second" / "deeper" / "leaf.c", 7);
    writeFile(root / ".hidden_dir" / "never.txt", 9);
    Drives drives({{'d', root.string()}});

    auto scanWithBudget = [](DriveStatistics& stats, std::size_t budget) {
        RecordingHost host(stats);
        host.drive = "d: (Fixed disk)";
        DriveScan scan(stats, host);
        if (budget != 0)
            scan.setListingBudget(budget);
        scan.scan();
        std::sort(host.filesSeen.begin(), host.filesSeen.end());
        return host.filesSeen;
    };
    DriveStatistics whole;
    const std::vector<std::string> seenWhole = scanWithBudget(whole, 0);
    DriveStatistics batched;
    const std::vector<std::string> seenBatched = scanWithBudget(batched, 8 * 1024);

    EXPECT_EQ(whole.filesFound, 2502);
    EXPECT_EQ(seenBatched, seenWhole);
    EXPECT_NE(std::find(seenBatched.begin(), seenBatched.end(), "leaf.c"), seenBatched.end());
    EXPECT_EQ(std::find(seenBatched.begin(), seenBatched.end(), "never.txt"), seenBatched.end());
    EXPECT_EQ(batched.filesFound, whole.filesFound);
    EXPECT_EQ(batched.sizeClassCount, whole.sizeClassCount);
    EXPECT_EQ(batched.sizeClassBytes, whole.sizeClassBytes);
    EXPECT_EQ(batched.modifyAgeCount, whole.modifyAgeCount);
    EXPECT_EQ(batched.overhang4K, whole.overhang4K);
    ASSERT_EQ(batched.fileTypes.size(), whole.fileTypes.size());
    for (std::size_t row = 0; row < whole.fileTypes.rows().size(); ++row) {
        EXPECT_EQ(batched.fileTypes.rows()[row].extension, whole.fileTypes.rows()[row].extension);
        EXPECT_EQ(batched.fileTypes.rows()[row].fileCount, whole.fileTypes.rows()[row].fileCount);
        EXPECT_EQ(batched.fileTypes.rows()[row].totalBytes, whole.fileTypes.rows()[row].totalBytes);
    }
}

TEST(DriveScan, ReadingAheadChangesNeitherTheFiguresNorTheOrderAndEndsWithAnAbort) {
    tally_test::TempFolder tree;
    const fs::path root = tree.path();
    for (int i = 0; i < 30; ++i)
        for (int j = 0; j < 5; ++j)
            writeFile(root / ("dir " + std::to_string(i)) / ("sub" + std::to_string(j)) /
                          ("f" + std::to_string(i * 5 + j) + ".txt"),
                      static_cast<std::size_t>(i * 100 + j));
    writeFile(root / "top.c", 3);
    Drives drives({{'d', root.string()}});
    platform::ReadAhead::Settings eager;
    eager.window = 4;
    eager.probes = 100000; // never gives up, though the tree is cached

    auto scanWith = [](DriveStatistics& stats, std::optional<platform::ReadAhead::Settings> ahead,
                       int abortAfter) {
        RecordingHost host(stats);
        host.drive = "d: (Fixed disk)";
        host.onPump = [&](const DriveStatistics& counted) {
            if (abortAfter > 0 && counted.filesFound >= abortAfter)
                host.abort = true;
        };
        DriveScan scan(stats, host);
        scan.setReadAhead(ahead);
        scan.scan();
        return host.filesSeen;
    };
    DriveStatistics without;
    const std::vector<std::string> orderWithout = scanWith(without, std::nullopt, 0);
    DriveStatistics with;
    const std::vector<std::string> orderWith = scanWith(with, eager, 0);
    EXPECT_EQ(with.filesFound, 151);
    EXPECT_EQ(orderWith, orderWithout) << "the walk sees the entries in the same order";
    EXPECT_EQ(with.sizeClassBytes, without.sizeClassBytes);
    EXPECT_EQ(with.modifyHours, without.modifyHours);
    EXPECT_EQ(with.fileTypes.size(), without.fileTypes.size());

    // An abort ends the walk, and with it the threads reading ahead (scan returns only after).
    DriveStatistics aborted;
    scanWith(aborted, eager, 10);
    EXPECT_LT(aborted.filesFound, 151);
}

TEST(ReportRun, OneRunOverTwoFoldersAndItsJson) {
    tally_test::TempFolder one;
    tally_test::TempFolder two;
    writeFile(fs::path(one.path()) / "a.doc", 1000);
    writeFile(fs::path(two.path()) / "b.txt", 3000);
    Drives drives({{'d', one.path()}, {'e', two.path()}});
    SelectionFilter filter;
    filter.includeTypes = true;
    filter.setTypeEntries({"*.doc\tWord", "*.bak\tBackup"});
    filter.drives = {"d: (Fixed disk)", "e: (Fixed disk)"};
    ReportRun run(filter);
    ASSERT_TRUE(run.run());
    EXPECT_EQ(run.status(), "Finished - 2 files processed 1 files found");

    const auto json =
        QJsonDocument::fromJson(QByteArray::fromStdString(reportJson(run.report(stampNow("test")))))
            .object();
    EXPECT_EQ(json["filesFound"].toInt(), 2);
    EXPECT_EQ(json["filesSelected"].toInt(), 1);
    EXPECT_EQ(json["sizeClassCount"].toArray().size(), 12);
    EXPECT_EQ(json["modifyHours"].toArray().size(), 48);
    EXPECT_EQ(json["accessAgeBytes"].toArray().size(), 10);
    EXPECT_EQ(json["overhang4K"].toDouble(), 0); // two drives: no overhang kept
    const auto types = json["fileTypes"].toArray();
    ASSERT_EQ(types.size(), 2);
    EXPECT_EQ(types[0].toObject()["extension"].toString(), ".BAK");
    EXPECT_EQ(types[0].toObject()["fileCount"].toInt(), 0);
    EXPECT_EQ(types[1].toObject()["totalBytes"].toInt(), 1000);
    EXPECT_EQ(json["status"].toString(), "Finished - 2 files processed 1 files found");
}
