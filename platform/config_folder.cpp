#include "platform/config_folder.h"

#include <cstdlib>

namespace platform {

std::string configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    std::string base;
    // A relative XDG_CONFIG_HOME is invalid by the XDG rules and is ignored.
    if (xdg != nullptr && xdg[0] == '/') {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home != nullptr ? home : "") + "/.config";
    }
    while (base.size() > 1 && base.back() == '/')
        base.pop_back();
    return (base == "/" ? std::string() : base) + "/tally99";
}

std::string configFilePath(const std::string& fileName) {
    if (fileName.find('/') != std::string::npos)
        return fileName;
    return configFolder() + "/" + fileName;
}

} // namespace platform
