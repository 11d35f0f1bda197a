#pragma once
// Number texts of the type table's grid: the average file size of a row, and a cell text made
// ready for conversion by taking out the user's thousands separators.

#include <cstdint>
#include <string>
#include <string_view>

// "0" for no files; otherwise totalBytes / fileCount with thousands separators and no decimals
// (formatBytes), empty text if that cannot be formatted.
[[nodiscard]] std::string averageSizeText(std::int64_t totalBytes, std::int32_t fileCount);

// The text without any occurrence of the current locale's thousands separator, which may be
// several bytes long (a narrow no-break space in UTF-8).
[[nodiscard]] std::string stripCommas(std::string_view text);
