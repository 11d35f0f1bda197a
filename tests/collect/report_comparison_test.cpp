// Comparing two reports: every class and type with its figures before and after, the largest
// change in bytes first, the types that appeared or vanished, and a word first when the reports
// count different files or one has no overhang figures.
#include "collect/report_comparison.h"

#include "report_samples.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<const ComparisonRow*> section(const ReportComparison& comparison,
                                          const std::string& name) {
    std::vector<const ComparisonRow*> rows;
    for (const auto& row : comparison.rows)
        if (row.section == name)
            rows.push_back(&row);
    return rows;
}

} // namespace

TEST(ReportComparison, AReportComparedWithItselfHasNoDifference) {
    const Report report = tally_test::numberedReport();
    const ReportComparison same = compareReports({"a.json", report}, {"a.json", report});
    EXPECT_EQ(same.selectionNote, "");
    EXPECT_EQ(same.overhangNote, "");
    EXPECT_TRUE(same.typesAppeared.empty());
    EXPECT_TRUE(same.typesVanished.empty());
    // 3 totals, 12 sizes, 3 x 10 ages, 4 attributes, 5 overhang, 3 x 48 half hours, 3 types.
    EXPECT_EQ(same.rows.size(), 3u + 12 + 30 + 4 + 5 + 144 + 3);
    for (const auto& row : same.rows) {
        EXPECT_TRUE(row.files || row.bytes) << row.section << " " << row.label;
        EXPECT_EQ(row.files.value_or(FigureChange{}).difference(), 0) << row.section << row.label;
        EXPECT_EQ(row.bytes.value_or(FigureChange{}).difference(), 0) << row.section << row.label;
    }
}

TEST(ReportComparison, ClassesAndTypesRunFromTheLargestChangeInBytes) {
    Report older = tally_test::reportWithTypes("/home", {{".DOC", 2, 3000}, {".TXT", 10, 500}});
    Report newer = tally_test::reportWithTypes("/home", {{".TXT", 12, 900}, {".ZIP", 1, 8000}});
    older.figures.sizeClassCount = {5, 0, 1};
    older.figures.sizeClassBytes = {100, 0, 40000};
    newer.figures.sizeClassCount = {7, 1, 0};
    newer.figures.sizeClassBytes = {300, 20000, 0};
    newer.figures.createHours[3] = 2;
    const ReportComparison c = compareReports({"old.json", older}, {"new.json", newer});

    const auto sizes = section(c, "sizes");
    ASSERT_EQ(sizes.size(), 12u);
    EXPECT_EQ(sizes[0]->label, "32K - 64K");
    EXPECT_EQ(*sizes[0]->bytes, (FigureChange{40000, 0}));
    EXPECT_EQ(sizes[1]->label, "16K - 32K");
    EXPECT_EQ(sizes[2]->label, "0 - 16K");
    EXPECT_EQ(*sizes[2]->files, (FigureChange{5, 7}));
    EXPECT_EQ(sizes[3]->label, "64K - 128K"); // then the unchanged ones in their order

    const auto types = section(c, "types");
    ASSERT_EQ(types.size(), 3u);
    EXPECT_EQ(types[0]->label, ".ZIP");
    EXPECT_EQ(types[0]->note, "appeared");
    EXPECT_EQ(types[1]->label, ".DOC");
    EXPECT_EQ(types[1]->note, "vanished");
    EXPECT_EQ(*types[1]->files, (FigureChange{2, 0}));
    EXPECT_EQ(types[2]->label, ".TXT");
    EXPECT_EQ(*types[2]->bytes, (FigureChange{500, 900}));
    EXPECT_EQ(c.typesAppeared, std::vector<std::string>{".ZIP"});
    EXPECT_EQ(c.typesVanished, std::vector<std::string>{".DOC"});

    // Half hours keep their order; they count files, not bytes.
    const auto hours = section(c, "hours");
    ASSERT_EQ(hours.size(), 144u);
    EXPECT_EQ(hours[48 + 3]->stamp, "created");
    EXPECT_EQ(hours[48 + 3]->label, "01:30");
    EXPECT_EQ(*hours[48 + 3]->files, (FigureChange{0, 2}));
    EXPECT_FALSE(hours[0]->bytes);
}

TEST(ReportComparison, DifferentSelectionsAndAMissingOverhangAreSaid) {
    Report older = tally_test::reportWithTypes("/home", {{".DOC", 2, 3000}});
    Report newer = older;
    newer.selection = {ReportSelection::Mode::Exclude, {"*.tmp"}};
    newer.figures.overhang.reset();
    newer.figures.overhangLeftOut = "the run covered 3 drives";
    const ReportComparison c = compareReports({"old.json", older}, {"new.json", newer});
    EXPECT_EQ(c.selectionNote, "the reports count different files: old.json: All files; "
                               "new.json: All files except selected file types: *.tmp");
    EXPECT_EQ(c.overhangNote, "new.json has no overhang figures (the run covered 3 drives)");
    EXPECT_TRUE(section(c, "overhang").empty());
    EXPECT_EQ(section(c, "types").size(), 1u);
}
