#include "platform/profile_file.h"

#include "platform/config_folder.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const auto written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += std::size_t(written);
    }
    return true;
}

// Writes the text to a temporary file beside the target, flushes it to the disk and renames it
// over the target, so the target is always either the old or the new file.
bool replaceFileAtomically(const std::string& path, const std::string& text) {
    const auto folder = std::filesystem::path(path).parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    std::string temporary = path + ".XXXXXX";
    const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    const bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return true;
}

} // namespace

std::string getPrivateProfileString(const std::string& section, const std::string& key,
                                    const std::string& defaultValue, const std::string& fileName) {
    const auto value = IniDocument::load(configFilePath(fileName)).value(section, key);
    const std::string& result = value ? *value : defaultValue;
    return result.substr(0, maxProfileValueLength);
}

bool writePrivateProfileString(const std::string& section, const std::string& key,
                               const std::string& value, const std::string& fileName) {
    return writePrivateProfileStrings(section, {{key, value}}, fileName);
}

bool writePrivateProfileStrings(const std::string& section, const std::vector<IniEntry>& keys,
                                const std::string& fileName) {
    const auto path = configFilePath(fileName);
    // A read-only settings file stays as it is, as it would on a read-only medium.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) {
        return false;
    }
    auto document = IniDocument::load(path);
    document.setValues(section, keys);
    return replaceFileAtomically(path, document.text());
}

} // namespace platform
