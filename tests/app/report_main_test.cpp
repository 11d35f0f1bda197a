// tally99-report as a user meets it: the built program run with arguments, its exit status,
// what it prints on stdout and on stderr. CMake names the program in $TALLY99_REPORT and the
// project's version in $TALLY99_VERSION.
#include "collect/csv_records.h"
#include "collect/report_reader.h"
#include "platform/file_text.h"
#include "platform/temp_folder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode = -1; // -1 when a signal ended the program
    int signal = 0;    // the signal that ended it
    std::string out;
    std::string err;
};

// Where the program's standard output goes.
enum class Stdout {
    file,                // a file, read back as Outcome::out
    full,                // /dev/full: every write fails for want of space
    closed,              // no descriptor 1 at all
    pipeWithoutReader,   // a pipe whose reading end is closed before the program starts
    pipeIgnoringSigpipe, // the same, with SIGPIPE ignored as a parent may leave it
};

// A folder open to everyone (a child without privileges must reach it) holding a copy of the
// program, a configuration with no automatic drives, and the trees a test walks.
class ReportFixture : public ::testing::Test {
protected:
    ReportFixture() : m_folder(tally_test::TempFolder::reachableByAll()) {
        fs::create_directories(m_folder.path() + "/config/tally99");
        writeDrivesIni("[Drives]\nauto=0\n");
        fs::create_directories(tree());
        // The build folder may be closed to other users, so the program is run from here.
        fs::copy_file(std::getenv("TALLY99_REPORT"), program());
    }

    [[nodiscard]] std::string tree() const { return m_folder.path() + "/tree"; }
    [[nodiscard]] std::string program() const { return m_folder.path() + "/tally99-report"; }

    void writeDrivesIni(const std::string& text) const {
        std::ofstream(m_folder.path() + "/config/tally99/drives.ini") << text;
    }

    void addFile(const std::string& relative, std::size_t size = 1) const {
        const fs::path path = tree() + "/" + relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << std::string(size, 'x');
    }

    // A file of the tree with the given text (a report the test keeps or makes up).
    void writeFile(const std::string& relative, const std::string& text) const {
        std::ofstream(tree() + "/" + relative, std::ios::binary) << text;
    }

    // Runs the program and keeps what it printed as a report file of the tree.
    Report snapshot(const std::vector<std::string>& arguments, const std::string& file) const {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
        writeFile(file, outcome.out);
        const ReportReading reading = readReportText(outcome.out, file);
        EXPECT_TRUE(reading.report) << reading.error;
        return reading.report.value_or(Report{});
    }

    // Runs the program inside tree() with the arguments. Without privileges (as root: the user
    // nobody), a folder closed to others cannot be entered; 77 as exit code means that the
    // privileges could not be given up.
    Outcome run(const std::vector<std::string>& arguments, bool unprivileged = false,
                Stdout stdoutTo = Stdout::file, int stderrTo = -1) const {
        const std::string outPath = m_folder.path() + "/out";
        const std::string errPath = m_folder.path() + "/err";
        fs::remove(outPath);
        int pipeEnds[2] = {-1, -1};
        const bool piped =
            stdoutTo == Stdout::pipeWithoutReader || stdoutTo == Stdout::pipeIgnoringSigpipe;
        if (piped && (::pipe(pipeEnds) != 0 || ::close(pipeEnds[0]) != 0))
            return {};
        const pid_t child = ::fork();
        if (child == 0) {
            const int err = stderrTo >= 0
                                ? stderrTo
                                : ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (err < 0 || ::dup2(err, 2) < 0 || !redirectStdout(stdoutTo, outPath, pipeEnds[1]) ||
                ::chdir(tree().c_str()) != 0)
                ::_exit(126);
            ::signal(SIGPIPE, stdoutTo == Stdout::pipeIgnoringSigpipe ? SIG_IGN : SIG_DFL);
            ::setenv("XDG_CONFIG_HOME", (m_folder.path() + "/config").c_str(), 1);
            if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(77);
            const std::string path = program();
            std::vector<char*> argv{const_cast<char*>(path.c_str())};
            for (const auto& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        if (piped)
            ::close(pipeEnds[1]);
        int status = 0;
        ::waitpid(child, &status, 0);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                WIFSIGNALED(status) ? WTERMSIG(status) : 0, tally_test::fileText(outPath),
                tally_test::fileText(errPath)};
    }

    // Runs the program with stderr on a pseudo-terminal of 60 columns; Outcome::err is what
    // reached the terminal, its bytes as the program wrote them (but "\n" as "\r\n").
    Outcome runOnTerminal(const std::vector<std::string>& arguments) const {
        int reader = -1;
        int terminal = -1;
        winsize size{};
        size.ws_col = 60;
        size.ws_row = 24;
        if (::openpty(&reader, &terminal, nullptr, nullptr, &size) != 0)
            return {};
        Outcome outcome = run(arguments, false, Stdout::file, terminal);
        ::close(terminal);
        ::fcntl(reader, F_SETFL, O_NONBLOCK);
        char buffer[4096];
        for (ssize_t got; (got = ::read(reader, buffer, sizeof buffer)) > 0;)
            outcome.err.append(buffer, std::size_t(got));
        ::close(reader);
        return outcome;
    }

    // In the child: descriptor 1 as the test wants it.
    static bool redirectStdout(Stdout stdoutTo, const std::string& outPath, int pipeEnd) {
        switch (stdoutTo) {
        case Stdout::file:
        case Stdout::full: {
            const int out = stdoutTo == Stdout::file
                                ? ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644)
                                : ::open("/dev/full", O_WRONLY);
            return out >= 0 && ::dup2(out, 1) == 1 && ::close(out) == 0;
        }
        case Stdout::closed:
            return ::close(1) == 0;
        case Stdout::pipeWithoutReader:
        case Stdout::pipeIgnoringSigpipe:
            return ::dup2(pipeEnd, 1) == 1 && ::close(pipeEnd) == 0;
        }
        return false;
    }

private:
    tally_test::TempFolder m_folder;
};

} // namespace

