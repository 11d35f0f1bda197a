#pragma once
// Where the program keeps its few files: $XDG_CONFIG_HOME/tally99, default ~/.config/tally99.
// It stands in for "the Windows directory" and holds tally98.ini, drives.ini and registry.ini.

#include <string>

namespace platform {

// The folder's path without a trailing slash; it is not created here.
[[nodiscard]] std::string configFolder();

// A file name without a directory resolved into the configuration folder; a path with a
// slash is returned unchanged.
[[nodiscard]] std::string configFilePath(const std::string& fileName);

} // namespace platform
