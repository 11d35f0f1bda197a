#include "collect/report_text.h"

#include "app/helpers.h"
#include "collect/name_escapes.h"
#include "dates/age_classes.h"
#include "platform/locale_settings.h"
#include "space/size_classes.h"

#include <algorithm>
#include <map>

namespace {

std::string padded(const std::string& text, std::size_t width, bool right) {
    if (text.size() >= width)
        return text;
    const std::string fill(width - text.size(), ' ');
    return right ? fill + text : text + fill;
}

void trimEnd(std::string& line) {
    while (!line.empty() && line.back() == ' ')
        line.pop_back();
}

void addRow(std::string& out, const std::string& label, const std::string& a, const std::string& b,
            const std::string& c = {}) {
    std::string line = padded(label, 18, false) + padded(a, 20, true) + padded(b, 16, true);
    if (!c.empty())
        line += padded(c, 16, true);
    trimEnd(line);
    out += line + '\n';
}

std::string bytes(std::int64_t value) {
    return formatBytes(static_cast<double>(value));
}

std::string slotTime(int slot) {
    return platform::formatShortTime(slot / 2, slot % 2 * 30);
}

void addTargets(std::string& out, const Report& report) {
    std::size_t hostWidth = 4;
    for (const auto& target : report.targets)
        hostWidth = std::max(hostWidth, printableName(target.host).size());
    out += padded("Drive", 6, false) + padded("Total size", 20, true) +
           padded("Free space", 20, true) + padded("Cluster size", 14, true) + "  " +
           padded("Host", hostWidth, false) + "  Folder\n";
    for (const auto& target : report.targets)
        out += padded(std::string(1, target.drive) + ":", 6, false) +
               padded(bytes(target.totalBytes), 20, true) +
               padded(bytes(target.freeBytes), 20, true) +
               padded(formatCount(target.clusterSize), 14, true) + "  " +
               padded(printableName(target.host), hostWidth, false) + "  " +
               printableName(target.folder) + "\n";
}

void addAges(std::string& out, const ReportFigures& f) {
    struct Ages {
        const char* heading;
        const ReportFigures::Ages& bytes;
        const ReportFigures::Ages& counts;
    };
    for (const Ages& ages : {Ages{"Accessed Date", f.accessAgeBytes, f.accessAgeCount},
                             Ages{"Created Date", f.createAgeBytes, f.createAgeCount},
                             Ages{"Modified Date", f.modifyAgeBytes, f.modifyAgeCount}}) {
        out += '\n';
        addRow(out, ages.heading, "Total file size", "Number of files");
        for (std::size_t c = 10; c-- > 0;)
            addRow(out, ageClassLabels()[c], bytes(ages.bytes[c]), bytes(ages.counts[c]));
    }
}

void addOverhang(std::string& out, const ReportFigures& f) {
    out += '\n';
    addRow(out, "Cluster size", "Wasted space", "");
    if (!f.overhang) {
        out += "Left out: " + printableName(f.overhangLeftOut) + "\n";
        return;
    }
    const char* clusters[] = {"4K", "8K", "16K", "32K", "64K"};
    for (std::size_t i = 0; i < 5; ++i)
        addRow(out, clusters[i], bytes((*f.overhang)[i]), "");
}

void addTypes(std::string& out, const ReportFigures& f) {
    out += '\n';
    addRow(out, "Extension", "Size", "# Files", "Avg File Size");
    for (const auto& row : f.fileTypes)
        addRow(out, printableName(row.extension), bytes(row.totalBytes), formatCount(row.fileCount),
               row.fileCount > 0 ? formatBytes(static_cast<double>(row.totalBytes) /
                                               static_cast<double>(row.fileCount))
                                 : "0");
}

// An extension as the comparison names it; files without one get words, not an empty cell.
std::string extensionName(const std::string& extension) {
    return extension.empty() ? "(no extension)" : printableName(extension);
}

// A change with its sign: "+1,024", "-3", "0".
std::string change(std::int64_t difference) {
    return (difference > 0 ? "+" : "") + bytes(difference);
}

// The headings of a comparison table: the page's first column, then what its two figures are.
struct ChangeHeading {
    const char* label;
    const char* files;
    const char* bytes;
};

ChangeHeading headingOf(const std::string& section) {
    static const std::map<std::string, ChangeHeading> headings = {
        {"totals", {"", "Number of files", "Total file size"}},
        {"sizes", {"File size", "Number of files", "Total file size"}},
        {"accessed", {"Accessed Date", "Number of files", "Total file size"}},
        {"created", {"Created Date", "Number of files", "Total file size"}},
        {"modified", {"Modified Date", "Number of files", "Total file size"}},
        {"attributes", {"Attribute", "# Files", "File Sizes"}},
        {"overhang", {"Cluster size", "", "Wasted space"}},
        {"types", {"Extension", "# Files", "Size"}}};
    return headings.at(section);
}

void addChangeHeading(std::string& out, const ChangeHeading& heading) {
    out += '\n' + padded("", 18, false) + padded(heading.files, 36, true) +
           padded(heading.bytes, 54, true) + "\n";
    out += padded(heading.label, 18, false);
    if (*heading.files != '\0')
        out += padded("Before", 12, true) + padded("After", 12, true) + padded("Change", 12, true);
    else
        out += padded("", 36, false);
    out +=
        padded("Before", 18, true) + padded("After", 18, true) + padded("Change", 18, true) + "\n";
}

void addChangeRow(std::string& out, const ComparisonRow& row) {
    const auto cells = [](const std::optional<FigureChange>& figure, std::size_t width) {
        if (!figure)
            return padded("", width * 3, false);
        return padded(bytes(figure->before), width, true) +
               padded(bytes(figure->after), width, true) +
               padded(change(figure->difference()), width, true);
    };
    const std::string label =
        row.section == "types" ? extensionName(row.label) : printableName(row.label);
    std::string line = padded(label, 18, false) + cells(row.files, 12) + cells(row.bytes, 18);
    if (!row.note.empty())
        line += "  " + row.note;
    trimEnd(line);
    out += line + '\n';
}

// The half hours in slot order, one column per time stamp: the change in files.
void addHourChanges(std::string& out, const std::vector<ComparisonRow>& rows) {
    std::map<std::string, std::array<std::int64_t, 48>> changes;
    for (const auto& row : rows)
        if (row.section == "hours" && row.files)
            changes[row.stamp][std::size_t(row.index)] = row.files->difference();
    out += "\nChange in the number of files by time of day\n";
    addRow(out, "Time of day", "Modified", "Created", "Accessed");
    for (std::size_t slot = 0; slot < 48; ++slot)
        addRow(out, slotTime(int(slot)), change(changes["modified"][slot]),
               change(changes["created"][slot]), change(changes["accessed"][slot]));
}

std::string extensionList(const std::vector<std::string>& extensions) {
    if (extensions.empty())
        return "none";
    std::string list;
    for (const auto& extension : extensions)
        list += (list.empty() ? "" : ", ") + extensionName(extension);
    return list;
}

std::string described(const ComparedReport& side) {
    return printableName(side.file) + " (" + printableName(side.created) + ", " +
           printableName(side.host) + ")";
}

} // namespace

