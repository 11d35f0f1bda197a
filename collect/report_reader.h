#pragma once
// Reads a report file (JSON, as report_json writes it) back into a Report, strictly: what is
// not a report of a layout version this program knows, or carries a figure that is not a whole
// number from 0 to 2^53 - 1 or an array of the wrong length, is refused with one line that
// names the file and the key. Keys this version does not know are passed over (a later version
// that adds keys keeps its version number only when older readers lose nothing by that).
// A name written with its bytes in hexadecimal beside it ("extensionHex") is read from those
// bytes, so a name that is not UTF-8 comes back as it was.

#include "collect/report.h"

#include <optional>
#include <string>
#include <string_view>

struct ReportReading {
    std::optional<Report> report;
    std::string error; // "old.json: key \"sizeClassCount\" has 11 numbers, 12 expected"
};

// Reports larger than this are not ours (a report of 100,000 file types is under 10 MB).
inline constexpr std::size_t reportFileLimit = std::size_t(64) << 20;

// fileName is only used to name the file in the error.
[[nodiscard]] ReportReading readReportText(std::string_view text, const std::string& fileName);
[[nodiscard]] ReportReading readReportFile(const std::string& path);
