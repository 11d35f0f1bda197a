#include "platform/profile_file.h"

#include "platform/config_folder.h"
#include "platform/regular_file.h"

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
            if (errno == EINTR)
                continue;
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
    if (fd < 0)
        return false;
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

// The file a path names once symbolic links are followed: a settings file kept in a dotfiles
// repository is a link into it, and a save must change the repository's file, not replace the
// link with a copy. The last target need not exist yet (the first save makes it). Nothing for
// a loop of links.
std::optional<std::string> linkTarget(std::string path) {
    for (int links = 0; links < 40; ++links) {
        std::error_code error;
        if (!std::filesystem::is_symlink(path, error))
            return path;
        const auto target = std::filesystem::read_symlink(path, error);
        if (error)
            return std::nullopt;
        path = (std::filesystem::path(path).parent_path() / target).string();
    }
    return std::nullopt;
}

// A missing file may be made; an existing one is replaced only when it is a regular file with
// a write permission bit that this user may use. Root passes every access() test, so the bits
// are looked at themselves: a file without any is read-only for every user.
bool mayReplace(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode) && (status.st_mode & 0222) != 0 &&
           ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
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
    const auto target = linkTarget(configFilePath(fileName));
    if (!target || !mayReplace(*target))
        return false;
    auto document = IniDocument::loadForUpdate(*target);
    if (!document)
        return false;
    document->setValues(section, keys);
    const auto text = document->text();
    // A file that no look-up would read is not written.
    return text.size() <= settingsFileLimit && replaceFileAtomically(*target, text);
}

} // namespace platform