TEST_F(ReportFixture, HelpTellsTargetsPatternsOptionsAndExitCodes) {
    const Outcome help = run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.err, "");
    for (const char* part : {"usage: tally99-report",
                             "TARGET",
                             "c:",
                             "folder",
                             "PATTERNS",
                             "*.doc,*.txt",
                             "--include",
                             "--exclude",
                             "--json",
                             "--version",
                             "Exit status",
                             "  0 ",
                             "  1 ",
                             "  2 ",
                             "--csv",
                             "--merge",
                             "--compare",
                             "--quiet",
                             "REPORT",
                             "OLD NEW",
                             "\\u00NN",
                             "\\xNN",
                             "Hex",
                             "$(date +%Y-%m).json"})
        EXPECT_NE(help.out.find(part), std::string::npos) << part << " in\n" << help.out;

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("tally99-report ") + std::getenv("TALLY99_VERSION") + "\n");
}

TEST_F(ReportFixture, UsageErrorsExitWith2AndPrintNoReport) {
    for (const auto& arguments :
         std::vector<std::vector<std::string>>{{"--bogus", "."},
                                               {},
                                               {"--include"},
                                               {"--include", "*.c", "--exclude", "*.h", "."},
                                               {"--json", "--csv", "."},
                                               {"--merge"},
                                               {"--compare", "a.json"},
                                               {"--compare", "a.json", "b.json", "c.json"},
                                               {"--merge", "--compare", "a.json", "b.json"},
                                               {"--include", "*.c", "--merge", "a.json"}}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("usage: tally99-report"), std::string::npos) << outcome.err;
    }
    EXPECT_NE(run({"--bogus"}).err.find("unknown option --bogus"), std::string::npos);
    EXPECT_NE(run({"--compare", "a.json"}).err.find("--compare needs two reports, the older first"),
              std::string::npos);
    EXPECT_NE(run({"--csv", "--json", "."}).err.find("only one of --json and --csv may be given"),
              std::string::npos);
}

TEST_F(ReportFixture, AFolderThatCannotBeEnteredIsNamedAsTyped) {
    addFile("open/seen.txt");
    addFile("closed/unseen.txt");
    ::chmod((tree() + "/closed").c_str(), 0);
    const Outcome alone = run({"closed"}, true);
    const Outcome withOther = run({"--json", "open", "closed"}, true);
    ::chmod((tree() + "/closed").c_str(), 0755);
    if (alone.exitCode == 77)
        GTEST_SKIP() << "cannot drop privileges here, so an unreadable folder cannot be made";

    // Nothing walked: no report, only the reason.
    EXPECT_EQ(alone.exitCode, 1);
    EXPECT_EQ(alone.out, "");
    EXPECT_EQ(alone.err, "tally99-report: cannot enter folder closed: Permission denied\n");

    // The report of what was walked, and still the exit status of a target missed.
    EXPECT_EQ(withOther.exitCode, 1);
    EXPECT_NE(withOther.out.find("\"filesFound\": 1,"), std::string::npos) << withOther.out;
    EXPECT_EQ(withOther.err, "tally99-report: cannot enter folder closed: Permission denied\n");
}

