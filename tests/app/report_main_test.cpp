// tally99-report as a user meets it: the built program run with arguments, its exit status,
// what it prints on stdout and on stderr. CMake names the program in $TALLY99_REPORT and the
// project's version in $TALLY99_VERSION.
#include "platform/file_text.h"
#include "platform/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <fcntl.h>
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

    void addFile(const std::string& relative) const {
        const fs::path path = tree() + "/" + relative;
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }

    // Runs the program inside tree() with the arguments. Without privileges (as root: the user
    // nobody), a folder closed to others cannot be entered; 77 as exit code means that the
    // privileges could not be given up.
    Outcome run(const std::vector<std::string>& arguments, bool unprivileged = false,
                Stdout stdoutTo = Stdout::file) const {
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
            const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
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
    for (const char* part :
         {"usage: tally99-report", "TARGET", "c:", "folder", "PATTERNS", "*.doc,*.txt", "--include",
          "--exclude", "--json", "--version", "Exit status", "  0 ", "  1 ", "  2 "})
        EXPECT_NE(help.out.find(part), std::string::npos) << part << " in\n" << help.out;

    const Outcome version = run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("tally99-report ") + std::getenv("TALLY99_VERSION") + "\n");
}

TEST_F(ReportFixture, UsageErrorsExitWith2AndPrintNoReport) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--bogus", "."}, {}, {"--include"}, {"--include", "*.c", "--exclude", "*.h", "."}}) {
        const Outcome outcome = run(arguments);
        EXPECT_EQ(outcome.exitCode, 2) << outcome.err;
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find("usage: tally99-report"), std::string::npos) << outcome.err;
    }
    EXPECT_NE(run({"--bogus"}).err.find("unknown option --bogus"), std::string::npos);
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

TEST_F(ReportFixture, OutputThatCannotBeWrittenFailsWithOneLine) {
    addFile("open/a.txt");
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"open"}, {"--json", "open"}, {"--help"}, {"--version"}}) {
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
