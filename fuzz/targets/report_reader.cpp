// The report reader and what reads its reports. Input: the text of a report file (JSON).
// Properties:
// - reading never crashes; a text it refuses gets one line that starts with the file's name;
// - a report it reads has every figure within what JSON carries exactly, and written again as
//   JSON reads back to the very same report, names and figures (so the reader inverts the
//   writer's escape of names that are not UTF-8);
// - its CSV has one record per figure row and every line ends in CR LF; its text has no
//   control byte but the line ends;
// - compared with itself every change is 0; merged alone it keeps every count and sum, and
//   merged with itself it is refused.

#include "collect/report_reader.h"
#include "collect/figure_rows.h"
#include "collect/report_comparison.h"
#include "collect/report_csv.h"
#include "collect/report_json.h"
#include "collect/report_merge.h"
#include "collect/report_text.h"
#include "fuzz_check.h"

#include <algorithm>
#include <string>

namespace {

void checkCsv(const Report& report) {
    const std::string csv = reportCsv(report);
    std::size_t records = 0;
    for (std::size_t at = csv.find('\n'); at != std::string::npos; at = csv.find('\n', at + 1)) {
        FUZZ_CHECK(at > 0 && csv[at - 1] == '\r');
        ++records;
    }
    FUZZ_CHECK(!csv.empty() && csv.back() == '\n');
    FUZZ_CHECK(records == 1 + figureRows(report.figures).size());
}

void checkText(const Report& report) {
    const std::string text = reportText(report);
    FUZZ_CHECK(std::none_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return c != '\n' && (u < 0x20 || u == 0x7f);
    }));
}

void checkComparedWithItself(const Report& report) {
    const ReportComparison same = compareReports({"a", report}, {"a", report});
    FUZZ_CHECK(same.selectionNote.empty());
    FUZZ_CHECK(same.typesAppeared.empty() && same.typesVanished.empty());
    for (const auto& row : same.rows) {
        FUZZ_CHECK(!row.files || row.files->difference() == 0);
        FUZZ_CHECK(!row.bytes || row.bytes->difference() == 0);
    }
}

void checkMerged(const Report& report) {
    const ReportStamp stamp{"0", "2024-01-01T00:00:00Z", "fuzz"};
    const ReportMerge alone = mergeReports({{"a", report}}, stamp);
    FUZZ_CHECK(alone.report.has_value());
    const ReportFigures& merged = alone.report->figures;
    forEachFigureArray(
        [](const char*, auto sum, auto values) {
            FUZZ_CHECK(std::equal(sum.begin(), sum.end(), values.begin()));
        },
        merged, report.figures);
    forEachFigureSum(
        [](const char*, std::int64_t sum, std::int64_t value) { FUZZ_CHECK(sum == value); }, merged,
        report.figures);
    FUZZ_CHECK(merged.fileTypes.size() == report.figures.fileTypes.size());
    FUZZ_CHECK(alone.report->targets == report.targets);
    FUZZ_CHECK(!mergeReports({{"a", report}, {"b", report}}, stamp).report);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const ReportReading reading = readReportText(tally_fuzz::asText(data, size), "input.json");
    if (!reading.report) {
        FUZZ_CHECK(reading.error.starts_with("input.json: "));
        FUZZ_CHECK(reading.error.find('\n') == std::string::npos);
        return 0;
    }
    const Report& report = *reading.report;
    FUZZ_CHECK(!figureOverLimit(report.figures));
    const ReportReading again = readReportText(reportJson(report), "again.json");
    FUZZ_CHECK(again.report.has_value());
    FUZZ_CHECK(*again.report == report);
    checkCsv(report);
    checkText(report);
    checkComparedWithItself(report);
    checkMerged(report);
    return 0;
}