TEST_F(ReportFixture, MissingFoldersAndPlainFilesAreNamedAndTheOthersWalked) {
    addFile("open/a.txt");
    addFile("open/b.txt");
    addFile("plain");
    const Outcome missing = run({"gone/away"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "tally99-report: cannot enter folder gone/away: No such file or directory\n");

    const Outcome mixed = run({"plain", "open", "gone"});
    EXPECT_EQ(mixed.exitCode, 1);
    EXPECT_TRUE(mixed.out.starts_with("Finished - 2 files processed\n")) << mixed.out;
    EXPECT_EQ(mixed.err, "tally99-report: cannot enter folder plain: Not a directory\n"
                         "tally99-report: cannot enter folder gone: No such file or directory\n");

    const Outcome fine = run({"open"});
    EXPECT_EQ(fine.exitCode, 0);
    EXPECT_EQ(fine.err, "");
    EXPECT_TRUE(fine.out.starts_with("Finished - 2 files processed\n")) << fine.out;
}

TEST_F(ReportFixture, OnATerminalStderrShowsProgressThatIsErasedAndChangesNothingElse) {
    for (int i = 0; i < 1000; ++i)
        addFile("many/deep/f" + std::to_string(i) + ".txt");
    const Outcome toFile = run({"--csv", "many"});
    ASSERT_EQ(toFile.exitCode, 0);
    EXPECT_EQ(toFile.err, "") << "no progress where stderr is not a terminal";

    const Outcome shown = runOnTerminal({"--csv", "many"});
    EXPECT_EQ(shown.exitCode, 0);
    EXPECT_EQ(shown.out, toFile.out) << "the report itself is the same";
    EXPECT_TRUE(shown.err.starts_with("\r0 files, in ")) << shown.err;
    EXPECT_NE(shown.err.find("/many/deep\033[K"), std::string::npos) << shown.err;
    EXPECT_TRUE(shown.err.ends_with("\r\033[K")) << "erased at the end: " << shown.err;
    // Nothing but lines rewritten in place, each within the terminal's 60 columns.
    std::string rest = shown.err;
    for (std::size_t end; rest.starts_with("\r") && (end = rest.find("\033[K")) != rest.npos;) {
        EXPECT_LE(end - 1, 59U) << rest.substr(0, end);
        rest.erase(0, end + 3);
    }
    EXPECT_EQ(rest, "") << shown.err;

    EXPECT_EQ(runOnTerminal({"--quiet", "--csv", "many"}).err, "");
    const Outcome quietToFile = run({"--quiet", "--csv", "many"});
    EXPECT_EQ(quietToFile.out, toFile.out);
    EXPECT_EQ(quietToFile.err, "");
}

TEST_F(ReportFixture, TheProgressLineIsErasedBeforeAMessage) {
    addFile("many/f.txt");
    const Outcome outcome = runOnTerminal({"many", "gone"});
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_NE(outcome.err.find("many\033[K\r\033[Ktally99-report: cannot enter folder gone: No "
                               "such file or directory\r\n"),
              std::string::npos)
        << outcome.err;
}

TEST_F(ReportFixture, OutputThatCannotBeWrittenFailsWithOneLine) {
    addFile("open/a.txt");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"open"}, {"--json", "open"}, {"--csv", "open"}, {"--help"}, {"--version"}}) {
        const Outcome full = run(arguments, false, Stdout::full);
        EXPECT_EQ(full.exitCode, 1) << arguments[0];
        EXPECT_EQ(full.err, "tally99-report: cannot write the report: No space left on device\n");

        const Outcome closed = run(arguments, false, Stdout::closed);
        EXPECT_EQ(closed.exitCode, 1) << arguments[0];
        EXPECT_EQ(closed.err, "tally99-report: cannot write the report: Bad file descriptor\n");
    }
    // A usage error prints nothing on stdout, so nothing is lost there.
    const Outcome usage = run({"--bogus"}, false, Stdout::full);
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_EQ(usage.err.find("cannot write"), std::string::npos) << usage.err;
}