std::string reportText(const Report& report) {
    const ReportFigures& f = report.figures;
    std::string out = printableName(report.status) + "\n\n";
    out += "Files found:    " + formatCount(f.filesFound) + "\n";
    out += "Files selected: " + formatCount(f.filesSelected) + "\n";
    out += "Cluster size:   " + formatCount(f.clusterSize) + "\n";
    out += "Created:        " + printableName(report.created) + " on " +
           printableName(report.host) + "\n";
    out += "Selection:      " + printableName(report.selection.description()) + "\n\n";
    addTargets(out, report);

    out += '\n';
    addRow(out, "File size", "Total file size", "Number of files");
    for (std::size_t c = 12; c >= 1; --c)
        addRow(out, sizeClassLabels()[c - 1], bytes(f.sizeClassBytes[c - 1]),
               bytes(f.sizeClassCount[c - 1]));
    addAges(out, f);

    out += '\n';
    addRow(out, "Attribute", "File Sizes", "# Files");
    addRow(out, "Hidden", bytes(f.hiddenBytes), formatCount(f.hiddenCount));
    addRow(out, "Read-only", bytes(f.readOnlyBytes), formatCount(f.readOnlyCount));
    addRow(out, "System", bytes(f.systemBytes), formatCount(f.systemCount));
    addRow(out, "Archive", bytes(f.archiveBytes), formatCount(f.archiveCount));
    addOverhang(out, f);

    out += '\n';
    addRow(out, "Time of day", "Modified", "Created", "Accessed");
    for (std::size_t slot = 0; slot < 48; ++slot)
        addRow(out, slotTime(int(slot)), bytes(f.modifyHours[slot]), bytes(f.createHours[slot]),
               bytes(f.accessHours[slot]));
    addTypes(out, f);
    return out;
}

std::string comparisonText(const ReportComparison& comparison) {
    std::string out;
    if (!comparison.selectionNote.empty())
        out += "Note: " + printableName(comparison.selectionNote) + ".\n\n";
    out += "Before: " + described(comparison.older) + "\n";
    out += "After:  " + described(comparison.newer) + "\n";
    std::string section;
    for (const auto& row : comparison.rows) {
        if (row.section == "hours")
            continue;
        if (row.section != section) {
            section = row.section;
            addChangeHeading(out, headingOf(section));
        }
        addChangeRow(out, row);
    }
    if (!comparison.overhangNote.empty())
        out += "\nCluster overhang not compared: " + printableName(comparison.overhangNote) + "\n";
    addHourChanges(out, comparison.rows);
    out += "\nTypes that appeared: " + extensionList(comparison.typesAppeared) + "\n";
    out += "Types that vanished: " + extensionList(comparison.typesVanished) + "\n";
    return out;
}
