#include "collect/progress_line.h"

#include "app/helpers.h"
#include "platform/coarse_clock.h"

#include <cerrno>
#include <string>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

constexpr std::uint32_t offersPerClockRead = 64;
constexpr std::int64_t nanosecondsBetweenLines = 100'000'000;
constexpr int defaultColumns = 80;
constexpr std::string_view cut = "...";

int columnsOf(int terminal) {
    winsize size{};
    if (::ioctl(terminal, TIOCGWINSZ, &size) != 0 || size.ws_col == 0)
        return defaultColumns;
    return size.ws_col;
}

bool isContinuationByte(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

} // namespace

bool ProgressLine::due() {
    if (m_offers++ % offersPerClockRead != 0)
        return false;
    const std::int64_t now = platform::coarseNow();
    if (m_everShown && now - m_lastShown < nanosecondsBetweenLines)
        return false;
    m_lastShown = now;
    m_everShown = true;
    return true;
}

void ProgressLine::show(std::int64_t filesCounted, std::string_view folder) {
    write("\r" + text(filesCounted, folder, columnsOf(m_terminal)) + "\033[K");
    m_shown = !m_failed;
}

void ProgressLine::clear() {
    if (!m_shown)
        return;
    write("\r\033[K");
    m_shown = false;
}

std::string ProgressLine::text(std::int64_t filesCounted, std::string_view folder, int columns) {
    std::string line = formatCount(filesCounted) + " files, in ";
    // Bytes, not characters, are measured: no character takes more columns than it has bytes
    // in UTF-8, so the line is never wider than counted.
    const std::size_t width = columns > 1 ? std::size_t(columns - 1) : 0;
    if (line.size() + cut.size() + 1 > width)
        return line.substr(0, std::min(line.size(), width));
    if (line.size() + folder.size() > width) {
        std::size_t start = folder.size() - (width - line.size() - cut.size());
        while (start < folder.size() && isContinuationByte(folder[start]))
            ++start;
        line += cut;
        folder.remove_prefix(start);
    }
    for (const char byte : folder)
        line += static_cast<unsigned char>(byte) < 0x20 || byte == 0x7F ? '?' : byte;
    return line;
}

void ProgressLine::write(std::string_view bytes) {
    // A terminal that cannot be written to has nowhere to be told so; the walk goes on
    // without its progress.
    while (!m_failed && !bytes.empty()) {
        const ssize_t written = ::write(m_terminal, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            m_failed = true;
        else
            bytes.remove_prefix(std::size_t(written));
    }
}