TEST_F(ReportFixture, APipeWithoutReaderEndsTheProgramQuietlyAndNotInSuccess) {
    addFile("open/a.txt");
    // As other tools: SIGPIPE ends the program without a word.
    const Outcome killed = run({"open"}, false, Stdout::pipeWithoutReader);
    EXPECT_EQ(killed.signal, SIGPIPE);
    EXPECT_EQ(killed.err, "");

    // With the signal ignored the write fails instead, and the program ends just as quietly.
    for (const char* flag : {"--help", "--json"}) {
        const Outcome ignored = run({flag, "open"}, false, Stdout::pipeIgnoringSigpipe);
        EXPECT_EQ(ignored.exitCode, 1) << flag;
        EXPECT_EQ(ignored.err, "") << flag;
    }
}

TEST_F(ReportFixture, FoldersAreWalkedWhenDrivesIniMapsEveryLetter) {
    addFile("mapped/one.txt");
    addFile("open/a.txt");
    addFile("open/b.txt");
    std::string ini = "[Drives]\nauto=0\n";
    std::vector<std::string> everyLetter;
    for (char letter = 'a'; letter <= 'z'; ++letter) {
        ini += std::string(1, letter) + "=" + tree() + "/mapped\n";
        everyLetter.push_back(std::string(1, letter) + ":");
    }
    writeDrivesIni(ini);

    const Outcome alone = run({"open"});
    EXPECT_EQ(alone.exitCode, 0) << alone.err;
    EXPECT_TRUE(alone.out.starts_with("Finished - 2 files processed\n")) << alone.out;

    // A folder never takes a letter that the run names, before or after it: z: and y: are
    // still the table's folder (one file each), each folder its own (two files).
    const Outcome mixed = run({"open", "z:", "open", "y:"});
    EXPECT_EQ(mixed.exitCode, 0) << mixed.err;
    EXPECT_TRUE(mixed.out.starts_with("Finished - 6 files processed\n")) << mixed.out;

    // What is said of a folder names it as typed, whichever letter it replaced.
    const Outcome gone = run({"gone", "z:"});
    EXPECT_EQ(gone.exitCode, 1);
    EXPECT_EQ(gone.err, "tally99-report: cannot enter folder gone: No such file or directory\n");
    EXPECT_TRUE(gone.out.starts_with("Finished - 1 files processed\n")) << gone.out;

    // Twenty-six letters and a folder are more drives than there are letters.
    everyLetter.push_back("open");
    const Outcome tooMany = run(everyLetter);
    EXPECT_EQ(tooMany.exitCode, 2);
    EXPECT_NE(tooMany.err.find("too many targets"), std::string::npos) << tooMany.err;
}

