// Reading a report file back: every figure and name where the writer put it, a report written
// by this version read by every later one (the sample file below must always read), and every
// file that is not such a report refused with one line that names the file and the key.
#include "collect/report_reader.h"

#include "collect/report_json.h"
#include "platform/temp_folder.h"
#include "report_samples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

QJsonObject sampleObject() {
    return QJsonDocument::fromJson(
               QByteArray::fromStdString(reportJson(tally_test::numberedReport())))
        .object();
}

std::string textOf(const QJsonObject& object) {
    return QJsonDocument(object).toJson().toStdString();
}

// The sample with one change made to its JSON.
std::string changed(const std::function<void(QJsonObject&)>& change) {
    QJsonObject object = sampleObject();
    change(object);
    return textOf(object);
}

void setInArray(QJsonObject& object, const char* key, qsizetype index, const QJsonValue& value) {
    QJsonArray array = object[key].toArray();
    array[index] = value;
    object[key] = array;
}

void setInType(QJsonObject& object, qsizetype row, const char* key, const QJsonValue& value) {
    QJsonArray types = object["fileTypes"].toArray();
    QJsonObject type = types[row].toObject();
    type[key] = value;
    types[row] = type;
    object["fileTypes"] = types;
}

struct BadInput {
    const char* what;
    std::string text;
    std::string error; // the whole message after "bad.json: "
};

} // namespace

TEST(ReportReader, EveryFigureAndNameReadsBackWhereItWasWritten) {
    const Report report = tally_test::numberedReport();
    const ReportReading back = readReportText(reportJson(report), "sample.json");
    ASSERT_TRUE(back.report) << back.error;
    EXPECT_EQ(*back.report, report);

    // Left out, the overhang comes back left out with its reason, whatever the zeros say.
    Report leftOut = report;
    leftOut.figures.overhang.reset();
    leftOut.figures.overhangLeftOut = "the run covered 2 drives";
    const ReportReading again = readReportText(reportJson(leftOut), "sample.json");
    ASSERT_TRUE(again.report) << again.error;
    EXPECT_EQ(*again.report, leftOut);

    // The largest exact figure reads; hand-written whole numbers such as 1.0 and 1e3 too.
    const ReportReading largest = readReportText(changed([](QJsonObject& o) {
                                                     o["hiddenBytes"] = 9007199254740991.0;
                                                     o["hiddenCount"] = 1e3;
                                                 }),
                                                 "large.json");
    ASSERT_TRUE(largest.report) << largest.error;
    EXPECT_EQ(largest.report->figures.hiddenBytes, 9007199254740991);
    EXPECT_EQ(largest.report->figures.hiddenCount, 1000);
}

TEST(ReportReader, AReportOfTheFirstVersionAlwaysReads) {
    // Written by tally99-report 1.7 over a small tree, by hand only the host and folders.
    const ReportReading reading = readReportFile(std::string(TALLY_TEST_DATA) + "/report-v1.json");
    ASSERT_TRUE(reading.report) << reading.error;
    const Report& report = *reading.report;
    EXPECT_EQ(report.programVersion, "1.7");
    EXPECT_EQ(report.host, "workstation");
    ASSERT_EQ(report.targets.size(), 1u);
    EXPECT_EQ(report.targets[0].folder, "/srv/projects");
    EXPECT_EQ(report.figures.filesFound, 6);
    EXPECT_EQ(report.figures.sizeClassCount[1], 1);
    EXPECT_EQ(report.figures.fileTypes.size(), 5u);
    EXPECT_TRUE(report.figures.overhang);
}

