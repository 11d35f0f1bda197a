#pragma once
// The printed forms of a run's accumulators: a text for people, with the labels and number
// formats of the statistics pages, and a JSON object whose keys are the field names of
// DriveStatistics (plus fileTypes and status) for programs. Whatever bytes a name holds, the
// output stays well formed: the text shows control characters escaped (\t, \n, \xNN), so a row
// stays one line; the JSON keeps a UTF-8 name as it is and writes any other name byte by byte
// as \u00NN, so every JSON parser reads it.

#include "collect/drive_statistics.h"

#include <string>

[[nodiscard]] std::string reportText(const DriveStatistics& stats, const std::string& status);
[[nodiscard]] std::string reportJson(const DriveStatistics& stats, const std::string& status);
