#include "collect/report_writer.h"

#include "app/helpers.h"
#include "dates/age_classes.h"
#include "platform/locale_settings.h"
#include "space/size_classes.h"

#include <charconv>
#include <cstdio>

namespace {

std::string padded(const std::string& text, std::size_t width, bool right) {
    if (text.size() >= width)
        return text;
    const std::string fill(width - text.size(), ' ');
    return right ? fill + text : text + fill;
}

void addRow(std::string& out, const std::string& label, const std::string& a, const std::string& b,
            const std::string& c = {}) {
    out += padded(label, 18, false) + padded(a, 20, true) + padded(b, 16, true);
    if (!c.empty())
        out += padded(c, 16, true);
    out += '\n';
}

std::string jsonNumber(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

// The length of the UTF-8 sequence at the start of text, or 0 when it is not one: exactly the
// forms RFC 3629 allows, so no overlong form, no surrogate (U+D800 to U+DFFF) and nothing above
// U+10FFFF. A JSON parser rejects every other form, and one bad name would make the whole report
// unreadable.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    // The range of the second byte depends on the lead; every later byte is 80 to BF.
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    std::size_t length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    return length;
}

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string jsonString(std::string_view text) {
    // UTF-8 text passes as it is; names that are other bytes write each such byte as its code.
    const bool utf8 = isValidUtf8(text);
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || (u >= 0x80 && !utf8)) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// A name as one line of the text report: control characters as \t, \n, \r or \xNN and the
// backslash doubled, so that a tab or a line break in a name cannot break the table and what is
// shown says which bytes the name holds. Other bytes pass as they are, for the terminal to show.
std::string printable(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (u < 0x20 || u == 0x7f) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", u);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

template <std::size_t N>
std::string jsonArray(const std::array<double, N>& values, std::size_t first) {
    std::string out = "[";
    for (std::size_t i = first; i < N; ++i)
        out += (i > first ? "," : "") + jsonNumber(values[i]);
    return out + "]";
}

} // namespace

std::string reportText(const DriveStatistics& stats, const std::string& status) {
    std::string out = printable(status) + "\n\n";
    out += "Files found:    " + formatCount(stats.filesFound) + "\n";
    out += "Files selected: " + formatCount(stats.filesSelected) + "\n";
    out += "Cluster size:   " + formatCount(stats.clusterSize) + "\n\n";

    addRow(out, "File size", "Total file size", "Number of files");
    for (int c = 12; c >= 1; --c)
        addRow(out, sizeClassLabels()[static_cast<std::size_t>(c - 1)],
               formatBytes(stats.sizeClassBytes[static_cast<std::size_t>(c)]),
               formatBytes(stats.sizeClassCount[static_cast<std::size_t>(c)]));

    struct Ages {
        const char* heading;
        const std::array<double, 10>& bytes;
        const std::array<double, 10>& counts;
    };
    for (const Ages& ages : {Ages{"Accessed Date", stats.accessAgeBytes, stats.accessAgeCount},
                             Ages{"Created Date", stats.createAgeBytes, stats.createAgeCount},
                             Ages{"Modified Date", stats.modifyAgeBytes, stats.modifyAgeCount}}) {
        out += '\n';
        addRow(out, ages.heading, "Total file size", "Number of files");
        for (int c = 9; c >= 0; --c)
            addRow(out, ageClassLabels()[static_cast<std::size_t>(c)],
                   formatBytes(ages.bytes[static_cast<std::size_t>(c)]),
                   formatBytes(ages.counts[static_cast<std::size_t>(c)]));
    }

    out += '\n';
    addRow(out, "Attribute", "File Sizes", "# Files");
    addRow(out, "Hidden", formatBytes(stats.hiddenBytes), formatCount(stats.hiddenCount));
    addRow(out, "Read-only", formatBytes(stats.readOnlyBytes), formatCount(stats.readOnlyCount));
    addRow(out, "System", formatBytes(stats.systemBytes), formatCount(stats.systemCount));
    addRow(out, "Archive", formatBytes(stats.archiveBytes), formatCount(stats.archiveCount));

    out += '\n';
    addRow(out, "Cluster size", "Wasted space", "");
    const double overhangs[] = {stats.overhang4K, stats.overhang8K, stats.overhang16K,
                                stats.overhang32K, stats.overhang64K};
    const char* clusters[] = {"4K", "8K", "16K", "32K", "64K"};
    for (int i = 0; i < 5; ++i)
        addRow(out, clusters[i], formatBytes(overhangs[i]), "");

    out += '\n';
    addRow(out, "Time of day", "Modified", "Created", "Accessed");
    for (int slot = 0; slot < 48; ++slot)
        addRow(out, platform::formatShortTime(slot / 2, slot % 2 * 30),
               formatBytes(stats.modifyHours[static_cast<std::size_t>(slot)]),
               formatBytes(stats.createHours[static_cast<std::size_t>(slot)]),
               formatBytes(stats.accessHours[static_cast<std::size_t>(slot)]));

    out += '\n';
    addRow(out, "Extension", "Size", "# Files", "Avg File Size");
    for (const auto& row : stats.fileTypes.rows())
        addRow(out, printable(row.extension), formatBytes(static_cast<double>(row.totalBytes)),
               formatCount(row.fileCount),
               row.fileCount > 0 ? formatBytes(static_cast<double>(row.totalBytes) / row.fileCount)
                                 : "0");
    return out;
}

std::string reportJson(const DriveStatistics& stats, const std::string& status) {
    std::string out = "{\n";
    auto field = [&out](const char* name, const std::string& value) {
        out += std::string("  \"") + name + "\": " + value + ",\n";
    };
    field("sizeClassCount", jsonArray(stats.sizeClassCount, 1));
    field("sizeClassBytes", jsonArray(stats.sizeClassBytes, 1));
    field("modifyHours", jsonArray(stats.modifyHours, 0));
    field("createHours", jsonArray(stats.createHours, 0));
    field("accessHours", jsonArray(stats.accessHours, 0));
    field("accessAgeCount", jsonArray(stats.accessAgeCount, 0));
    field("accessAgeBytes", jsonArray(stats.accessAgeBytes, 0));
    field("createAgeCount", jsonArray(stats.createAgeCount, 0));
    field("createAgeBytes", jsonArray(stats.createAgeBytes, 0));
    field("modifyAgeCount", jsonArray(stats.modifyAgeCount, 0));
    field("modifyAgeBytes", jsonArray(stats.modifyAgeBytes, 0));
    field("hiddenCount", std::to_string(stats.hiddenCount));
    field("readOnlyCount", std::to_string(stats.readOnlyCount));
    field("systemCount", std::to_string(stats.systemCount));
    field("archiveCount", std::to_string(stats.archiveCount));
    field("hiddenBytes", jsonNumber(stats.hiddenBytes));
    field("readOnlyBytes", jsonNumber(stats.readOnlyBytes));
    field("systemBytes", jsonNumber(stats.systemBytes));
    field("archiveBytes", jsonNumber(stats.archiveBytes));
    field("overhang4K", jsonNumber(stats.overhang4K));
    field("overhang8K", jsonNumber(stats.overhang8K));
    field("overhang16K", jsonNumber(stats.overhang16K));
    field("overhang32K", jsonNumber(stats.overhang32K));
    field("overhang64K", jsonNumber(stats.overhang64K));
    field("clusterSize", std::to_string(stats.clusterSize));
    field("filesFound", std::to_string(stats.filesFound));
    field("filesSelected", std::to_string(stats.filesSelected));
    std::string types = "[";
    bool first = true;
    for (const auto& row : stats.fileTypes.rows()) {
        types += std::string(first ? "\n" : ",\n") +
                 "    {\"extension\": " + jsonString(row.extension) +
                 ", \"fileCount\": " + std::to_string(row.fileCount) +
                 ", \"totalBytes\": " + std::to_string(row.totalBytes) + "}";
        first = false;
    }
    field("fileTypes", types + (first ? "]" : "\n  ]"));
    out += "  \"status\": " + jsonString(status) + "\n}\n";
    return out;
}
