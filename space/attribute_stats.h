#pragma once
// Counts a selected file under each of the classic attributes it carries: read-only, hidden,
// system, archive. A file can count under several of them or none.

#include <cstdint>

struct DriveStatistics;

void collectFileAttr(DriveStatistics& stats, std::uint32_t attributes, std::int64_t size);
