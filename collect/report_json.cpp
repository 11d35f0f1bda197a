#include "collect/report_json.h"

#include "collect/name_escapes.h"

#include <span>

namespace {

std::string number(std::int64_t value) {
    return std::to_string(value);
}

// "key": "text", with "keyHex": "..." after it when the text is not UTF-8.
std::string textMember(const std::string& key, const std::string& text) {
    std::string out = jsonString(key) + ": " + jsonString(text);
    if (!isValidUtf8(text))
        out += ", " + jsonString(key + "Hex") + ": " + jsonString(hexOf(text));
    return out;
}

std::string numbers(std::span<const std::int64_t> values) {
    std::string out = "[";
    for (std::size_t i = 0; i < values.size(); ++i)
        out += (i > 0 ? "," : "") + number(values[i]);
    return out + "]";
}

std::string selectionJson(const ReportSelection& selection) {
    std::string patterns;
    std::string hex;
    bool allUtf8 = true;
    for (const auto& pattern : selection.patterns) {
        patterns += (patterns.empty() ? "" : ", ") + jsonString(pattern);
        hex += (hex.empty() ? "" : ", ") + jsonString(hexOf(pattern));
        allUtf8 = allUtf8 && isValidUtf8(pattern);
    }
    std::string out = "{" + textMember("mode", std::string(selection.modeName())) +
                      ", \"patterns\": [" + patterns + "]";
    if (!allUtf8)
        out += ", \"patternsHex\": [" + hex + "]";
    return out + "}";
}

std::string targetsJson(const std::vector<ReportTarget>& targets) {
    std::string out = "[";
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const ReportTarget& t = targets[i];
        out += std::string(i > 0 ? "," : "") + "\n    {" + textMember("host", t.host) + ", " +
               textMember("created", t.created) + ", " + textMember("folder", t.folder) + ", " +
               textMember("drive", std::string(1, t.drive)) +
               ", \"totalBytes\": " + number(t.totalBytes) +
               ", \"freeBytes\": " + number(t.freeBytes) +
               ", \"clusterSize\": " + number(t.clusterSize) + "}";
    }
    return out + (targets.empty() ? "]" : "\n  ]");
}

std::string typesJson(const std::vector<TypeFigures>& types) {
    std::string out = "[";
    for (std::size_t i = 0; i < types.size(); ++i)
        out += std::string(i > 0 ? "," : "") + "\n    {" +
               textMember("extension", types[i].extension) +
               ", \"fileCount\": " + number(types[i].fileCount) +
               ", \"totalBytes\": " + number(types[i].totalBytes) + "}";
    return out + (types.empty() ? "]" : "\n  ]");
}

std::string programJson(const std::string& name, const std::string& version) {
    return "{" + textMember("name", name) + ", " + textMember("version", version) + "}";
}

std::string optionalText(const std::string& key, const std::string& text) {
    return text.empty() ? jsonString(key) + ": null" : textMember(key, text);
}

std::string changeJson(const char* figure, const std::optional<FigureChange>& change) {
    const std::string key = std::string("\"") + figure;
    if (!change)
        return key + "Before\": null, " + key + "After\": null, " + key + "Change\": null";
    return key + "Before\": " + number(change->before) + ", " + key +
           "After\": " + number(change->after) + ", " + key +
           "Change\": " + number(change->difference());
}

std::string comparedJson(const ComparedReport& side) {
    return "{" + textMember("file", side.file) + ", " + textMember("created", side.created) + ", " +
           textMember("host", side.host) + ", \"selection\": " + selectionJson(side.selection) +
           "}";
}

std::string extensionList(const std::vector<std::string>& extensions) {
    std::string out = "[";
    for (std::size_t i = 0; i < extensions.size(); ++i)
        out += (i > 0 ? ", " : "") + jsonString(extensions[i]);
    return out + "]";
}

} // namespace

std::string reportJson(const Report& report) {
    const ReportFigures& f = report.figures;
    std::string out = "{\n";
    const auto member = [&out](const std::string& text) { out += "  " + text + ",\n"; };
    const auto field = [&member](const char* key, const std::string& value) {
        member(jsonString(key) + ": " + value);
    };
    field("format", "{\"name\": " + jsonString(Report::formatName) +
                        ", \"version\": " + number(Report::formatVersion) + "}");
    field("program", programJson(report.programName, report.programVersion));
    member(textMember("created", report.created));
    member(textMember("host", report.host));
    field("targets", targetsJson(report.targets));
    field("selection", selectionJson(report.selection));
    forEachFigureArray([&](const char* key, auto values) { field(key, numbers(values)); }, f);
    forEachFigureSum(
        [&](const char* key, std::int64_t value) {
            if (std::string_view(key) != "filesFound" && std::string_view(key) != "filesSelected")
                field(key, number(value));
        },
        f);
    for (std::size_t i = 0; i < overhangKeys().size(); ++i)
        field(overhangKeys()[i], number(f.overhang ? (*f.overhang)[i] : 0));
    member(f.overhang ? "\"overhangLeftOut\": null"
                      : textMember("overhangLeftOut", f.overhangLeftOut));
    field("clusterSize", number(f.clusterSize));
    field("filesFound", number(f.filesFound));
    field("filesSelected", number(f.filesSelected));
    field("fileTypes", typesJson(f.fileTypes));
    return out + "  " + textMember("status", report.status) + "\n}\n";
}

std::string comparisonJson(const ReportComparison& comparison, const ReportStamp& stamp) {
    std::string out = "{\n";
    const auto member = [&out](const std::string& text) { out += "  " + text + ",\n"; };
    member("\"format\": {\"name\": \"tally99-comparison\", \"version\": 1}");
    member("\"program\": " + programJson(Report::thisProgram, stamp.programVersion));
    member(textMember("created", stamp.created));
    member(optionalText("note", comparison.selectionNote));
    member("\"older\": " + comparedJson(comparison.older));
    member("\"newer\": " + comparedJson(comparison.newer));
    member(optionalText("overhangNote", comparison.overhangNote));
    std::string rows = "[";
    for (std::size_t i = 0; i < comparison.rows.size(); ++i) {
        const ComparisonRow& row = comparison.rows[i];
        rows += std::string(i > 0 ? "," : "") + "\n    {" + textMember("section", row.section) +
                ", \"index\": " + number(row.index) + ", " + textMember("label", row.label) + ", " +
                optionalText("stamp", row.stamp) + ", " + changeJson("files", row.files) + ", " +
                changeJson("bytes", row.bytes) + ", " + optionalText("note", row.note) + "}";
    }
    member("\"rows\": " + rows + (comparison.rows.empty() ? "]" : "\n  ]"));
    member("\"typesAppeared\": " + extensionList(comparison.typesAppeared));
    return out + "  \"typesVanished\": " + extensionList(comparison.typesVanished) + "\n}\n";
}