TEST_F(ReportFixture, MergingTheReportsOfTwoFoldersEqualsOneRunOverBoth) {
    addFile("one/a.txt", 10);
    addFile("one/deep/b.doc", 40000);
    addFile("one/.hidden", 3);
    addFile("one/README", 0);
    addFile("two/c.txt", 20000);
    addFile("two/d.zip", 17 << 20);
    addFile("two/\xe9t\xe9.\xe9", 5);
    ::chmod((tree() + "/two/c.txt").c_str(), 0444);

    const Report one = snapshot({"--json", "one"}, "one.json");
    const Report two = snapshot({"--json", "two"}, "two.json");
    const Report joint = snapshot({"--json", "one", "two"}, "joint.json");
    Report merged = snapshot({"--merge", "--json", "one.json", "two.json"}, "merged.json");

    // Each report of one folder keeps its overhang and so does their merge (one cluster size);
    // the joint run over two drives leaves it out, as every run over several drives does.
    ASSERT_TRUE(one.figures.overhang && two.figures.overhang && merged.figures.overhang);
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ((*merged.figures.overhang)[i],
                  (*one.figures.overhang)[i] + (*two.figures.overhang)[i]);
    EXPECT_EQ(joint.figures.overhangLeftOut, "the run covered 2 drives");
    merged.figures.overhang.reset();
    merged.figures.overhangLeftOut = joint.figures.overhangLeftOut;
    EXPECT_EQ(merged.figures, joint.figures);
    EXPECT_EQ(merged.figures.filesFound, 7);
    EXPECT_EQ(merged.figures.fileTypes.size(), 5u);
    ASSERT_EQ(merged.targets.size(), 2u);
    EXPECT_EQ(merged.targets[0].folder, joint.targets[0].folder);
    EXPECT_EQ(merged.targets[1].folder, joint.targets[1].folder);
    EXPECT_EQ(merged.status, "Merged 2 reports - 7 files processed");

    // The merge as text and as CSV, which a CSV reader takes.
    const Outcome text = run({"--merge", "one.json", "two.json"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_TRUE(text.out.starts_with("Merged 2 reports - 7 files processed\n")) << text.out;
    const Outcome csv = run({"--merge", "--csv", "one.json", "two.json"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    const auto records = tally_test::csvRecords(csv.out);
    ASSERT_TRUE(records) << csv.out;
    EXPECT_EQ((*records)[1],
              (std::vector<std::string>{"totals", "1", "Files found", "", "7", "", ""}));
}

TEST_F(ReportFixture, ComparingTwoSnapshotsOfATreeShowsWhatChanged) {
    addFile("home/letter.doc", 100);
    addFile("home/notes.txt", 300);
    addFile("home/keep.c", 5);
    snapshot({"--json", "home"}, "april.json");

    fs::remove(tree() + "/home/notes.txt");
    addFile("home/letter.doc", 50000);
    addFile("home/scan.pdf", 20000);
    const Report may = snapshot({"--json", "home"}, "may.json");

    const Outcome json = run({"--compare", "--json", "april.json", "may.json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const QJsonObject comparison =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_TRUE(comparison["note"].isNull());
    EXPECT_EQ(comparison["typesAppeared"].toArray(), QJsonArray{".PDF"});
    EXPECT_EQ(comparison["typesVanished"].toArray(), QJsonArray{".TXT"});
    std::vector<QJsonObject> sizes;
    for (const auto& row : comparison["rows"].toArray())
        if (row.toObject()["section"] == "sizes")
            sizes.push_back(row.toObject());
    ASSERT_EQ(sizes.size(), 12u);
    // 50,000 bytes moved into 32K - 64K, 20,000 into 16K - 32K; 0 - 16K lost 400 bytes.
    EXPECT_EQ(sizes[0]["label"], "32K - 64K");
    EXPECT_EQ(sizes[0]["bytesChange"].toInteger(), 50000);
    EXPECT_EQ(sizes[1]["label"], "16K - 32K");
    EXPECT_EQ(sizes[1]["filesChange"].toInteger(), 1);
    EXPECT_EQ(sizes[2]["label"], "0 - 16K");
    EXPECT_EQ(sizes[2]["bytesBefore"].toInteger(), 405);
    EXPECT_EQ(sizes[2]["bytesAfter"].toInteger(), 5);
    EXPECT_EQ(sizes[2]["filesChange"].toInteger(), -2);

    const Outcome text = run({"--compare", "april.json", "may.json"});
    EXPECT_EQ(text.exitCode, 0) << text.err;
    EXPECT_TRUE(text.out.starts_with("Before: april.json (")) << text.out;
    EXPECT_NE(text.out.find("\nTypes that appeared: .PDF\nTypes that vanished: .TXT\n"),
              std::string::npos)
        << text.out;

    // Two snapshots of one folder merge, but not without a word. Both were taken within a
    // second or so: may.json is moved to a later time, as a real monthly one would be.
    std::string mayText = tally_test::fileText(tree() + "/may.json");
    for (auto at = mayText.find(may.created); at != std::string::npos;
         at = mayText.find(may.created, at))
        mayText.replace(at, may.created.size(), "2099-05-01T02:00:00Z");
    writeFile("may.json", mayText);
    const Outcome both = run({"--merge", "april.json", "may.json"});
    EXPECT_EQ(both.exitCode, 0);
    EXPECT_TRUE(both.err.starts_with("tally99-report: note: april.json and may.json both walked "))
        << both.err;

    // Reports of different selections are compared, with a word about it first.
    snapshot({"--json", "--include", "*.doc", "home"}, "docs.json");
    const Outcome mixed = run({"--compare", "april.json", "docs.json"});
    EXPECT_EQ(mixed.exitCode, 0) << mixed.err;
    EXPECT_TRUE(mixed.out.starts_with("Note: the reports count different files: april.json: All "
                                      "files; docs.json: Selected file types only: *.doc.\n"))
        << mixed.out;
}

TEST_F(ReportFixture, AReportComparedWithItselfChangesNothing) {
    addFile("home/a.txt", 10);
    snapshot({"--json", "home"}, "a.json");
    const Outcome same = run({"--compare", "--json", "a.json", "a.json"});
    ASSERT_EQ(same.exitCode, 0) << same.err;
    const auto rows =
        QJsonDocument::fromJson(QByteArray::fromStdString(same.out)).object()["rows"].toArray();
    // 3 totals, 12 sizes, 3 x 10 ages, 4 attributes, 5 overhang, 3 x 48 half hours, 1 type.
    EXPECT_EQ(rows.size(), 3 + 12 + 30 + 4 + 5 + 144 + 1);
    for (const auto& row : rows)
        for (const char* key : {"filesChange", "bytesChange"})
            EXPECT_EQ(row.toObject()[key].toInteger(), 0)
                << row.toObject()["label"].toString().toStdString();
}

TEST_F(ReportFixture, BadReportsAreRefusedInOneLineNamingTheFileAndPrintNothing) {
    addFile("home/a.txt", 10);
    const std::string good =
        tally_test::fileText((snapshot({"--json", "home"}, "good.json"), tree() + "/good.json"));
    const auto replaced = [&good](const std::string& key, const std::string& value) {
        std::string text = good;
        const auto at = text.find(key) + key.size();
        return text.replace(at, text.find(',', at) - at, value);
    };
    writeFile("empty.json", "");
    writeFile("truncated.json", good.substr(0, good.size() - 40));
    writeFile("words.json", "monthly report\n");
    writeFile("shape.json", "{\"files\": [1, 2, 3]}");
    writeFile("negative.json", replaced("\"hiddenCount\": ", "-1"));
    writeFile("fraction.json", replaced("\"filesFound\": ", "1.5"));
    writeFile("huge.json", replaced("\"archiveBytes\": ", "9007199254740993"));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"missing.json", "tally99-report: missing.json: no such file\n"},
        {"empty.json", "tally99-report: empty.json: is empty, not a report\n"},
        {"truncated.json", "tally99-report: truncated.json: not JSON: "},
        {"words.json", "tally99-report: words.json: not JSON: "},
        {"shape.json", "tally99-report: shape.json: key \"format\" is missing: this is not a "
                       "report of tally99-report\n"},
        {"negative.json", "tally99-report: negative.json: key \"hiddenCount\" is negative (-1)\n"},
        {"fraction.json",
         "tally99-report: fraction.json: key \"filesFound\" is not a whole number (1.5)\n"},
        {"huge.json", "tally99-report: huge.json: key \"archiveBytes\" is larger than "
                      "9007199254740991 (2^53 - 1), the largest whole number a report holds "
                      "exactly\n"},
    };
    for (const auto& [file, error] : cases) {
        for (const auto& arguments : std::vector<std::vector<std::string>>{
                 {"--merge", "--json", "good.json", file}, {"--compare", file, "good.json"}}) {
            const Outcome outcome = run(arguments);
            EXPECT_EQ(outcome.exitCode, 1) << file;
            EXPECT_EQ(outcome.out, "") << file;
            EXPECT_TRUE(outcome.err.starts_with(error)) << outcome.err;
            EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
        }
    }

    const Outcome itself = run({"--merge", "good.json", "good.json"});
    EXPECT_EQ(itself.exitCode, 1);
    EXPECT_EQ(itself.out, "");
    EXPECT_EQ(itself.err, "tally99-report: good.json is named twice: merged with itself, its "
                          "files would count twice\n");
}

TEST_F(ReportFixture, AMergeTooLargeForJsonIsRefusedBeforeAnyOutput) {
    addFile("home/a.txt", 10);
    const std::string good =
        tally_test::fileText((snapshot({"--json", "home"}, "good.json"), tree() + "/good.json"));
    std::string large = good;
    const std::string key = "\"sizeClassBytes\": [";
    large.replace(large.find(key) + key.size(), 2, "9007199254740991");
    writeFile("large.json", large);
    addFile("other/b.txt", 10);
    snapshot({"--json", "other"}, "again.json");

    const Outcome json = run({"--merge", "--json", "large.json", "again.json"});
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.out, "");
    EXPECT_EQ(json.err, "tally99-report: cannot write the report as JSON: key "
                        "\"sizeClassBytes[0]\" is larger than 9007199254740991 (2^53 - 1), the "
                        "largest whole number JSON holds exactly\n");
    const Outcome csv = run({"--merge", "--csv", "large.json", "again.json"});
    EXPECT_EQ(csv.exitCode, 0) << csv.err;
    EXPECT_NE(csv.out.find("\r\nsizes,1,0 - 16K,,2,9007199254741001,\r\n"), std::string::npos)
        << csv.out.substr(0, 300);
}
