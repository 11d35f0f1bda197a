#include "collect/report_csv.h"

#include "collect/name_escapes.h"

#include <initializer_list>

namespace {

std::string number(const std::optional<std::int64_t>& value) {
    return value ? std::to_string(*value) : std::string();
}

std::string record(std::initializer_list<std::string> fields) {
    std::string line;
    bool first = true;
    for (const auto& field : fields) {
        if (!first)
            line += ',';
        line += field;
        first = false;
    }
    return line + "\r\n";
}

std::string changeFields(const std::optional<FigureChange>& change) {
    if (!change)
        return ",,";
    return std::to_string(change->before) + "," + std::to_string(change->after) + "," +
           std::to_string(change->difference());
}

} // namespace

std::string reportCsv(const Report& report) {
    std::string out = record({"section", "index", "label", "stamp", "files", "bytes", "note"});
    for (const auto& row : figureRows(report.figures))
        out += record({row.section, std::to_string(row.index), csvField(row.label), row.stamp,
                       number(row.files), number(row.bytes), csvField(row.note)});
    return out;
}

std::string comparisonCsv(const ReportComparison& comparison) {
    std::string out =
        record({"section", "index", "label", "stamp", "files_before", "files_after", "files_change",
                "bytes_before", "bytes_after", "bytes_change", "note"});
    if (!comparison.selectionNote.empty())
        out += record(
            {"note", "0", "", "", "", "", "", "", "", "", csvField(comparison.selectionNote)});
    if (!comparison.overhangNote.empty())
        out += record({"overhang", "0", "", "", "", "", "", "", "", "",
                       csvField("not compared: " + comparison.overhangNote)});
    for (const auto& row : comparison.rows)
        out += record({row.section, std::to_string(row.index), csvField(row.label), row.stamp,
                       changeFields(row.files), changeFields(row.bytes), csvField(row.note)});
    return out;
}
