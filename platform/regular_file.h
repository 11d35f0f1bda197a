#pragma once
// Reads a small file that the user or the kernel keeps as text (the settings file, drives.ini,
// registry.ini, mountinfo, sysfs flags) without ever waiting on it or swallowing memory. A FIFO
// would hold a plain open() until some writer comes and /dev/zero never ends, so the file is
// opened without blocking, its type is checked before a byte is read, only a regular file is
// read, and no more than a limit of bytes (a file in /proc says it is empty and is read up to
// the limit). A refusal carries its reason in words for the user.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// 1 MB holds tens of thousands of file types or drive lines: a larger file is not ours.
inline constexpr std::size_t settingsFileLimit = std::size_t(1) << 20;

struct FileContents {
    enum class Status { Read, Missing, Refused };
    Status status = Status::Missing;
    std::string text;    // the bytes of a file that was read
    std::string problem; // why a file was refused: "is not a regular file", "is larger than 1 MB",
                         // "cannot be read: <reason>"
};

// Missing is only "no such file"; every other failure is a refusal. limit is in whole MB.
[[nodiscard]] FileContents readRegularFile(const std::string& path,
                                           std::size_t limit = settingsFileLimit);

// Tells the user, once per distinct problem in a run of the program, that a file of ours is
// ignored and why: "<path> <problem>, so it is ignored." with "; <consequence>" before the full
// stop when one is given ("the automatic drives are used").
void reportIgnoredFile(const std::string& path, std::string_view problem,
                       std::string_view consequence = {});

} // namespace platform
