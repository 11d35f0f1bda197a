#include "platform/directory_listing.h"

#include "platform/directory_search.h"
#include "platform/linux_dirent.h"
#include "platform/walk_log.h"
#include "platform/walk_position.h"

#include <array>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

bool DirectoryListing::push() {
    // Only the top directory can be read in batches: a new top ends the batches of the one
    // below (the walk has found what it needed in it by then).
    stopReading();
    m_partial = false;
    m_levels.push_back(
        {static_cast<std::uint32_t>(m_entries.size()), static_cast<std::uint32_t>(m_names.size())});
    // The walk has the directory it just entered open already; anything else opens it anew.
    const int borrowed = borrowEnteredDirectoryDescriptor();
    const int fd = borrowed >= 0 ? borrowed
                                 : ::openat(walkDirectoryDescriptor(), ".",
                                            O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        logWalkFailure("cannot open the folder", currentDirectory(), {}, errno);
        showTop();
        return false;
    }
    bool readable = true;
    for (;;) {
        const long read = readBatch(fd);
        if (read <= 0) {
            if (read < 0)
                logWalkFailure("cannot read the folder", currentDirectory(), {}, errno);
            readable = read == 0 || m_entries.size() > m_levels.back().firstEntry;
            break;
        }
        if (overBudget()) {
            // The rest comes in batches from a descriptor of the directory's own (the walk
            // may close the one it lent when it moves on).
            m_partial = true;
            m_readingFd = borrowed >= 0 ? ::fcntl(fd, F_DUPFD_CLOEXEC, 0) : fd;
            if (m_readingFd < 0)
                readable = false;
            break;
        }
    }
    if (borrowed < 0 && m_readingFd != fd)
        ::close(fd);
    showTop();
    return readable;
}

bool DirectoryListing::readMore() {
    if (m_readingFd < 0 || m_levels.empty())
        return false;
    m_entries.resize(m_levels.back().firstEntry);
    m_names.resize(m_levels.back().firstName);
    const long read = readBatch(m_readingFd);
    if (read < 0)
        logWalkFailure("cannot read on in the folder", currentDirectory(), {}, errno);
    if (read <= 0)
        stopReading();
    showTop();
    return read > 0;
}

long DirectoryListing::readBatch(int fd) {
    alignas(LinuxDirent64) static thread_local std::array<char, 64 * 1024> buffer;
    const long bytes = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
    if (bytes <= 0)
        return bytes;
    long entries = 0;
    for (long offset = 0; offset < bytes; ++entries) {
        const auto* record = reinterpret_cast<const LinuxDirent64*>(buffer.data() + offset);
        offset += record->d_reclen;
        const std::size_t length = std::strlen(record->d_name);
        m_entries.push_back({static_cast<std::uint32_t>(m_names.size()),
                             static_cast<std::uint16_t>(length), record->d_type});
        m_names.append(record->d_name, length + 1);
    }
    return entries;
}

void DirectoryListing::stopReading() {
    if (m_readingFd >= 0)
        ::close(m_readingFd);
    m_readingFd = -1;
}

void DirectoryListing::pop() {
    stopReading();
    m_partial = false;
    if (m_levels.empty())
        return;
    m_entries.resize(m_levels.back().firstEntry);
    m_names.resize(m_levels.back().firstName);
    m_levels.pop_back();
    showTop();
}

void DirectoryListing::showTop() {
    const std::size_t first = m_levels.empty() ? m_entries.size() : m_levels.back().firstEntry;
    m_top = m_entries.data() + first;
    m_topSize = m_entries.size() - first;
}

} // namespace platform
