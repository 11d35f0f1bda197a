#pragma once
// A report: the figures of one run (or of several, merged) with what is needed to read them
// later and elsewhere: the layout's name and version, the program that wrote it, when (UTC) and
// on which host, the drives and folders walked, and which files were counted.
// A report file is JSON (report_json), read back by report_reader; a reader of this layout
// reads every report written in it and in every earlier version, and refuses later versions.

#include "collect/report_figures.h"
#include "collect/report_selection.h"
#include "collect/report_target.h"

#include <string>
#include <vector>

// Who writes a report, and when: the same for every report of one program run.
struct ReportStamp {
    std::string programVersion;
    std::string created; // UTC, ISO 8601: 2024-05-01T02:00:00Z
    std::string host;
};

struct Report {
    static constexpr const char* formatName = "tally99-report";
    static constexpr int formatVersion = 1;
    static constexpr const char* thisProgram = "tally99-report";

    std::string programName = thisProgram;
    std::string programVersion;
    std::string created;
    std::string host;
    std::vector<ReportTarget> targets;
    ReportSelection selection;
    std::string status; // the run's closing status text
    ReportFigures figures;

    bool operator==(const Report&) const = default;

    void stamp(const ReportStamp& stamp);
};

// This moment and this machine, for reports written now.
[[nodiscard]] ReportStamp stampNow(const std::string& programVersion);

// The closing status of a run or a merge over these figures: "Finished - 5 files processed",
// with " 3 files found" when fewer files were selected than found.
[[nodiscard]] std::string closingStatus(const std::string& opening, const ReportFigures& figures);

// A report with the file it was read from, for messages and headings.
struct NamedReport {
    std::string file;
    Report report;
};
