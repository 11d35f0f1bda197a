#pragma once
// Whether a read ahead of the walk had to wait for the disk: it took long, and its thread slept
// meanwhile. Time alone does not tell: with more threads than processors (the walk's, the ones
// reading ahead, other programs', other machines' on the same host) a cached read is often put
// aside for milliseconds without ever sleeping, and reads counted slow for that would keep the
// threads from giving up on a cached tree. An idle watch asks nothing, so that it costs no
// system call once the threads have decided.

#include <chrono>

namespace platform {

class ReadWatch final {
public:
    explicit ReadWatch(bool active = true) : m_active(active) { restart(); }

    // Starts watching the next read.
    void restart() {
        if (!m_active)
            return;
        m_start = Clock::now();
        m_sleeps = sleeps();
    }
    // Whether the read since restart took longer than longest and slept; false when idle.
    [[nodiscard]] bool waited(std::chrono::microseconds longest) const {
        return m_active && Clock::now() - m_start > longest && sleeps() != m_sleeps;
    }

private:
    using Clock = std::chrono::steady_clock;

    // How often the calling thread has given up the processor by itself (blocked), as opposed
    // to being put aside.
    static long sleeps();

    bool m_active;
    Clock::time_point m_start;
    long m_sleeps = 0;
};

} // namespace platform
