// A headless run as a report: the figures the walk counted, the drives as they stood, the
// selection, all read back from the JSON exactly as they were.
#include "collect/report_run.h"

#include "collect/report_json.h"
#include "collect/report_reader.h"
#include "fake_drives.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace {

const ReportStamp stamp{"1.7", "2024-05-01T02:00:00Z", "box"};

SelectionFilter filterFor(std::vector<std::string> drives) {
    SelectionFilter filter;
    filter.allFiles = true;
    filter.drives = std::move(drives);
    return filter;
}

} // namespace

TEST(ReportRun, AWalkReadsBackFromItsJsonWithEveryFigure) {
    tally_test::FakeDrives drives;
    drives.map('d', "fixed", "data", "1000000000,400000000,4096");
    drives.addFile("d", "a.txt", 10);
    drives.addFile("d", "sub/b.doc", 40000);
    drives.addFile("d", "sub/.hidden", 3);
    drives.addFile("d", "README", 0);
    drives.addFile("d", "big/huge.iso", 17 << 20);
    drives.addFile("d", "odd/\xe9t\xe9.\xe9", 5);
    std::filesystem::permissions(drives.folder("d") + "/a.txt", std::filesystem::perms::owner_read);

    ReportRun run(filterFor({"d: [data]"}));
    ASSERT_TRUE(run.run());
    const Report report = run.report(stamp);
    EXPECT_EQ(report.figures, figuresOf(run.statistics(), ""));
    EXPECT_EQ(report.figures.filesFound, 6);
    EXPECT_EQ(report.figures.hiddenCount, 1);
    EXPECT_EQ(report.figures.readOnlyCount, 1);
    EXPECT_EQ(report.figures.sizeClassCount[11], 1);
    ASSERT_TRUE(report.figures.overhang);
    EXPECT_GT((*report.figures.overhang)[0], 0);
    ASSERT_EQ(report.targets.size(), 1u);
    EXPECT_EQ(report.targets[0], (ReportTarget{"box", "2024-05-01T02:00:00Z", drives.folder("d"),
                                               'd', 1000000000, 400000000, 4096}));
    EXPECT_EQ(report.selection, ReportSelection{});
    EXPECT_EQ(report.status, "Finished - 6 files processed");

    const ReportReading back = readReportText(reportJson(report), "run.json");
    ASSERT_TRUE(back.report) << back.error;
    EXPECT_EQ(*back.report, report);
}

TEST(ReportRun, ARunOverTwoDrivesListsThoseWalkedAndLeavesTheOverhangOut) {
    tally_test::FakeDrives drives;
    drives.map('d', "fixed", {}, "1000,500,512");
    drives.map('e', "fixed", {}, "2000,100,2048");
    drives.addFile("d", "one.doc", 1);
    drives.addFile("e", "two.txt", 2);
    SelectionFilter filter = filterFor({"d: (Fixed disk)", "e: (Fixed disk)", "f: (Fixed disk)"});
    filter.allFiles = false;
    filter.includeTypes = true;
    filter.setTypeEntries({"*.doc\tWord", "*.txt\tText"});

    ReportRun run(filter);
    EXPECT_FALSE(run.run()); // f: is not ready
    const Report report = run.report(stamp);
    ASSERT_EQ(report.targets.size(), 2u);
    EXPECT_EQ(report.targets[0].clusterSize, 512);
    EXPECT_EQ(report.targets[1].drive, 'e');
    EXPECT_EQ(report.targets[1].clusterSize, 2048);
    EXPECT_EQ(report.selection,
              (ReportSelection{ReportSelection::Mode::Include, {"*.doc", "*.txt"}}));
    EXPECT_FALSE(report.figures.overhang);
    EXPECT_EQ(report.figures.overhangLeftOut, "the run covered 3 drives");
    EXPECT_EQ(report.figures.filesSelected, 2);
}
