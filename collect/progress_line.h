#pragma once
// The one line of progress that tally99-report keeps on a terminal while it walks: the files
// counted so far and the folder being walked, rewritten in place (carriage return) at most ten
// times a second, and erased before anything else is said and at the end. The folder is cut
// from the front so that the line never wraps, whatever the terminal's width.
//
// Cost: the walk offers every status text (every third file); the clock is read only every
// 64th offer, and the line is built only when it is shown.

#include <cstdint>
#include <string_view>

class ProgressLine final {
public:
    // terminal: a descriptor open on a terminal (the caller checks), not owned.
    explicit ProgressLine(int terminal) : m_terminal(terminal) {}
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

    // True when the line should be shown again: the first time, then when a tenth of a
    // second has passed, looked at every 64th call.
    [[nodiscard]] bool due();
    // Rewrites the line.
    void show(std::int64_t filesCounted, std::string_view folder);
    // Erases the line if one is shown.
    void clear();

    // The text of the line for a terminal this many columns wide (one column is kept free so
    // that the cursor never wraps): the count, then as much of the end of the folder as fits,
    // control characters shown as '?'.
    [[nodiscard]] static std::string text(std::int64_t filesCounted, std::string_view folder,
                                          int columns);

private:
    void write(std::string_view bytes);

    int m_terminal;
    std::uint32_t m_offers = 0;
    std::int64_t m_lastShown = 0; // monotonic nanoseconds
    bool m_everShown = false;
    bool m_shown = false;  // a line stands on the terminal
    bool m_failed = false; // writing failed once: the terminal has gone, nothing more is tried
};
