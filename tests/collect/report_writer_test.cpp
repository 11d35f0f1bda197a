// The printed report whatever bytes the names hold: the JSON reads back in any JSON parser, with
// a name that is not UTF-8 written byte by byte, and each row of the text stays on one line.
#include "collect/report_writer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

// A failed comparison shows a QString as its text.
void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

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

// The name as status and, when it is short enough to be one, as an extension.
DriveStatistics statisticsNaming(const std::string& bytes) {
    DriveStatistics stats;
    stats.fileTypes.insertType("." + bytes, 10, false);
    return stats;
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
            parsed(reportJson(statisticsNaming(name.bytes), "at " + name.bytes), name.what);
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
        const std::string out = reportJson(statisticsNaming(name.bytes), "at " + name.bytes);
        EXPECT_NE(out.find("\"at " + name.bytes + "\""), std::string::npos) << name.what;
        const auto json = parsed(out, name.what);
        EXPECT_EQ(json["status"].toString(), "at " + QString::fromUtf8(name.bytes)) << name.what;
        EXPECT_EQ(extensionOf(json), "." + QString::fromUtf8(name.bytes)) << name.what;
    }
    const std::string mixed = "\"quoted\" back\\slash\ttab \xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80";
    EXPECT_EQ(parsed(reportJson(DriveStatistics{}, mixed), "mixed")["status"].toString(),
              QString::fromUtf8(mixed));
}

TEST(ReportText, ControlCharactersAreShownEscapedSoEachRowStaysOneLine) {
    DriveStatistics stats;
    for (const std::string extension : {".A\tB", ".\n", ".\x01\x7f", ".\\N", ".\xc3\xa9"})
        stats.fileTypes.insertType(extension, 100, false);
    const std::string out = reportText(stats, "Finished\r - 5 files processed");

    for (const char c : out)
        EXPECT_TRUE(c == '\n' || (static_cast<unsigned char>(c) >= 0x20 && c != 0x7f))
            << "raw control byte " << int(c);
    EXPECT_TRUE(out.starts_with("Finished\\r - 5 files processed\n\n")) << out;
    const auto table = out.substr(out.find("\nExtension") + 1);
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < table.size();) {
        const auto end = table.find('\n', start);
        lines.push_back(table.substr(start, end - start));
        start = end + 1;
    }
    ASSERT_EQ(lines.size(), 6u) << table; // the heading and one line a row
    for (const std::string shown : {".\\n ", ".\\x01\\x7f ", ".A\\tB ", ".\\\\N ", ".\xc3\xa9 "})
        EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                                [&](const std::string& line) { return line.starts_with(shown); }))
            << shown << " in\n"
            << table;
}
