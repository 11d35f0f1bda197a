#include "collect/report_reader.h"

#include "collect/name_escapes.h"
#include "platform/regular_file.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <charconv>
#include <cmath>
#include <set>

namespace {

// Thrown inside the reader with the whole message; readReportText turns it into an error.
struct Refusal {
    std::string message;
};

std::string numberText(double value) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return std::string(buffer, end);
}

std::string kindOf(const QJsonValue& value) {
    switch (value.type()) {
    case QJsonValue::Null:
        return "null";
    case QJsonValue::Bool:
        return "true or false";
    case QJsonValue::Double:
        return "a number";
    case QJsonValue::String:
        return "a string";
    case QJsonValue::Array:
        return "an array";
    case QJsonValue::Object:
        return "an object";
    case QJsonValue::Undefined:
        break;
    }
    return "missing";
}

// One object of the file, with the path of keys that leads to it ("targets[0].") so that what
// is wrong is named by its whole key.
class Node {
public:
    Node(const QJsonObject& object, std::string path, const std::string& file)
        : m_object(object), m_path(std::move(path)), m_file(file) {}

    [[noreturn]] void fail(const std::string& key, const std::string& problem) const {
        throw Refusal{m_file + ": key \"" + m_path + key + "\" " + problem};
    }

    [[nodiscard]] QJsonValue value(const std::string& key, QJsonValue::Type type,
                                   const char* what) const {
        const QJsonValue value = m_object.value(QString::fromStdString(key));
        if (value.isUndefined())
            fail(key, "is missing");
        if (value.type() != type)
            fail(key, std::string("must be ") + what + ", not " + kindOf(value));
        return value;
    }

    [[nodiscard]] Node object(const std::string& key) const {
        return {value(key, QJsonValue::Object, "an object").toObject(), m_path + key + ".", m_file};
    }

    [[nodiscard]] QJsonArray array(const std::string& key) const {
        return value(key, QJsonValue::Array, "an array").toArray();
    }

    // A name: its bytes from key + "Hex" when that is there, else the text as UTF-8.
    [[nodiscard]] std::string text(const std::string& key) const {
        const std::string shown =
            value(key, QJsonValue::String, "a string").toString().toStdString();
        const std::string hexKey = key + "Hex";
        if (!m_object.contains(QString::fromStdString(hexKey)))
            return shown;
        const auto bytes =
            bytesOfHex(value(hexKey, QJsonValue::String, "a string").toString().toStdString());
        if (!bytes)
            fail(hexKey, "must be pairs of hexadecimal digits");
        return *bytes;
    }

    [[nodiscard]] std::int64_t figure(const std::string& key) const {
        return figureOf(m_object.value(QString::fromStdString(key)), key);
    }

    // A whole number from 0 to maxExactFigure; key names it in a refusal.
    [[nodiscard]] std::int64_t figureOf(const QJsonValue& value, const std::string& key) const {
        if (value.isUndefined())
            fail(key, "is missing");
        if (!value.isDouble())
            fail(key, "must be a whole number, not " + kindOf(value));
        const double number = value.toDouble();
        if (number < 0)
            fail(key, "is negative (" + numberText(number) + ")");
        if (number != std::floor(number))
            fail(key, "is not a whole number (" + numberText(number) + ")");
        // A double of 2^53 may stand for a larger number rounded; every value below is exact.
        if (number > double(maxExactFigure))
            fail(key, "is larger than 9007199254740991 (2^53 - 1), the largest whole number a "
                      "report holds exactly");
        return static_cast<std::int64_t>(number);
    }

    template <std::size_t N>
    void figures(const std::string& key, std::span<std::int64_t, N> into) const {
        const QJsonArray numbers = array(key);
        if (numbers.size() != qsizetype(N))
            fail(key, "has " + std::to_string(numbers.size()) + " numbers, " + std::to_string(N) +
                          " expected");
        for (std::size_t i = 0; i < N; ++i)
            into[i] = figureOf(numbers[qsizetype(i)], key + "[" + std::to_string(i) + "]");
    }

    [[nodiscard]] Node element(const QJsonArray& array, const std::string& key,
                               qsizetype index) const {
        const std::string name = key + "[" + std::to_string(index) + "]";
        if (!array[index].isObject())
            fail(name, "must be an object, not " + kindOf(array[index]));
        return {array[index].toObject(), m_path + name + ".", m_file};
    }

    [[nodiscard]] bool has(const std::string& key) const {
        return m_object.contains(QString::fromStdString(key));
    }
    [[nodiscard]] bool isNull(const std::string& key) const {
        return m_object.value(QString::fromStdString(key)).isNull();
    }

private:
    QJsonObject m_object;
    std::string m_path;
    const std::string& m_file;
};

void readFormat(const Node& top) {
    if (!top.has("format"))
        top.fail("format", "is missing: this is not a report of tally99-report");
    const Node format = top.object("format");
    const std::string name = format.text("name");
    if (name != Report::formatName)
        format.fail("name", "is \"" + printableName(name) + "\", not \"" + Report::formatName +
                                "\": this is not a report of tally99-report");
    const std::int64_t version = format.figure("version");
    if (version == 0)
        format.fail("version", "is 0, which no report has");
    if (version > Report::formatVersion)
        format.fail("version", "is " + std::to_string(version) +
                                   ", newer than this program reads (" +
                                   std::to_string(Report::formatVersion) +
                                   "): a later tally99-report reads it");
}

std::string readTime(const Node& node, const std::string& key) {
    const std::string time = node.text(key);
    if (!QDateTime::fromString(QString::fromStdString(time), Qt::ISODate).isValid())
        node.fail(key, "is not a date and time in ISO 8601 (\"" + printableName(time) + "\")");
    return time;
}

