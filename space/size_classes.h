#pragma once
// Twelve size classes, each bound inclusive: class 1 holds files up to 16 KB, each further
// class doubles the bound up to 16 MB in class 11, and class 12 holds everything larger.
// Sizes are 64-bit, so a 5 GiB file lands in class 12.

#include <array>
#include <cstdint>
#include <string>

struct DriveStatistics;

[[nodiscard]] int sizeClassOf(std::int64_t size);
void updateSizeClass(DriveStatistics& stats, std::int64_t size);

// "0 - 16K", "16K - 32K", ... "Over 16MB": the label of class c is entry c - 1.
[[nodiscard]] const std::array<std::string, 12>& sizeClassLabels();
