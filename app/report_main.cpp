// tally99-report: one collection over drive letters or folders, printed for people, as JSON or
// as CSV; and reports kept as JSON merged into one or compared. The usage text below says what
// it takes and what its exit codes mean. Every output is made whole before the first byte is
// written, so an error leaves no half-written file behind.
#include "app/helpers.h"
#include "collect/progress_line.h"
#include "collect/report_comparison.h"
#include "collect/report_csv.h"
#include "collect/report_json.h"
#include "collect/report_merge.h"
#include "collect/report_reader.h"
#include "collect/report_run.h"
#include "collect/report_text.h"
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

#include <unistd.h>

namespace {

constexpr const char* usageLine =
    "usage: tally99-report [--include PATTERNS | --exclude PATTERNS] [--json | --csv] [--quiet]\n"
    "                      TARGET...\n"
    "       tally99-report --merge [--json | --csv] REPORT...\n"
    "       tally99-report --compare [--json | --csv] OLD NEW\n"
    "       tally99-report --help | --version\n";

constexpr const char* helpText =
    "\n"
    "Counts the files of every TARGET in one run, as the statistics window of Tally 99 does,\n"
    "and prints the totals: size classes, ages, attributes, cluster overhang, time of day and\n"
    "file types. Reports kept as JSON can be merged (what did all my machines hold?) and\n"
    "compared (what changed since last month?).\n"
    "\n"
    "  TARGET    a drive letter such as c: (c: is /, other mounted file systems follow from\n"
    "            d:, as ~/.config/tally99/drives.ini may change), or a folder, walked as a\n"
    "            drive of its own\n"
    "  PATTERNS  comma-separated type patterns such as *.doc,*.txt\n"
    "  REPORT, OLD, NEW  report files written with --json\n"
    "\n"
    "Options:\n"
    "  --include PATTERNS  count only the files that match one of the patterns\n"
    "  --exclude PATTERNS  count every file except those that match one of the patterns\n"
    "  --json              print a JSON object instead of text: kept in a file, a report that\n"
    "                      --merge and --compare of this and every later version read\n"
    "  --csv               print CSV instead of text: one header line, then one row per\n"
    "                      figure that names its section (sizes, accessed, created, modified,\n"
    "                      combined, hours, attributes, overhang, types, totals)\n"
    "  --merge             add the REPORTs into one, as one run over all their drives would\n"
    "                      count: figures added, types joined by extension, drives listed;\n"
    "                      the overhang only when each REPORT has one drive and all share one\n"
    "                      cluster size; a walk found in two REPORTs is refused\n"
    "  --compare           show what changed from OLD to NEW: the files and bytes of every\n"
    "                      class and type before, after and the change, largest change in\n"
    "                      bytes first, and the types that appeared or vanished\n"
    "  --quiet             show no progress: on a terminal, stderr otherwise shows the files\n"
    "                      counted and the folder being walked while the walk runs\n"
    "  --help              print this help and exit\n"
    "  --version           print the program's name and version and exit\n"
    "\n"
    "Names that are not UTF-8 are never dropped: JSON writes such a name byte by byte (\\u00NN\n"
    "for each byte from 0x80) with its bytes in hexadecimal under the key plus \"Hex\"; CSV\n"
    "writes a backslash as \\\\ and each control byte or byte that is not UTF-8 as \\xNN; text\n"
    "shows control bytes as \\t, \\n, \\r or \\xNN.\n"
    "\n"
    "A report each month, compared with the month before (see the manual page):\n"
    "  tally99-report --json / > /var/lib/tally99/$(date +%Y-%m).json\n"
    "  tally99-report --compare /var/lib/tally99/2024-04.json /var/lib/tally99/2024-05.json\n"
    "\n"
    "Exit status:\n"
    "  0  every target was walked; the reports were merged or compared\n"
    "  1  a target could not be walked (a drive not ready, a folder that cannot be entered);\n"
    "     the report covers the targets that were walked, and when none was, no report is\n"
    "     printed; or a REPORT could not be read or merged (said on stderr with the file and\n"
    "     the key; nothing is printed); or the output could not be written (said on stderr,\n"
    "     except when the reader of a pipe has gone)\n"
    "  2  usage error: an unknown option, a missing or second list of patterns, no target,\n"
    "     more targets than drive letters, --merge without a REPORT, --compare without two\n";

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

enum class Format { text, json, csv };
enum class Mode { walk, merge, compare };

struct Options {
    SelectionFilter filter;
    Format format = Format::text;
    Mode mode = Mode::walk;
    bool quiet = false;
    std::vector<std::string> targets; // drives and folders to walk, or the report files
};

// The arguments that are not options, checked against the mode.
std::optional<int> checkOperands(const Options& options) {
    switch (options.mode) {
    case Mode::walk:
        if (options.targets.empty())
            return usage("no target given");
        break;
    case Mode::merge:
        if (!options.filter.allFiles)
            return usage("--include and --exclude choose files to walk, not reports to merge");
        if (options.targets.empty())
            return usage("--merge needs at least one report");
        break;
    case Mode::compare:
        if (!options.filter.allFiles)
            return usage("--include and --exclude choose files to walk, not reports to compare");
        if (options.targets.size() != 2)
            return usage("--compare needs two reports, the older first");
        break;
    }
    return std::nullopt;
}

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
        if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--json" || arg == "--csv") {
            const Format format = arg == "--json" ? Format::json : Format::csv;
            if (options.format != Format::text && options.format != format)
                return usage("only one of --json and --csv may be given");
            options.format = format;
        } else if (arg == "--merge" || arg == "--compare") {
            const Mode mode = arg == "--merge" ? Mode::merge : Mode::compare;
            if (options.mode != Mode::walk && options.mode != mode)
                return usage("only one of --merge and --compare may be given");
            options.mode = mode;
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
    return checkOperands(options);
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

namespace {

// What a mode hands back: the whole output, or nothing with the exit code.
struct Outcome {
    std::optional<std::string> text;
    int code = 0;
};

Outcome failure(const std::string& problem) {
    std::fprintf(stderr, "tally99-report: %s\n", problem.c_str());
    return {std::nullopt, 1};
}

// The report in the chosen form; a JSON report whose figure a reader could not hold exactly
// is refused rather than written.
Outcome formatted(const Report& report, Format format, int code) {
    switch (format) {
    case Format::json:
        if (const auto key = figureOverLimit(report.figures))
            return failure("cannot write the report as JSON: key \"" + *key +
                           "\" is larger than 9007199254740991 (2^53 - 1), the largest whole "
                           "number JSON holds exactly");
        return {reportJson(report), code};
    case Format::csv:
        return {reportCsv(report), code};
    case Format::text:
        break;
    }
    return {reportText(report), code};
}

Outcome walk(Options& options) {
    std::map<char, std::string> folders;
    std::uint32_t lettersInUse = lettersNamed(options.targets);
    for (const auto& target : options.targets) {
        const auto letter = driveOfTarget(target, lettersInUse, folders);
        if (!letter)
            return {std::nullopt, usage("too many targets")};
        options.filter.drives.push_back(driveEntry(*letter));
    }

    ReportRun run(options.filter, std::move(folders));
    std::optional<ProgressLine> progress;
    if (!options.quiet && ::isatty(STDERR_FILENO) == 1) {
        progress.emplace(STDERR_FILENO);
        run.showProgressOn(&*progress);
    }
    const int code = run.run() ? 0 : 1;
    // With no target walked the accumulators hold nothing worth printing: the messages on
    // stderr and the exit code are the whole answer.
    if (run.drivesWalked() == 0)
        return {std::nullopt, code};
    return formatted(run.report(stampNow(TALLY_VERSION)), options.format, code);
}

// Every report file read, or the first that cannot be.
std::optional<std::vector<NamedReport>> readReports(const std::vector<std::string>& files) {
    std::vector<NamedReport> reports;
    for (const auto& file : files) {
        ReportReading reading = readReportFile(file);
        if (!reading.report) {
            failure(reading.error);
            return std::nullopt;
        }
        reports.push_back({file, std::move(*reading.report)});
    }
    return reports;
}

Outcome merge(const Options& options) {
    const auto reports = readReports(options.targets);
    if (!reports)
        return {std::nullopt, 1};
    ReportMerge merged = mergeReports(*reports, stampNow(TALLY_VERSION));
    if (!merged.report)
        return failure(merged.error);
    for (const auto& note : merged.notes)
        std::fprintf(stderr, "tally99-report: note: %s\n", note.c_str());
    return formatted(*merged.report, options.format, 0);
}

Outcome compare(const Options& options) {
    const auto reports = readReports(options.targets);
    if (!reports)
        return {std::nullopt, 1};
    const ReportComparison comparison = compareReports((*reports)[0], (*reports)[1]);
    switch (options.format) {
    case Format::json:
        return {comparisonJson(comparison, stampNow(TALLY_VERSION)), 0};
    case Format::csv:
        return {comparisonCsv(comparison), 0};
    case Format::text:
        break;
    }
    return {comparisonText(comparison), 0};
}

} // namespace

int main(int argc, char* argv[]) {
    // First, before any file is opened.
    platform::StandardOutput output;
    QCoreApplication app(argc, argv);
    Options options;
    if (const auto done = parseArguments(argc, argv, options, output))
        return finish(output, *done);

    Outcome outcome;
    switch (options.mode) {
    case Mode::walk:
        outcome = walk(options);
        break;
    case Mode::merge:
        outcome = merge(options);
        break;
    case Mode::compare:
        outcome = compare(options);
        break;
    }
    if (outcome.text)
        output.write(*outcome.text);
    return finish(output, outcome.code);
}
