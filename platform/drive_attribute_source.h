#pragma once
// Reads the attribute word that a drive keeps for each entry (FAT, NTFS); see
// drive_attributes.h for which drives have one and how it is chosen.

#include <cstdint>
#include <optional>

namespace platform {

class DriveAttributeSource {
public:
    virtual ~DriveAttributeSource() = default;

    // The word the drive keeps for the entry name of the open directory (AT_FDCWD: the
    // current directory), never through a symbolic link; isDirectory as the entry's type says.
    // Nothing when it cannot be read: the walk then keeps the stand-ins for that entry.
    [[nodiscard]] virtual std::optional<std::uint32_t> attributesOf(int directory, const char* name,
                                                                    bool isDirectory) const = 0;
};

} // namespace platform
