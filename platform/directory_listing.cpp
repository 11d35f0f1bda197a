#include "platform/directory_listing.h"

#include "platform/walk_position.h"

#include <array>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// The record getdents64 writes; the C library does not declare it.
struct LinuxDirent64 {
    ino64_t d_ino;
    off64_t d_off;
    unsigned short d_reclen;
    unsigned char d_type;
    char d_name[];
};

} // namespace

bool DirectoryListing::push() {
    m_levels.push_back(
        {static_cast<std::uint32_t>(m_entries.size()), static_cast<std::uint32_t>(m_names.size())});
    // The walk has the directory it just entered open already; anything else opens ".".
    const int borrowed = borrowEnteredDirectoryDescriptor();
    const int fd = borrowed >= 0 ? borrowed : ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        showTop();
        return false;
    }
    alignas(LinuxDirent64) static thread_local std::array<char, 64 * 1024> buffer;
    bool readable = true;
    for (;;) {
        const long bytes = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size());
        if (bytes <= 0) {
            readable = bytes == 0 || m_entries.size() > m_levels.back().firstEntry;
            break;
        }
        for (long offset = 0; offset < bytes;) {
            const auto* record = reinterpret_cast<const LinuxDirent64*>(buffer.data() + offset);
            offset += record->d_reclen;
            const std::size_t length = std::strlen(record->d_name);
            m_entries.push_back({static_cast<std::uint32_t>(m_names.size()),
                                 static_cast<std::uint16_t>(length), record->d_type});
            m_names.append(record->d_name, length + 1);
        }
    }
    if (borrowed < 0)
        ::close(fd);
    showTop();
    return readable;
}

void DirectoryListing::pop() {
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
