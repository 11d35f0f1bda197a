#pragma once
// The figures of a report as rows of one long table, each naming its section, for the CSV
// writers and the comparison: one shape for every section, so a spreadsheet or a script can
// filter by section. The sections, in this order:
//   totals      Files found (files), Files selected (files, bytes), Cluster size (bytes)
//   sizes       size classes 1 to 12
//   accessed, created, modified   age classes 0 to 9 of each time stamp
//   combined    the three age tables side by side: per class one row per time stamp
//   hours       per time stamp (modified, created, accessed) the 48 half-hour slots (files)
//   attributes  Hidden, Read-only, System, Archive
//   overhang    the waste with 4K to 64K clusters (bytes); one row with the reason in its note
//               when the report left the overhang out
//   types       one row per extension
// Labels are the pages' own, except the half hours, which are written 00:00 to 23:30 whatever
// the user's time format, so that they sort and parse.

#include "collect/report_figures.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct FigureRow {
    std::string section;
    int index = 0;     // the class (1..12, 0..9), the slot (0..47), or the place in the section
    std::string label; // "0 - 16K", "Over 4 years", "14:30", ".DOC"
    std::string stamp; // "accessed", "created" or "modified" in combined and hours, else empty
    std::optional<std::int64_t> files;
    std::optional<std::int64_t> bytes;
    std::string note;
};

[[nodiscard]] std::vector<FigureRow> figureRows(const ReportFigures& figures);

// "00:00" for slot 0 up to "23:30" for slot 47.
[[nodiscard]] std::string slotLabel(int slot);
