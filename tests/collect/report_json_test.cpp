// The report as JSON: the keys it has always had with the metadata beside them, and whatever
// bytes the names hold, JSON that any parser reads, with a name that is not UTF-8 written byte
// by byte and read back by our reader as exactly those bytes.
#include "collect/report_json.h"

#include "collect/name_escapes.h"
#include "collect/report_reader.h"
#include "report_samples.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// A failed comparison shows a QString as its text.
void PrintTo(const QString& text, std::ostream* out) {
    *out << text.toStdString();
}

namespace {

struct Name {
    const char* what;
    std::string bytes;
};

QJsonObject parsed(const std::string& json, const char* what) {
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError)
        << what << ": " << error.errorString().toStdString();
    return document.object();
}

// What a parser reads from a name that is not UTF-8: each byte as the character of that number.
QString byteByByte(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// A report with the name as status and as an extension.
Report reportNaming(const std::string& extension, const std::string& status) {
    Report report = tally_test::reportWithTypes("/home", {{"." + extension, 1, 10}});
    report.status = status;
    return report;
}

QString extensionOf(const QJsonObject& json) {
    const auto types = json["fileTypes"].toArray();
    return types.isEmpty() ? QString() : types[0].toObject()["extension"].toString();
}

} // namespace

TEST(ReportJson, NamesThatAreNotUtf8AreWrittenByteByByte) {
    const std::vector<Name> bad = {
        {"overlong NUL", "\xc0\x80"},
        {"overlong 2-byte", "\xc1\xbf"},
        {"overlong 3-byte", "\xe0\x9f\xbf"},
        {"overlong 4-byte", "\xf0\x8f\xbf\xbf"},
        {"first surrogate", "\xed\xa0\x80"},
        {"last surrogate", "\xed\xbf\xbf"},
        {"above U+10FFFF", "\xf4\x90\x80\x80"},
        {"lead F5", "\xf5\x80\x80\x80"},
        {"lead F7", "\xf7\xbf\xbf\xbf"},
        {"lead F8", "\xf8\x88\x80\x80"},
        {"lead FF", "\xff"},
        {"lone continuation", "\x80"},
        {"cut short", "\xe2\x82"},
        {"continuation missing", "\xc3"
                                 "A"},
        {"good then bad", "\xc3\xa9\xc0\x80"},
    };
    for (const auto& name : bad) {
        const auto json =
            parsed(reportJson(reportNaming(name.bytes, "at " + name.bytes)), name.what);
        EXPECT_EQ(json["status"].toString(), "at " + byteByByte(name.bytes)) << name.what;
        EXPECT_EQ(extensionOf(json), "." + byteByByte(name.bytes)) << name.what;
    }
}

TEST(ReportJson, Utf8NamesAreKeptAsTheyAre) {
    const std::vector<Name> good = {
        {"U+0080", "\xc2\x80"},
        {"U+07FF", "\xdf\xbf"},
        {"U+0800", "\xe0\xa0\x80"},
        {"U+D7FF", "\xed\x9f\xbf"},
        {"U+E000", "\xee\x80\x80"},
        {"U+FFFF", "\xef\xbf\xbf"},
        {"U+10000", "\xf0\x90\x80\x80"},
        {"U+10FFFF", "\xf4\x8f\xbf\xbf"},
        {"delete", "\x7f"},
    };
    for (const auto& name : good) {
        const std::string out = reportJson(reportNaming(name.bytes, "at " + name.bytes));
        EXPECT_NE(out.find("\"at " + name.bytes + "\""), std::string::npos) << name.what;
        const auto json = parsed(out, name.what);
        EXPECT_EQ(json["status"].toString(), "at " + QString::fromUtf8(name.bytes)) << name.what;
        EXPECT_EQ(extensionOf(json), "." + QString::fromUtf8(name.bytes)) << name.what;
    }
    const std::string mixed = "\"quoted\" back\\slash\ttab \xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80";
    EXPECT_EQ(parsed(reportJson(reportNaming("", mixed)), "mixed")["status"].toString(),
              QString::fromUtf8(mixed));
}

TEST(ReportJson, TheKeysOfEarlierReportsStayWithTheMetadataBeforeThem) {
    const auto json = parsed(reportJson(tally_test::numberedReport()), "numbered");
    const QStringList keys = json.keys();
    for (const char* key :
         {"sizeClassCount", "sizeClassBytes", "modifyHours",    "createHours",    "accessHours",
          "accessAgeCount", "accessAgeBytes", "createAgeCount", "createAgeBytes", "modifyAgeCount",
          "modifyAgeBytes", "hiddenCount",    "readOnlyCount",  "systemCount",    "archiveCount",
          "hiddenBytes",    "readOnlyBytes",  "systemBytes",    "archiveBytes",   "overhang4K",
          "overhang8K",     "overhang16K",    "overhang32K",    "overhang64K",    "clusterSize",
          "filesFound",     "filesSelected",  "fileTypes",      "status",         "format",
          "program",        "created",        "host",           "targets",        "selection",
          "overhangLeftOut"})
        EXPECT_TRUE(keys.contains(key)) << key;
    EXPECT_EQ(json["sizeClassCount"].toArray().size(), 12);
    EXPECT_EQ(json["modifyHours"].toArray().size(), 48);
    EXPECT_EQ(json["hiddenCount"].toInteger(), 229);
    EXPECT_EQ(json["format"].toObject()["name"].toString(), "tally99-report");
    EXPECT_EQ(json["format"].toObject()["version"].toInteger(), 1);
    EXPECT_EQ(json["program"].toObject()["version"].toString(), "1.7");
    EXPECT_EQ(json["selection"].toObject()["mode"].toString(), "exclude");
    EXPECT_EQ(json["selection"].toObject()["patterns"].toArray().size(), 2);
    const auto target = json["targets"].toArray()[0].toObject();
    EXPECT_EQ(target["folder"].toString(), "/home");
    EXPECT_EQ(target["drive"].toString(), "d");
    EXPECT_EQ(target["totalBytes"].toInteger(), 500107862016);
    EXPECT_TRUE(json["overhangLeftOut"].isNull());

    // The format comes first, so that a reader can tell what it holds from the first line.
    const std::string out = reportJson(tally_test::numberedReport());
    EXPECT_TRUE(out.starts_with("{\n  \"format\": ")) << out.substr(0, 40);
}

TEST(ReportJson, EveryNameReadsBackAsItsBytesWhetherUtf8OrNot) {
    // The UTF-8 name "\xc3\xa9" and the single byte E9 parse to the same text: only the bytes
    // beside the name tell them apart.
    for (const std::string name : {"\xe9", "\xc3\xa9", "a\x80\\\"", "\xff\xfe\x01", "plain"}) {
        Report report = reportNaming(name, "at " + name);
        report.host = "host" + name;
        report.targets[0].folder = "/data/" + name;
        report.targets[0].host = report.host;
        report.selection = {ReportSelection::Mode::Include, {"*." + name, "*.doc"}};
        report.figures.overhang.reset();
        report.figures.overhangLeftOut = "from " + name;
        const ReportReading back = readReportText(reportJson(report), "names.json");
        ASSERT_TRUE(back.report) << back.error;
        EXPECT_EQ(*back.report, report) << hexOf(name);
    }
}
