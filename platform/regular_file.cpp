#include "platform/regular_file.h"

#include "platform/message_hook.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

FileContents refused(std::string problem) {
    return {FileContents::Status::Refused, {}, std::move(problem)};
}

FileContents failed(int error) {
    if (error == ENOENT)
        return {};
    return refused(std::string("cannot be read: ") + std::strerror(error));
}

FileContents tooLarge(std::size_t limit) {
    return refused("is larger than " + std::to_string(limit >> 20) + " MB");
}

// Reads up to one byte beyond the limit, so that a file that grew (or a /proc file, whose
// size says 0) is still caught when it is too large.
FileContents readOpenFile(int fd, std::size_t limit, std::size_t expected) {
    FileContents contents{FileContents::Status::Read, {}, {}};
    contents.text.resize(expected + 1);
    std::size_t done = 0;
    while (true) {
        if (done == contents.text.size()) {
            if (done > limit)
                return tooLarge(limit);
            contents.text.resize(std::min(limit + 1, done * 2 + 4096));
        }
        const auto got = ::read(fd, contents.text.data() + done, contents.text.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return failed(errno);
        if (got == 0)
            break;
        done += std::size_t(got);
    }
    if (done > limit)
        return tooLarge(limit);
    contents.text.resize(done);
    return contents;
}

} // namespace

FileContents readRegularFile(const std::string& path, std::size_t limit) {
    // Looking before opening spares a device the side effects of an open (a tape rewinds).
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0)
        return failed(errno);
    if (!S_ISREG(status.st_mode))
        return refused("is not a regular file");
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return failed(errno);
    // The path may have been replaced since the first look: what counts is what was opened.
    FileContents contents;
    if (::fstat(fd, &status) != 0)
        contents = failed(errno);
    else if (!S_ISREG(status.st_mode))
        contents = refused("is not a regular file");
    else if (std::size_t(status.st_size) > limit)
        contents = tooLarge(limit);
    else
        contents = readOpenFile(fd, limit, std::size_t(status.st_size));
    ::close(fd);
    return contents;
}

void reportIgnoredFile(const std::string& path, std::string_view problem,
                       std::string_view consequence) {
    std::string text = path + " " + std::string(problem) + ", so it is ignored";
    if (!consequence.empty())
        text += "; " + std::string(consequence);
    text += ".";
    // drives.ini is read again on every reload: one message per problem is enough.
    static std::set<std::string> told;
    if (told.insert(text).second)
        showMessageBox(MessageKind::Error, "Error", text);
}

} // namespace platform
