#pragma once
// The coarse monotonic clock: a read of memory that the kernel moves on every tick (a few
// milliseconds), so cheap that it can be asked on the walk's per-entry path, where a precise
// clock would cost more than the rest of an entry.

#include <cstdint>

#include <time.h>

namespace platform {

// Nanoseconds on the coarse monotonic clock.
[[nodiscard]] inline std::int64_t coarseNow() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return std::int64_t(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

} // namespace platform
