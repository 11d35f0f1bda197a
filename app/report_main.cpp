// tally99-report: one collection over drive letters or folders, printed for people or as JSON.
// The usage text below says what it takes and what its exit codes mean.
#include "app/helpers.h"
#include "collect/report_run.h"
#include "collect/report_writer.h"
#include "platform/drives.h"
#include "platform/standard_output.h"
#include "ui/drive_box.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr const char* usageLine =
    "usage: tally99-report [--include PATTERNS | --exclude PATTERNS] [--json] TARGET...\n"
    "       tally99-report --help | --version\n";

constexpr const char* helpText =
    "\n"
    "Counts the files of every TARGET in one run, as the statistics window of Tally 99 does,\n"
    "and prints the totals: size classes, ages, attributes, cluster overhang, time of day and\n"
    "file types.\n"
    "\n"
    "  TARGET    a drive letter such as c: (c: is /, other mounted file systems follow from\n"
    "            d:, as ~/.config/tally99/drives.ini may change), or a folder, walked as a\n"
    "            drive of its own\n"
    "  PATTERNS  comma-separated type patterns such as *.doc,*.txt\n"
    "\n"
    "Options:\n"
    "  --include PATTERNS  count only the files that match one of the patterns\n"
    "  --exclude PATTERNS  count every file except those that match one of the patterns\n"
    "  --json              print the totals as a JSON object instead of text\n"
    "  --help              print this help and exit\n"
    "  --version           print the program's name and version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  every target was walked\n"
    "  1  a target could not be walked (a drive not ready, a folder that cannot be entered);\n"
    "     the report covers the targets that were walked, and when none was, no report is\n"
    "     printed; or the output could not be written (said on stderr, except when the\n"
    "     reader of a pipe has gone)\n"
    "  2  usage error: an unknown option, a missing or second list of patterns, no target,\n"
    "     more targets than drive letters\n";

int usage(const std::string& problem) {
    std::fprintf(stderr, "tally99-report: %s\n%s", problem.c_str(), usageLine);
    return 2;
}

std::vector<std::string> typeEntriesOf(const std::string& patterns) {
    std::vector<std::string> entries;
    std::size_t start = 0;
    while (start <= patterns.size()) {
        const std::size_t comma = patterns.find(',', start);
        const std::string pattern = patterns.substr(start, comma - start);
        if (!pattern.empty())
            entries.push_back(pattern + "\t");
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    return entries;
}

bool isDriveLetter(const std::string& target) {
    return (target.size() == 2 || (target.size() == 3 && target[2] == '\\')) && target[1] == ':' &&
           ((target[0] >= 'a' && target[0] <= 'z') || (target[0] >= 'A' && target[0] <= 'Z'));
}

// The drive entry as the program lists it: the drive-box text with an empty label replaced by
// the drive's type name.
std::string driveEntry(char letter) {
    std::string text = drive_box::driveText(letter);
    if (text.empty())
        text = std::string(1, letter) + ":";
    if (const auto empty = text.find("[]"); empty != std::string::npos) {
        text.erase(empty, 2);
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        text += " " + driveTypeName(platform::driveType(letter));
    }
    return text;
}

struct Options {
    SelectionFilter filter;
    bool json = false;
    std::vector<std::string> targets;
};

// The options of the command line; an exit code instead when the program is done (help,
// version) or the line is wrong.
std::optional<int> parseArguments(int argc, char* argv[], Options& options,
                                  platform::StandardOutput& output) {
    options.filter.allFiles = true;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help") {
            output.write(std::string(usageLine) + helpText);
            return 0;
        }
        if (arg == "--version") {
            output.write(std::string("tally99-report ") + TALLY_VERSION + "\n");
            return 0;
        }
        if (arg == "--json") {
            options.json = true;
        } else if (arg == "--include" || arg == "--exclude") {
            if (i + 1 >= argc)
                return usage(arg + " needs a list of patterns");
            if (!options.filter.allFiles)
                return usage("only one of --include and --exclude may be given");
            options.filter.allFiles = false;
            options.filter.includeTypes = arg == "--include";
            options.filter.excludeTypes = arg == "--exclude";
            options.filter.setTypeEntries(typeEntriesOf(argv[++i]));
        } else if (arg.starts_with("--")) {
            return usage("unknown option " + arg);
        } else if (arg.empty()) {
            return usage("an empty target");
        } else {
            options.targets.push_back(arg);
        }
    }
    if (options.targets.empty())
        return usage("no target given");
    return std::nullopt;
}

// Bit n for every drive letter 'a' + n that the targets name, as platform::logicalDrives.
std::uint32_t lettersNamed(const std::vector<std::string>& targets) {
    std::uint32_t letters = 0;
    for (const auto& target : targets)
        if (isDriveLetter(target))
            letters |= 1U << ((target[0] | 0x20) - 'a');
    return letters;
}

// The drive letter of a target; a folder gets a letter of its own, one that no other target
// uses, remembered in folders with the folder as typed. Whether the folder exists is the run's
// to find out, as for a drive.
std::optional<char> driveOfTarget(const std::string& target, std::uint32_t& lettersInUse,
                                  std::map<char, std::string>& folders) {
    if (isDriveLetter(target))
        return static_cast<char>(target[0] | 0x20);
    std::error_code error;
    std::filesystem::path folder = std::filesystem::weakly_canonical(target, error);
    if (error)
        folder = std::filesystem::absolute(target, error);
    const auto letter = platform::mapFolderAsDrive(folder.string(), lettersInUse);
    if (letter) {
        folders[*letter] = target;
        lettersInUse |= 1U << (*letter - 'a');
    }
    return letter;
}

// The exit code once stdout is closed: code when everything written arrived, else 1 with the
// reason on stderr. A reader that has gone wants no more, so that ends quietly, as other tools
// end; unless SIGPIPE is ignored, the signal has already ended the program just as quietly.
int finish(platform::StandardOutput& output, int code) {
    const std::error_code error = output.close();
    if (!error)
        return code;
    if (error != std::errc::broken_pipe)
        std::fprintf(stderr, "tally99-report: cannot write the report: %s\n",
                     error.message().c_str());
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    // First, before any file is opened.
    platform::StandardOutput output;
    QCoreApplication app(argc, argv);
    Options options;
    if (const auto done = parseArguments(argc, argv, options, output))
        return finish(output, *done);

    std::map<char, std::string> folders;
    std::uint32_t lettersInUse = lettersNamed(options.targets);
    for (const auto& target : options.targets) {
        const auto letter = driveOfTarget(target, lettersInUse, folders);
        if (!letter)
            return usage("too many targets");
        options.filter.drives.push_back(driveEntry(*letter));
    }

    ReportRun run(options.filter, std::move(folders));
    const bool complete = run.run();
    // With no target walked the accumulators hold nothing worth printing: the messages on
    // stderr and the exit code are the whole answer.
    if (run.drivesWalked() > 0) {
        const std::string out = options.json ? reportJson(run.statistics(), run.status())
                                             : reportText(run.statistics(), run.status());
        output.write(out);
    }
    return finish(output, complete ? 0 : 1);
}
