// The CSV forms, read back by a strict RFC 4180 reader: one header, every record as wide as it,
// each naming its section; plain numbers whatever the locale; every name kept, with the escape
// the manual page documents.
#include "collect/report_csv.h"

#include "csv_records.h"
#include "platform/locale_settings.h"
#include "report_samples.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> reportHeader = {"section", "index", "label", "stamp",
                                               "files",   "bytes", "note"};

// The records of one section, by column name.
std::vector<std::map<std::string, std::string>>
sectionOf(const std::vector<tally_test::CsvRecord>& records, const std::string& section) {
    std::vector<std::map<std::string, std::string>> rows;
    for (std::size_t r = 1; r < records.size(); ++r) {
        if (records[r][0] != section)
            continue;
        std::map<std::string, std::string> row;
        for (std::size_t c = 0; c < records[0].size(); ++c)
            row[records[0][c]] = records[r][c];
        rows.push_back(row);
    }
    return rows;
}

} // namespace

TEST(ReportCsv, EveryFigureIsARowNamingItsSectionInPlainNumbers) {
    // Thousands as dots and decimals as commas must not reach the CSV.
    platform::setCurrentLocale({".", ",", "HH:mm"});
    Report report = tally_test::numberedReport();
    report.figures.hiddenBytes = 1234567;
    const std::string csv = reportCsv(report);
    platform::setCurrentLocale({});

    const auto records = tally_test::csvRecords(csv);
    ASSERT_TRUE(records) << csv;
    EXPECT_EQ((*records)[0], reportHeader);
    std::vector<std::string> sections;
    for (std::size_t r = 1; r < records->size(); ++r) {
        ASSERT_EQ((*records)[r].size(), reportHeader.size()) << r;
        if (sections.empty() || sections.back() != (*records)[r][0])
            sections.push_back((*records)[r][0]);
    }
    EXPECT_EQ(sections,
              (std::vector<std::string>{"totals", "sizes", "accessed", "created", "modified",
                                        "combined", "hours", "attributes", "overhang", "types"}));
    EXPECT_EQ(records->size(), 1u + 3 + 12 + 30 + 30 + 144 + 4 + 5 + 3);

    const auto sizes = sectionOf(*records, "sizes");
    EXPECT_EQ(sizes[11].at("label"), "Over 16MB");
    EXPECT_EQ(sizes[11].at("files"), "12");
    EXPECT_EQ(sizes[11].at("bytes"), "24");
    const auto combined = sectionOf(*records, "combined");
    EXPECT_EQ(combined[29].at("label"), "Over 4 years");
    EXPECT_EQ(combined[29].at("stamp"), "modified");
    EXPECT_EQ(combined[29].at("bytes"), sectionOf(*records, "modified")[9]["bytes"]);
    const auto hours = sectionOf(*records, "hours");
    EXPECT_EQ(hours[29].at("label"), "14:30");
    EXPECT_EQ(hours[29].at("stamp"), "modified");
    EXPECT_EQ(hours[29].at("bytes"), "");
    EXPECT_EQ(sectionOf(*records, "attributes")[0]["bytes"], "1234567");
    EXPECT_EQ(sectionOf(*records, "overhang")[0]["label"], "4K");
    EXPECT_EQ(sectionOf(*records, "types")[1]["label"], ".DOC");
    EXPECT_EQ(sectionOf(*records, "totals")[1]["bytes"],
              std::to_string(report.figures.totalBytes()));
}

TEST(ReportCsv, NamesKeepEveryByteWithTheDocumentedEscape) {
    Report report = tally_test::reportWithTypes("/home", {{".A,B", 1, 1},
                                                          {".\"Q\"", 1, 1},
                                                          {".\\", 1, 1},
                                                          {".\xe9", 1, 1},
                                                          {".\xc3\xa9", 1, 1},
                                                          {".\r\n", 1, 1}});
    report.figures.overhang.reset();
    report.figures.overhangLeftOut = "a, \"b\"";
    const auto records = tally_test::csvRecords(reportCsv(report));
    ASSERT_TRUE(records);
    std::vector<std::string> labels;
    for (const auto& row : sectionOf(*records, "types"))
        labels.push_back(row.at("label"));
    EXPECT_EQ(labels, (std::vector<std::string>{".A,B", ".\"Q\"", ".\\\\", ".\\xe9", ".\xc3\xa9",
                                                ".\\x0d\\x0a"}));
    const auto overhang = sectionOf(*records, "overhang");
    ASSERT_EQ(overhang.size(), 1u);
    EXPECT_EQ(overhang[0].at("note"), "left out: a, \"b\"");
    EXPECT_EQ(overhang[0].at("bytes"), "");
}

TEST(ComparisonCsv, ChangesAreRowsWithTheNoteFirst) {
    const Report older = tally_test::reportWithTypes("/home", {{".DOC", 2, 3000}});
    Report newer = tally_test::reportWithTypes("/home", {{".ZIP", 1, 8000}});
    newer.selection = {ReportSelection::Mode::Include, {"*.zip"}};
    const auto records =
        tally_test::csvRecords(comparisonCsv(compareReports({"a.json", older}, {"b.json", newer})));
    ASSERT_TRUE(records);
    EXPECT_EQ((*records)[0],
              (std::vector<std::string>{"section", "index", "label", "stamp", "files_before",
                                        "files_after", "files_change", "bytes_before",
                                        "bytes_after", "bytes_change", "note"}));
    EXPECT_EQ((*records)[1][0], "note");
    EXPECT_EQ((*records)[1][10], "the reports count different files: a.json: All files; "
                                 "b.json: Selected file types only: *.zip");
    for (const auto& record : *records)
        EXPECT_EQ(record.size(), 11u);
    const auto types = sectionOf(*records, "types");
    ASSERT_EQ(types.size(), 2u);
    EXPECT_EQ(types[0].at("label"), ".ZIP");
    EXPECT_EQ(types[0].at("bytes_change"), "8000");
    EXPECT_EQ(types[0].at("note"), "appeared");
    EXPECT_EQ(types[1].at("files_change"), "-2");
    EXPECT_EQ(types[1].at("note"), "vanished");
    EXPECT_EQ(sectionOf(*records, "hours")[0].at("bytes_before"), "");
}
