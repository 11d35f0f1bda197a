// The text for people: each row one line whatever bytes the names hold; a comparison that says
// first when the reports count different files, shows every change with its sign in the page's
// number format, the largest change first, and names the types that came and went.
#include "collect/report_text.h"

#include "collect/drive_statistics.h"
#include "platform/locale_settings.h"
#include "report_samples.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The line that starts with the text, or empty.
std::string lineStarting(const std::string& text, const std::string& start) {
    for (const auto& line : linesOf(text))
        if (line.starts_with(start))
            return line;
    return {};
}

} // namespace

TEST(ReportText, ControlCharactersAreShownEscapedSoEachRowStaysOneLine) {
    DriveStatistics stats;
    for (const std::string extension : {".A\tB", ".\n", ".\x01\x7f", ".\\N", ".\xc3\xa9"})
        stats.fileTypes.insertType(extension, 100, false);
    Report report = tally_test::reportWithTypes("/home/new\nline", {});
    report.figures = figuresOf(stats, "");
    report.status = "Finished\r - 5 files processed";
    report.host = "odd\x1bhost";
    const std::string out = reportText(report);

    for (const char c : out)
        EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f))
            << "raw control byte " << int(c);
    EXPECT_TRUE(out.starts_with("Finished\\r - 5 files processed\n\n")) << out;
    EXPECT_NE(out.find("/home/new\\nline\n"), std::string::npos) << out;
    EXPECT_NE(out.find("on odd\\x1bhost\n"), std::string::npos) << out;
    const auto table = out.substr(out.find("\nExtension") + 1);
    const auto lines = linesOf(table);
    ASSERT_EQ(lines.size(), 6u) << table; // the heading and one line a row
    for (const std::string shown : {".\\n ", ".\\x01\\x7f ", ".A\\tB ", ".\\\\N ", ".\xc3\xa9 "})
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const std::string& line) { return line.starts_with(shown); }))
            << shown << " in\n"
            << table;
}

TEST(ReportText, AReportSaysWhenWhereWhatAndWhyTheOverhangIsMissing) {
    Report report = tally_test::numberedReport();
    const std::string kept = reportText(report);
    EXPECT_NE(kept.find("Created:        2024-05-01T02:00:00Z on box\n"), std::string::npos);
    EXPECT_NE(kept.find("Selection:      All files except selected file types: *.tmp, *.bak\n"),
              std::string::npos);
    EXPECT_EQ(lineStarting(kept, "d:"), "d:         500,107,862,016     123,456,789,012         "
                                        "4,096  box   /home");
    EXPECT_EQ(lineStarting(kept, "4K "), "4K                                 239");

    report.figures.overhang.reset();
    report.figures.overhangLeftOut = "the run covered 2 drives";
    const std::string leftOut = reportText(report);
    EXPECT_EQ(lineStarting(leftOut, "4K "), "");
    EXPECT_NE(leftOut.find("Wasted space\nLeft out: the run covered 2 drives\n"), std::string::npos)
        << leftOut;
}

TEST(ComparisonText, ChangesCarryTheirSignLargestFirstWithTheTypesThatCameAndWent) {
    platform::setCurrentLocale({".", ",", "HH:mm"});
    const Report older = tally_test::reportWithTypes(
        "/home", {{".DOC", 2, 3000000}, {".TXT", 10, 5000}, {".OLD", 1, 100}});
    Report newer = tally_test::reportWithTypes(
        "/home", {{"", 1, 7}, {".DOC", 1, 1000000}, {".TXT", 12, 9000}});
    newer.figures.modifyHours[29] = 4;
    newer.selection = {ReportSelection::Mode::Include, {"*.doc"}};
    const std::string out =
        comparisonText(compareReports({"april.json", older}, {"may.json", newer}));
    platform::setCurrentLocale({});

    EXPECT_TRUE(out.starts_with("Note: the reports count different files: april.json: All "
                                "files; may.json: Selected file types only: *.doc.\n\n"))
        << out;
    EXPECT_NE(out.find("Before: april.json (2024-05-01T02:00:00Z, box)\n"), std::string::npos);
    // Types from the largest change in bytes down; thousands as the locale writes them.
    const auto lines = linesOf(out.substr(out.find("\nExtension")));
    ASSERT_GE(lines.size(), 6u) << out;
    EXPECT_EQ(lines[2], ".DOC                         2           1          -1         3.000.000"
                        "         1.000.000        -2.000.000");
    EXPECT_EQ(lines[3], ".TXT                        10          12          +2             5.000"
                        "             9.000            +4.000");
    EXPECT_EQ(lines[4], ".OLD                         1           0          -1               100"
                        "                 0              -100  vanished");
    EXPECT_EQ(lines[5], "(no extension)               0           1          +1                 0"
                        "                 7                +7  appeared");
    EXPECT_EQ(lineStarting(out, "14:30"), "14:30                               +4               0"
                                          "               0");
    EXPECT_NE(out.find("\nTypes that appeared: (no extension)\nTypes that vanished: .OLD\n"),
              std::string::npos)
        << out;
}

TEST(ComparisonText, AReportComparedWithItselfChangesNothing) {
    const Report report = tally_test::numberedReport();
    const std::string out = comparisonText(compareReports({"a.json", report}, {"a.json", report}));
    EXPECT_TRUE(out.starts_with("Before: a.json")) << out;
    // No sign anywhere: a minus between a blank and a digit would be one (labels such as
    // "0 - 16K" have a blank after theirs, dates a digit before).
    for (const auto& line : linesOf(out)) {
        EXPECT_EQ(line.find('+'), std::string::npos) << line;
        for (std::size_t at = line.find('-'); at != std::string::npos; at = line.find('-', at + 1))
            EXPECT_FALSE(at > 0 && line[at - 1] == ' ' && at + 1 < line.size() &&
                         std::isdigit(static_cast<unsigned char>(line[at + 1])))
                << line;
    }
    EXPECT_NE(out.find("Types that appeared: none\nTypes that vanished: none\n"),
              std::string::npos);
}
