#pragma once
// Reports and comparisons as JSON, for programs and for keeping. A report file holds, in this
// order: "format" {"name": "tally99-report", "version": 1}, "program" {"name", "version"},
// "created" (UTC, ISO 8601), "host", "targets" (each with "host", "created", "folder", "drive",
// "totalBytes", "freeBytes", "clusterSize"), "selection" {"mode": "all" | "include" |
// "exclude", "patterns": [...]}, then the figures under the field names of the run's
// accumulators (sizeClassCount ... filesSelected; "overhangLeftOut" is null or why the overhang
// figures, then 0, were left out), "fileTypes" and "status".
// A text that is not UTF-8 is written as name_escapes says, with its bytes in hexadecimal under
// the key plus "Hex" ("extensionHex", "folderHex"; "patternsHex" as a list beside "patterns").
// The caller checks figureOverLimit first: a figure above 2^53 - 1 would be read back rounded.

#include "collect/report.h"
#include "collect/report_comparison.h"

#include <string>

[[nodiscard]] std::string reportJson(const Report& report);

// "format" {"name": "tally99-comparison", "version": 1}, "program", "created", "note" (null, or
// that the reports count different files), "older" and "newer" ({"file", "created", "host",
// "selection"}), "overhangNote", "rows" (each with "section", "index", "label", "stamp",
// "filesBefore", "filesAfter", "filesChange", "bytesBefore", "bytesAfter", "bytesChange" (null
// where the section has no such figure) and "note"), "typesAppeared", "typesVanished".
[[nodiscard]] std::string comparisonJson(const ReportComparison& comparison,
                                         const ReportStamp& stamp);
