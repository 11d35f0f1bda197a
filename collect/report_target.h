#pragma once
// One drive or folder that a report's run walked, as it stood at the time: the folder the walk
// was rooted at, the drive letter it was walked as, the file system's size and free space, and
// the cluster size the run used. The host and the time of the run name the walk, so that the
// same walk met in two reports is known for one.

#include <cstdint>
#include <string>

struct ReportTarget {
    std::string host;
    std::string created; // UTC, ISO 8601, as the report's own
    std::string folder;  // absolute
    char drive = 'c';    // a to z
    std::int64_t totalBytes = 0;
    std::int64_t freeBytes = 0;
    std::int64_t clusterSize = 0; // 0: not determined

    bool operator==(const ReportTarget&) const = default;
    [[nodiscard]] bool sameWalkAs(const ReportTarget& other) const {
        return host == other.host && created == other.created && folder == other.folder &&
               drive == other.drive;
    }
};
