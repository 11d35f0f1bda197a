#pragma once
// Everything one collection run counts. The statistics window owns one instance for its whole
// life; clearVariables zeroes it once at the start of every run and the walk of every chosen
// drive adds to it, so after a run over several drives each field is the sum over all of them.
// Size classes are indexed 1..12 (entry 0 is unused), age classes 0..9, half-hour slots 0..47.

#include "types/file_type_table.h"

#include <array>
#include <cstdint>

class TextGrid;

struct DriveStatistics {
    std::array<double, 13> sizeClassCount{};
    std::array<double, 13> sizeClassBytes{};
    std::array<double, 48> modifyHours{};
    std::array<double, 48> createHours{};
    std::array<double, 48> accessHours{};
    std::array<double, 10> accessAgeCount{};
    std::array<double, 10> accessAgeBytes{};
    std::array<double, 10> createAgeCount{};
    std::array<double, 10> createAgeBytes{};
    std::array<double, 10> modifyAgeCount{};
    std::array<double, 10> modifyAgeBytes{};
    std::int32_t hiddenCount = 0;
    std::int32_t readOnlyCount = 0;
    std::int32_t systemCount = 0;
    std::int32_t archiveCount = 0;
    double hiddenBytes = 0;
    double readOnlyBytes = 0;
    double systemBytes = 0;
    double archiveBytes = 0;
    double overhang4K = 0;
    double overhang8K = 0;
    double overhang16K = 0;
    double overhang32K = 0;
    double overhang64K = 0;
    std::int32_t clusterSize = 0; // of the drive being walked; set per drive, not reset
    std::int32_t filesFound = 0;
    std::int32_t filesSelected = 0;
    FileTypeTable fileTypes;

    // Zeroes every running sum and empties the type table; blanks the data cells of the Types
    // grid (rows 1 and down, columns 0 to 4), keeping its headings and row count.
    void clearVariables(TextGrid* typesGrid);
};
