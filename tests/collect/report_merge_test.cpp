// Merging reports: every figure added, types joined by extension, the overhang kept only where
// it still means one cluster size, and the merges that would count files twice or add figures
// of different selections refused with the files named.
#include "collect/report_merge.h"

#include "report_samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const ReportStamp now{"1.8", "2024-06-01T00:00:00Z", "merger"};

Report withWalk(Report report, const std::string& created) {
    for (auto& target : report.targets)
        target.created = created;
    return report;
}

} // namespace

TEST(ReportMerge, EveryFigureIsAddedAndTypesJoinByExtension) {
    const Report a = tally_test::numberedReport();
    Report b = withWalk(tally_test::numberedReport(), "2024-05-02T02:00:00Z");
    b.figures.fileTypes = {{".doc", 1, 10}, {".ZIP", 2, 20}};
    const ReportMerge merged = mergeReports({{"a.json", a}, {"b.json", b}}, now);
    ASSERT_TRUE(merged.report) << merged.error;
    const Report& m = *merged.report;

    EXPECT_EQ(m.figures.sizeClassBytes[11], 2 * a.figures.sizeClassBytes[11]);
    EXPECT_EQ(m.figures.accessHours[47], 2 * a.figures.accessHours[47]);
    EXPECT_EQ(m.figures.modifyAgeBytes[0], 2 * a.figures.modifyAgeBytes[0]);
    EXPECT_EQ(m.figures.archiveBytes, 2 * a.figures.archiveBytes);
    EXPECT_EQ(m.figures.filesSelected, 2 * a.figures.filesSelected);
    const std::vector<TypeFigures> types = {
        {"", 3, 30}, {".DOC", 5, 4010}, {".TXT", 5, 500}, {".ZIP", 2, 20}};
    EXPECT_EQ(m.figures.fileTypes, types);
    ASSERT_EQ(m.targets.size(), 2u);
    EXPECT_EQ(m.targets[1].created, "2024-05-02T02:00:00Z");
    EXPECT_EQ(m.created, "2024-06-01T00:00:00Z");
    EXPECT_EQ(m.host, "merger");
    EXPECT_EQ(m.programVersion, "1.8");
    EXPECT_EQ(m.selection, a.selection);
    EXPECT_EQ(m.status, "Merged 2 reports - 474 files processed 476 files found");
    ASSERT_TRUE(m.figures.overhang);
    EXPECT_EQ((*m.figures.overhang)[4], 2 * (*a.figures.overhang)[4]);
    EXPECT_EQ(m.figures.clusterSize, 4096);

    // One report merged alone is itself, restamped.
    const ReportMerge alone = mergeReports({{"a.json", a}}, now);
    ASSERT_TRUE(alone.report);
    EXPECT_EQ(alone.report->figures, a.figures);
}

TEST(ReportMerge, OverhangIsKeptOnlyForOneDriveEachOfOneClusterSize) {
    const Report a = tally_test::reportWithTypes("/a", {{".DOC", 1, 100}});
    const Report b = tally_test::reportWithTypes("/b", {{".DOC", 1, 100}});
    Report big = b;
    big.targets[0].clusterSize = big.figures.clusterSize = 65536;
    Report two = b;
    two.targets.push_back(tally_test::sampleTarget("/c"));
    Report without = b;
    without.figures.overhang.reset();
    without.figures.overhangLeftOut = "the run covered 2 drives";

    struct Case {
        Report other;
        std::string leftOut;
        std::int64_t clusterSize;
    };
    const std::vector<Case> cases = {
        {b, "", 4096},
        {big, "the cluster sizes differ (4,096 in a.json, 65,536 in b.json)", 0},
        {two, "b.json covers 2 drives, and the overhang is kept only for reports of one drive each",
         4096},
        {without, "b.json has none (the run covered 2 drives)", 4096},
    };
    for (const auto& c : cases) {
        const ReportMerge merged = mergeReports({{"a.json", a}, {"b.json", c.other}}, now);
        ASSERT_TRUE(merged.report) << merged.error;
        EXPECT_EQ(merged.report->figures.overhangLeftOut, c.leftOut);
        EXPECT_EQ(merged.report->figures.overhang.has_value(), c.leftOut.empty()) << c.leftOut;
        EXPECT_EQ(merged.report->figures.clusterSize, c.clusterSize) << c.leftOut;
    }
}

TEST(ReportMerge, FilesThatWouldCountTwiceOrMeanDifferentThingsAreRefused) {
    const Report a = tally_test::reportWithTypes("/a", {{".DOC", 1, 100}});
    const Report b = tally_test::reportWithTypes("/b", {{".DOC", 1, 100}});
    const ReportMerge ab = mergeReports({{"a.json", a}, {"b.json", b}}, now);
    ASSERT_TRUE(ab.report);

    EXPECT_EQ(mergeReports({{"a.json", a}, {"a.json", a}}, now).error,
              "a.json is named twice: merged with itself, its files would count twice");
    EXPECT_EQ(mergeReports({{"a.json", a}, {"copy.json", a}}, now).error,
              "copy.json holds the walk of /a on box at 2024-05-01T02:00:00Z that a.json holds "
              "too: merged, its files would count twice");
    EXPECT_EQ(mergeReports({{"ab.json", *ab.report}, {"b.json", b}}, now).error,
              "b.json holds the walk of /b on box at 2024-05-01T02:00:00Z that ab.json holds "
              "too: merged, its files would count twice");
    // The same folder walked again later is another walk, merged with a word of warning.
    const ReportMerge months =
        mergeReports({{"a.json", a}, {"later.json", withWalk(a, "2024-06-01T02:00:00Z")}}, now);
    EXPECT_TRUE(months.report);
    EXPECT_EQ(months.notes, std::vector<std::string>{
                                "a.json and later.json both walked /a on box (at "
                                "2024-05-01T02:00:00Z and 2024-06-01T02:00:00Z): its files count "
                                "in both"});
    EXPECT_TRUE(ab.notes.empty());

    Report docs = b;
    docs.selection = {ReportSelection::Mode::Include, {"*.doc"}};
    EXPECT_EQ(mergeReports({{"a.json", a}, {"docs.json", docs}}, now).error,
              "a.json and docs.json count different files (All files; Selected file types "
              "only: *.doc): only reports of one selection can be merged");
    // The same types in another order and case are the same selection.
    Report sameDocs = a;
    sameDocs.selection = {ReportSelection::Mode::Include, {"*.TXT", "?.doc"}};
    docs.selection = {ReportSelection::Mode::Include, {"*.doc", "*.txt"}};
    EXPECT_TRUE(mergeReports({{"a.json", sameDocs}, {"docs.json", docs}}, now).report);

    EXPECT_EQ(mergeReports({}, now).error, "no report to merge");
}

TEST(ReportMerge, SumsAboveTheExactLimitAreNamedForTheJsonWriterToRefuse) {
    Report a = tally_test::reportWithTypes("/a", {{".ISO", 1, maxExactFigure}});
    Report b = tally_test::reportWithTypes("/b", {{".ISO", 1, 1}});
    const ReportMerge merged = mergeReports({{"a.json", a}, {"b.json", b}}, now);
    ASSERT_TRUE(merged.report);
    EXPECT_EQ(merged.report->figures.fileTypes[0].totalBytes, maxExactFigure + 1);
    EXPECT_EQ(figureOverLimit(merged.report->figures), "sizeClassBytes[0]");
    EXPECT_EQ(figureOverLimit(a.figures), std::nullopt);
}
