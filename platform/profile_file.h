#pragma once
// INI files with the semantics of the Windows profile functions: section and key names compare
// without regard to case, values are read up to 1,023 characters, every other line of the file
// is kept, the file (and its folder) is created by the first write. Every write replaces the
// file atomically (temporary file in the same folder, then rename), so a killed program never
// leaves a half-written file behind.

#include <string>

namespace platform {

inline constexpr std::size_t maxProfileValueLength = 1023;

// fileName without a directory lives in the configuration folder (configFilePath).
[[nodiscard]] std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                                  const std::string& defaultValue,
                                                  const std::string& fileName);

// False when the file cannot be written; the file is then unchanged.
[[nodiscard]] bool writePrivateProfileString(const std::string& section, const std::string& key,
                                             const std::string& value, const std::string& fileName);

} // namespace platform
