#pragma once
// A strict reader of RFC 4180 CSV for the tests: records end in CR LF, fields are separated by
// commas, a quoted field may hold commas, quotes (doubled) and line breaks. Anything else (a
// bare LF, a quote inside an unquoted field, text after a closing quote, no final CR LF) makes
// it give up, so a test sees every fault of the writer.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tally_test {

using CsvRecord = std::vector<std::string>;

inline std::optional<std::vector<CsvRecord>> csvRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    CsvRecord record;
    std::string field;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] == '"') {
            for (++i;; ++i) {
                if (i >= text.size())
                    return std::nullopt;
                if (text[i] == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field += '"';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i];
            }
        } else {
            while (i < text.size() && text[i] != ',' && text[i] != '\r' && text[i] != '\n') {
                if (text[i] == '"')
                    return std::nullopt;
                field += text[i++];
            }
        }
        if (i < text.size() && text[i] == ',') {
            record.push_back(std::move(field));
            field.clear();
            ++i;
        } else if (text.substr(i, 2) == "\r\n") {
            record.push_back(std::move(field));
            field.clear();
            records.push_back(std::move(record));
            record.clear();
            i += 2;
        } else {
            return std::nullopt;
        }
    }
    if (!record.empty() || !field.empty())
        return std::nullopt;
    return records;
}

} // namespace tally_test
