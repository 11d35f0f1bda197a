#pragma once
// The walk lets pending window messages run once per directory entry, so that Abort, Esc, the
// close box and page changes reach the window during a collection. Running the event loop costs
// about a microsecond even when nothing is pending, and far more after a status-bar change, so
// pumping per file would slow the walk down noticeably. This pump therefore runs the event loop
// only when the interval has passed since its last run: a call in between costs one steady-clock
// read. With the default 10 ms the window still answers within a frame.

#include <chrono>
#include <functional>

class MessagePump final {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds defaultInterval{10};

    MessagePump() = default;

    // Runs QCoreApplication::processEvents, and the before-run action, when the interval has
    // passed since the last run; returns whether it ran.
    bool pump();
    // Runs the event loop now, whatever the interval (a walk's end, a drive change).
    void pumpNow();

    void setInterval(std::chrono::nanoseconds interval) { m_interval = interval; }
    [[nodiscard]] std::chrono::nanoseconds interval() const { return m_interval; }
    // Called right before a run of the event loop (the status bar shows its latest text), at
    // most once per `every` (a run of pumpNow always calls it): what reaches the screen while
    // walking then costs the same however fast files and directories go by.
    void setBeforeRun(std::function<void()> action, std::chrono::nanoseconds every = {}) {
        m_beforeRun = std::move(action);
        m_beforeRunEvery = every;
    }

    // How often the event loop ran, and the longest stretch between two runs (for measurements).
    [[nodiscard]] long long runs() const { return m_runs; }
    [[nodiscard]] std::chrono::nanoseconds longestGap() const { return m_longestGap; }
    // Forgets the measurements and starts the interval afresh.
    void restart();

private:
    void run(Clock::time_point now, bool always);

    std::chrono::nanoseconds m_interval = defaultInterval;
    Clock::time_point m_lastRun = Clock::now();
    std::function<void()> m_beforeRun;
    std::chrono::nanoseconds m_beforeRunEvery{0};
    Clock::time_point m_lastBeforeRun;
    bool m_beforeRunDone = false; // since the last restart
    long long m_runs = 0;
    std::chrono::nanoseconds m_longestGap{0};
};
