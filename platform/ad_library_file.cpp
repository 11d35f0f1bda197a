#include "platform/ad_library_file.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include <sys/stat.h>

namespace platform {
namespace {

// Others than the owner may write when the group or everyone may; a group-writable file is
// refused even when its group is root's, since members of that group need not be root.
bool othersMayWrite(const struct stat& status) {
    return (status.st_mode & (S_IWGRP | S_IWOTH)) != 0;
}

} // namespace

std::string namedAdLibrary() {
    const char* named = std::getenv("TALLY99_AD_LIBRARY");
    return named != nullptr ? named : "";
}

std::string installedAdLibrary(const std::string& programFolder) {
    // The path from the installation's bin folder to its library folder comes from the build
    // (GNUInstallDirs), e.g. "../lib/tally99".
    return programFolder + "/" + TALLY_AD_FOLDER_FROM_PROGRAM + "/ads.so";
}

std::string runningProgramFolder() {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : program.parent_path().string();
}

std::string adLibraryRefusal(const std::string& path) {
    // The checks apply to the file that would really be opened, not to a link to it.
    std::error_code error;
    const auto real = std::filesystem::canonical(path, error);
    if (error)
        return "cannot be found: " + error.message();
    struct stat file {};
    struct stat folder {};
    if (::stat(real.c_str(), &file) != 0 || ::stat(real.parent_path().c_str(), &folder) != 0)
        return "cannot be examined";
    if (!S_ISREG(file.st_mode))
        return "is not a regular file";
    if (othersMayWrite(file))
        return "is writable by others than its owner and root";
    if (othersMayWrite(folder) || (folder.st_uid != 0 && folder.st_uid != file.st_uid))
        return "lies in a folder that others than its owner and root can change";
    return {};
}

} // namespace platform
