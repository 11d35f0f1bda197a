#pragma once
// The per-user registry stand-in: registry.ini in the configuration folder, one section per key
// path (for example [Software\Vendor\Key]) and one line per value. A key exists only when the
// file has its section; nothing here ever creates a key.

#include <string>

namespace platform {

[[nodiscard]] bool userKeyExists(const std::string& keyPath);

// Writes the integer value into an existing key; false (and nothing written) when the key does
// not exist or the file cannot be written.
bool writeUserInteger(const std::string& keyPath, const std::string& valueName, int value);

} // namespace platform
