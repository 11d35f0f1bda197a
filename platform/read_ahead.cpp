#include "platform/read_ahead.h"

#include "platform/linux_dirent.h"
#include "platform/read_watch.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <linux/openat2.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {

namespace {

// Longer than a cached directory takes to open, shorter than a disk read; and the same for
// each entry of a batch read and looked up.
constexpr std::chrono::microseconds diskWait{200};
constexpr std::chrono::microseconds diskWaitPerEntry{20};
// A batch of entries counts as a read per this many of them, so that in a folder of a million
// cached files the threads give up after some thousands of look-ups, as they do in a tree.
constexpr std::size_t entriesPerProbe = 16;

// Opens path below top as the walk would enter it: no symbolic link, no other mount.
int openBelow(int top, const std::string& path) {
    if (path.empty())
        return ::fcntl(top, F_DUPFD_CLOEXEC, 0);
    open_how how{};
    how.flags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
    how.resolve = RESOLVE_NO_XDEV | RESOLVE_NO_SYMLINKS | RESOLVE_BENEATH;
    return static_cast<int>(::syscall(SYS_openat2, top, path.c_str(), &how, sizeof how));
}

} // namespace

ReadAhead::ReadAhead(const std::string& directory, const Settings& settings)
    : m_settings(settings) {
    m_top = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_top < 0 || m_settings.threads == 0 || m_settings.window == 0)
        return;
    m_pending.emplace_back();
    for (std::size_t i = 0; i < m_settings.threads; ++i)
        m_threads.emplace_back([this] { work(); });
}

ReadAhead::~ReadAhead() {
    stop();
    if (m_top >= 0)
        ::close(m_top);
}

bool ReadAhead::wanted() {
    const char* setting = std::getenv("TALLY99_READ_AHEAD");
    return setting == nullptr || std::strcmp(setting, "0") != 0;
}

void ReadAhead::entered() {
    // Once the threads have given up nothing waits for the walk: it enters its directories
    // without taking the lock.
    if (m_gaveUp.load(std::memory_order_relaxed))
        return;
    std::lock_guard lock(m_mutex);
    ++m_walked;
    // The parked threads go on once the walk has taken a quarter of the window back, so that
    // waking them costs a system call every few dozen directories, not one per directory.
    if (m_parked > 0 && m_read + m_settings.window / 4 <= m_walked + m_settings.window)
        m_changed.notify_all();
}

void ReadAhead::stop() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_changed.notify_all();
    for (std::thread& thread : m_threads)
        if (thread.joinable())
            thread.join();
    m_threads.clear();
}

std::size_t ReadAhead::directoriesRead() const {
    std::lock_guard lock(m_mutex);
    return m_read;
}

std::size_t ReadAhead::largestLead() const {
    std::lock_guard lock(m_mutex);
    return m_largestLead;
}

bool ReadAhead::gaveUp() const {
    return m_gaveUp;
}

bool ReadAhead::mayTake() const {
    return !m_pending.empty() && m_read < m_walked + m_settings.window;
}

void ReadAhead::work() {
    std::vector<std::string> found;
    for (;;) {
        std::string path;
        {
            std::unique_lock lock(m_mutex);
            for (;;) {
                if (ending() || (m_pending.empty() && m_busy == 0))
                    return;
                if (mayTake())
                    break;
                const bool ahead = !m_pending.empty();
                m_parked += ahead ? 1 : 0;
                m_changed.wait(lock);
                m_parked -= ahead ? 1 : 0;
            }
            path = std::move(m_pending.back());
            m_pending.pop_back();
            ++m_busy;
            ++m_read;
            m_largestLead = std::max(m_largestLead, m_read - std::min(m_read, m_walked));
        }
        found.clear();
        readDirectory(path, found);
        {
            std::lock_guard lock(m_mutex);
            --m_busy;
            // The first subdirectory is the walk's next: it goes on top.
            for (auto name = found.rbegin(); name != found.rend(); ++name)
                m_pending.push_back(path.empty() ? std::move(*name) : path + '/' + *name);
        }
        m_changed.notify_all();
    }
}

void ReadAhead::probe(bool waited, std::size_t weight) {
    if (m_probed.load(std::memory_order_relaxed) >= m_settings.probes)
        return;
    const std::size_t slow = waited ? m_slow.fetch_add(weight) + weight : m_slow.load();
    const std::size_t before = m_probed.fetch_add(weight);
    // Hardly any wait for the disk: the tree is cached, reading ahead only costs.
    if (before < m_settings.probes && before + weight >= m_settings.probes &&
        slow * 20 < m_settings.probes) {
        {
            std::lock_guard lock(m_mutex);
            m_gaveUp = true;
        }
        m_changed.notify_all();
    }
}

void ReadAhead::readDirectory(const std::string& path, std::vector<std::string>& found) {
    ReadWatch watch(m_probed.load(std::memory_order_relaxed) < m_settings.probes);
    const int fd = openBelow(m_top, path);
    if (fd < 0)
        return;
    probe(watch.waited(diskWait));
    watch.restart();
    alignas(LinuxDirent64) std::array<char, 32 * 1024> buffer;
    long bytes = 0;
    while (!ending() && (bytes = ::syscall(SYS_getdents64, fd, buffer.data(), buffer.size())) > 0) {
        std::size_t entries = 0;
        for (long offset = 0; offset < bytes && !ending(); ++entries) {
            const auto* record = reinterpret_cast<const LinuxDirent64*>(buffer.data() + offset);
            offset += record->d_reclen;
            const char* name = record->d_name;
            if (std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0)
                continue;
            unsigned type = record->d_type;
            if (type != DT_DIR) {
                struct statx status;
                if (::statx(fd, name, AT_SYMLINK_NOFOLLOW | AT_STATX_DONT_SYNC,
                            STATX_TYPE | STATX_MODE | STATX_SIZE | STATX_ATIME | STATX_MTIME |
                                STATX_BTIME,
                            &status) != 0)
                    continue;
                type = IFTODT(status.stx_mode);
            }
            if (type == DT_DIR && name[0] != '.')
                found.emplace_back(name);
        }
        probe(watch.waited(diskWaitPerEntry * std::max<std::size_t>(entries, 1)),
              std::max<std::size_t>(entries / entriesPerProbe, 1));
        watch.restart();
    }
    ::close(fd);
}

} // namespace platform
