#pragma once
// Reports and comparisons as text for people, with the labels and number formats of the
// statistics pages (the user's thousands separator and time format). Names are shown as
// name_escapes says, so every row stays one line.

#include "collect/report.h"
#include "collect/report_comparison.h"

#include <string>

// The status first, then the counters, when and where, the selection, the drives walked and
// the tables of the pages: sizes, the three ages, attributes, overhang, time of day, types.
[[nodiscard]] std::string reportText(const Report& report);

// Which reports, a note first when they count different files, then per table the files and
// bytes before, after and the change; the half hours as the change of each time stamp; and the
// types that appeared or vanished.
[[nodiscard]] std::string comparisonText(const ReportComparison& comparison);