ReportTarget readTarget(const Node& node) {
    ReportTarget target;
    target.host = node.text("host");
    target.created = readTime(node, "created");
    target.folder = node.text("folder");
    const std::string drive = node.text("drive");
    if (drive.size() != 1 || !((drive[0] | 0x20) >= 'a' && (drive[0] | 0x20) <= 'z'))
        node.fail("drive", "must be one letter from a to z");
    target.drive = static_cast<char>(drive[0] | 0x20);
    target.totalBytes = node.figure("totalBytes");
    target.freeBytes = node.figure("freeBytes");
    target.clusterSize = node.figure("clusterSize");
    return target;
}

ReportSelection readSelection(const Node& node) {
    ReportSelection selection;
    const std::string mode = node.text("mode");
    if (mode == "include")
        selection.mode = ReportSelection::Mode::Include;
    else if (mode == "exclude")
        selection.mode = ReportSelection::Mode::Exclude;
    else if (mode != "all")
        node.fail("mode", "must be \"all\", \"include\" or \"exclude\"");
    const QJsonArray patterns = node.array("patterns");
    const bool hex = node.has("patternsHex");
    const QJsonArray bytes = hex ? node.array("patternsHex") : QJsonArray();
    if (hex && bytes.size() != patterns.size())
        node.fail("patternsHex", "must have as many entries as \"patterns\"");
    for (qsizetype i = 0; i < patterns.size(); ++i) {
        const std::string key = "patterns[" + std::to_string(i) + "]";
        if (!patterns[i].isString())
            node.fail(key, "must be a string, not " + kindOf(patterns[i]));
        if (!hex) {
            selection.patterns.push_back(patterns[i].toString().toStdString());
            continue;
        }
        const auto pattern = bytesOfHex(bytes[i].toString().toStdString());
        if (!bytes[i].isString() || !pattern)
            node.fail("patternsHex[" + std::to_string(i) + "]",
                      "must be pairs of hexadecimal digits");
        selection.patterns.push_back(*pattern);
    }
    return selection;
}

std::vector<TypeFigures> readTypes(const Node& top) {
    const QJsonArray rows = top.array("fileTypes");
    std::vector<TypeFigures> types;
    std::set<std::string> seen;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Node row = top.element(rows, "fileTypes", i);
        TypeFigures type{row.text("extension"), row.figure("fileCount"), row.figure("totalBytes")};
        std::string folded = type.extension;
        for (char& c : folded)
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        if (!seen.insert(folded).second)
            row.fail("extension",
                     "\"" + printableName(type.extension) + "\" is listed twice (case aside)");
        types.push_back(std::move(type));
    }
    return types;
}

ReportFigures readFigures(const Node& top) {
    ReportFigures f;
    forEachFigureArray([&top](const char* key, auto values) { top.figures(key, values); }, f);
    forEachFigureSum([&top](const char* key, std::int64_t& value) { value = top.figure(key); }, f);
    ReportFigures::Overhang overhang{};
    for (std::size_t i = 0; i < overhang.size(); ++i)
        overhang[i] = top.figure(overhangKeys()[i]);
    if (!top.has("overhangLeftOut"))
        top.fail("overhangLeftOut", "is missing");
    if (top.isNull("overhangLeftOut"))
        f.overhang = overhang;
    else
        f.overhangLeftOut = top.text("overhangLeftOut");
    f.clusterSize = top.figure("clusterSize");
    f.fileTypes = readTypes(top);
    return f;
}

Report readReport(const Node& top) {
    readFormat(top);
    Report report;
    const Node program = top.object("program");
    report.programName = program.text("name");
    report.programVersion = program.text("version");
    report.created = readTime(top, "created");
    report.host = top.text("host");
    const QJsonArray targets = top.array("targets");
    if (targets.isEmpty())
        top.fail("targets", "is empty: a report covers at least one drive");
    for (qsizetype i = 0; i < targets.size(); ++i)
        report.targets.push_back(readTarget(top.element(targets, "targets", i)));
    report.selection = readSelection(top.object("selection"));
    report.figures = readFigures(top);
    report.status = top.text("status");
    return report;
}

} // namespace

ReportReading readReportText(std::string_view text, const std::string& fileName) {
    if (text.empty())
        return {std::nullopt, printableName(fileName) + ": is empty, not a report"};
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(text.data(), static_cast<qsizetype>(text.size())), &error);
    if (error.error != QJsonParseError::NoError)
        return {std::nullopt, printableName(fileName) +
                                  ": not JSON: " + error.errorString().toStdString() + " at byte " +
                                  std::to_string(error.offset)};
    if (!document.isObject())
        return {std::nullopt, printableName(fileName) + ": is a JSON array, not a report"};
    // The name goes into a one-line message: a line break in it must not split the line.
    const std::string shownName = printableName(fileName);
    try {
        return {readReport(Node(document.object(), {}, shownName)), {}};
    } catch (const Refusal& refusal) {
        return {std::nullopt, refusal.message};
    }
}

ReportReading readReportFile(const std::string& path) {
    const auto contents = platform::readRegularFile(path, reportFileLimit);
    switch (contents.status) {
    case platform::FileContents::Status::Missing:
        return {std::nullopt, printableName(path) + ": no such file"};
    case platform::FileContents::Status::Refused:
        return {std::nullopt, printableName(path) + ": " + contents.problem};
    case platform::FileContents::Status::Read:
        break;
    }
    return readReportText(contents.text, path);
}
