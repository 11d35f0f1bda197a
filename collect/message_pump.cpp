#include "collect/message_pump.h"
#include "platform/hot_path.h"

#include <QCoreApplication>

#include <algorithm>

TALLY_WALK_PATH bool MessagePump::pump() {
    const Clock::time_point now = Clock::now();
    if (now - m_lastRun < m_interval)
        return false;
    run(now, false);
    return true;
}

void MessagePump::pumpNow() {
    run(Clock::now(), true);
}

void MessagePump::restart() {
    m_lastRun = Clock::now();
    m_runs = 0;
    m_longestGap = std::chrono::nanoseconds{0};
    m_beforeRunDone = false;
}

void MessagePump::run(Clock::time_point now, bool always) {
    m_longestGap = std::max(m_longestGap, std::chrono::nanoseconds(now - m_lastRun));
    if (m_beforeRun && (always || !m_beforeRunDone || now - m_lastBeforeRun >= m_beforeRunEvery)) {
        m_beforeRun();
        m_lastBeforeRun = now;
        m_beforeRunDone = true;
    }
    QCoreApplication::processEvents();
    ++m_runs;
    // The interval counts from the end of this run, so a slow run is not followed at once by
    // another one.
    m_lastRun = Clock::now();
}
