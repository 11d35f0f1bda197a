#pragma once
// Reports and comparisons as CSV (RFC 4180: comma-separated, CR LF line ends, one header
// line, UTF-8), one row per figure row (figure_rows), so that one file loads into a
// spreadsheet or a data frame and is filtered by its section column. Numbers are plain digits
// with a leading minus where negative, whatever the user's locale; a figure a section does not
// have is an empty field. Names are written as name_escapes says.
//
// Report columns:     section,index,label,stamp,files,bytes,note
// Comparison columns: section,index,label,stamp,files_before,files_after,files_change,
//                     bytes_before,bytes_after,bytes_change,note
// A comparison of reports that count different files starts with a row of section "note"
// that says so.

#include "collect/report.h"
#include "collect/report_comparison.h"

#include <string>

[[nodiscard]] std::string reportCsv(const Report& report);
[[nodiscard]] std::string comparisonCsv(const ReportComparison& comparison);
