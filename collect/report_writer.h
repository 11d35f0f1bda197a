#pragma once
// The printed forms of a run's accumulators: a text for people, with the labels and number
// formats of the statistics pages, and a JSON object whose keys are the field names of
// DriveStatistics (plus fileTypes and status) for programs.

#include "collect/drive_statistics.h"

#include <string>

[[nodiscard]] std::string reportText(const DriveStatistics& stats, const std::string& status);
[[nodiscard]] std::string reportJson(const DriveStatistics& stats, const std::string& status);
