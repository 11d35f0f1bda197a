#include "platform/user_registry.h"

#include "platform/config_folder.h"
#include "platform/ini_document.h"
#include "platform/profile_file.h"

namespace platform {
namespace {
const char* const registryFile = "registry.ini";
}

bool userKeyExists(const std::string& keyPath) {
    return IniDocument::load(configFilePath(registryFile)).hasSection(keyPath);
}

bool writeUserInteger(const std::string& keyPath, const std::string& valueName, int value) {
    if (!userKeyExists(keyPath))
        return false;
    return writePrivateProfileString(keyPath, valueName, std::to_string(value), registryFile);
}

} // namespace platform
