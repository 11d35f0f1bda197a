#pragma once
// INI files with the semantics of the Windows profile functions: section and key names compare
// without regard to case, values are read up to 1,023 characters, every other line of the file
// is kept, the file (and its folder) is created by the first write. Every write replaces the
// file atomically (temporary file in the same folder, then rename), so a killed program or a
// full disk never leaves a half-written file behind. Each write reads and rewrites the whole
// file: many keys go in one writePrivateProfileStrings; ProfileSection reads many keys.
// A write follows a symbolic link and replaces the link's target, so the link stays. It never
// replaces a file without write permission bits (for root neither), a file that is not a
// regular file or one it cannot read first, and never writes a file over 1 MB: a read would
// ignore it.

#include "platform/ini_document.h"

#include <string>
#include <vector>

namespace platform {

inline constexpr std::size_t maxProfileValueLength = 1023;

// fileName without a directory lives in the configuration folder (configFilePath).
[[nodiscard]] std::string getPrivateProfileString(const std::string& section,
                                                  const std::string& key,
                                                  const std::string& defaultValue,
                                                  const std::string& fileName);

// False when the file cannot be written; the file is then unchanged.
[[nodiscard]] bool writePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& fileName);

// Writes the keys in the order given, as that many writePrivateProfileString calls would, but
// in one replace of the file: either every key reaches the file or, when it cannot be written,
// none does and the file is unchanged.
[[nodiscard]] bool writePrivateProfileStrings(const std::string& section,
                                              const std::vector<IniEntry>& keys,
                                              const std::string& fileName);

} // namespace platform
