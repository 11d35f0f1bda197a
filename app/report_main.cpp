// tally99-report: one collection over drive letters or folders, printed for people or as JSON.
//   tally99-report [--include PATTERNS | --exclude PATTERNS] [--json] TARGET...
// A TARGET is a drive letter (c:) or a folder, walked as a drive of its own. PATTERNS are
// comma-separated type patterns such as *.doc,*.txt.
#include "app/helpers.h"
#include "collect/report_run.h"
#include "collect/report_writer.h"
#include "platform/drives.h"
#include "ui/drive_box.h"

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int usage(const std::string& problem) {
    std::fprintf(stderr,
                 "tally99-report: %s\nusage: tally99-report [--include PATTERNS | --exclude "
                 "PATTERNS] [--json] TARGET...\n",
                 problem.c_str());
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

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    SelectionFilter filter;
    filter.allFiles = true;
    bool json = false;
    std::vector<std::string> targets;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--json") {
            json = true;
        } else if (arg == "--include" || arg == "--exclude") {
            if (i + 1 >= argc)
                return usage(arg + " needs a list of patterns");
            if (!filter.allFiles)
                return usage("only one of --include and --exclude may be given");
            filter.allFiles = false;
            filter.includeTypes = arg == "--include";
            filter.excludeTypes = arg == "--exclude";
            filter.setTypeEntries(typeEntriesOf(argv[++i]));
        } else if (arg.starts_with("--")) {
            return usage("unknown option " + arg);
        } else {
            targets.push_back(arg);
        }
    }
    if (targets.empty())
        return usage("no target given");

    for (const auto& target : targets) {
        char letter = 0;
        if (isDriveLetter(target)) {
            letter = static_cast<char>(target[0] | 0x20);
        } else {
            std::error_code error;
            const auto folder = std::filesystem::canonical(target, error);
            if (error || !std::filesystem::is_directory(folder, error)) {
                std::fprintf(stderr, "tally99-report: %s is not a folder\n", target.c_str());
                return 1;
            }
            const auto mapped = platform::mapFolderAsDrive(folder.string());
            if (!mapped)
                return usage("too many targets");
            letter = *mapped;
        }
        filter.drives.push_back(driveEntry(letter));
    }

    ReportRun run(filter);
    const bool complete = run.run();
    const std::string out = json ? reportJson(run.statistics(), run.status())
                                 : reportText(run.statistics(), run.status());
    std::fwrite(out.data(), 1, out.size(), stdout);
    return complete ? 0 : 1;
}