TEST(ReportReader, WhatIsNotAReportIsRefusedNamingFileAndKey) {
    const std::string good = reportJson(tally_test::numberedReport());
    const std::vector<BadInput> cases = {
        {"empty", "", "is empty, not a report"},
        {"not JSON", "hello", "not JSON: illegal value at byte 1"},
        {"truncated", good.substr(0, good.size() / 2), "not JSON: "},
        {"an array", "[1, 2]", "is a JSON array, not a report"},
        {"another shape", "{\"name\": \"x\"}",
         "key \"format\" is missing: this is not a report of tally99-report"},
        {"another format", changed([](QJsonObject& o) {
             o["format"] = QJsonObject{{"name", "photo-index"}, {"version", 1}};
         }),
         "key \"format.name\" is \"photo-index\", not \"tally99-report\": this is not a report "
         "of tally99-report"},
        {"another format with a line break in its name", changed([](QJsonObject& o) {
             o["format"] = QJsonObject{{"name", "tally9\n9"}, {"version", 1}};
         }),
         "key \"format.name\" is \"tally9\\n9\", not \"tally99-report\": this is not a report "
         "of tally99-report"},
        {"a newer version", changed([](QJsonObject& o) {
             o["format"] = QJsonObject{{"name", "tally99-report"}, {"version", 2}};
         }),
         "key \"format.version\" is 2, newer than this program reads (1): a later "
         "tally99-report reads it"},
        {"a missing array", changed([](QJsonObject& o) { o.remove("accessHours"); }),
         "key \"accessHours\" is missing"},
        {"a short array", changed([](QJsonObject& o) {
             QJsonArray sizes = o["sizeClassCount"].toArray();
             sizes.removeLast();
             o["sizeClassCount"] = sizes;
         }),
         "key \"sizeClassCount\" has 11 numbers, 12 expected"},
        {"a long array", changed([](QJsonObject& o) {
             QJsonArray ages = o["modifyAgeBytes"].toArray();
             ages.append(0);
             o["modifyAgeBytes"] = ages;
         }),
         "key \"modifyAgeBytes\" has 11 numbers, 10 expected"},
        {"a negative figure", changed([](QJsonObject& o) { setInArray(o, "createHours", 3, -2); }),
         "key \"createHours[3]\" is negative (-2)"},
        {"a fractional count", changed([](QJsonObject& o) { o["filesFound"] = 2.5; }),
         "key \"filesFound\" is not a whole number (2.5)"},
        {"2^53", changed([](QJsonObject& o) { o["systemBytes"] = 9007199254740992.0; }),
         "key \"systemBytes\" is larger than 9007199254740991 (2^53 - 1), the largest whole "
         "number a report holds exactly"},
        {"2^53 + 1 written out",
         [&good] {
             std::string text = good;
             const std::string key = "\"archiveBytes\": ";
             const auto at = text.find(key) + key.size();
             return text.replace(at, text.find(',', at) - at, "9007199254740993");
         }(),
         "key \"archiveBytes\" is larger than 9007199254740991 (2^53 - 1), the largest whole "
         "number a report holds exactly"},
        {"a number as text", changed([](QJsonObject& o) { o["clusterSize"] = "4096"; }),
         "key \"clusterSize\" must be a whole number, not a string"},
        {"a type's figure", changed([](QJsonObject& o) { setInType(o, 1, "fileCount", -1); }),
         "key \"fileTypes[1].fileCount\" is negative (-1)"},
        {"a type twice", changed([](QJsonObject& o) { setInType(o, 2, "extension", ".doc"); }),
         "key \"fileTypes[2].extension\" \".doc\" is listed twice (case aside)"},
        {"bad bytes", changed([](QJsonObject& o) { setInType(o, 0, "extensionHex", "2g"); }),
         "key \"fileTypes[0].extensionHex\" must be pairs of hexadecimal digits"},
        {"no target", changed([](QJsonObject& o) { o["targets"] = QJsonArray(); }),
         "key \"targets\" is empty: a report covers at least one drive"},
        {"a drive that is no letter", changed([](QJsonObject& o) {
             QJsonArray targets = o["targets"].toArray();
             QJsonObject target = targets[0].toObject();
             target["drive"] = "7";
             targets[0] = target;
             o["targets"] = targets;
         }),
         "key \"targets[0].drive\" must be one letter from a to z"},
        {"a time that is none", changed([](QJsonObject& o) { o["created"] = "yesterday"; }),
         "key \"created\" is not a date and time in ISO 8601 (\"yesterday\")"},
        {"an unknown mode", changed([](QJsonObject& o) {
             o["selection"] = QJsonObject{{"mode", "some"}, {"patterns", QJsonArray()}};
         }),
         "key \"selection.mode\" must be \"all\", \"include\" or \"exclude\""},
        {"overhang unsaid", changed([](QJsonObject& o) { o.remove("overhangLeftOut"); }),
         "key \"overhangLeftOut\" is missing"},
    };
    for (const auto& bad : cases) {
        const ReportReading reading = readReportText(bad.text, "bad.json");
        EXPECT_FALSE(reading.report) << bad.what;
        EXPECT_TRUE(reading.error.starts_with("bad.json: " + bad.error))
            << bad.what << ": " << reading.error;
        EXPECT_EQ(reading.error.find('\n'), std::string::npos) << bad.what;
    }
}

TEST(ReportReader, FilesThatCannotBeReadAreNamed) {
    tally_test::TempFolder folder;
    const std::string missing = folder.path() + "/missing.json";
    EXPECT_EQ(readReportFile(missing).error, missing + ": no such file");
    EXPECT_EQ(readReportFile(folder.path()).error, folder.path() + ": is not a regular file");
    const std::string empty = folder.path() + "/empty.json";
    std::ofstream(empty).close();
    EXPECT_EQ(readReportFile(empty).error, empty + ": is empty, not a report");
    // A name with a line break stays on the message's one line.
    EXPECT_EQ(readReportText("", "a\nb.json").error, "a\\nb.json: is empty, not a report");
}
