#pragma once
// One directory entry as the walk sees it. The name points into the directory search's own
// buffer and is valid only while the walk stays on that entry: nothing is copied per file.
// The size is the whole 64-bit size, so a 5 GiB file counts as 5 GiB in every statistic.

#include "platform/file_time.h"

#include <cstdint>
#include <string_view>

struct FileRecord {
    std::string_view name;
    std::int64_t size = 0;
    std::uint32_t attributes = 0;
    platform::FileTime creationTime = 0;
    platform::FileTime lastAccessTime = 0;
    platform::FileTime lastWriteTime = 0;
};
