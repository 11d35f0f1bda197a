#include "collect/progress_line.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include <fcntl.h>
#include <pty.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// A pseudo-terminal of the given width; the line is written to its terminal end and read back
// from the other.
class Terminal final {
public:
    explicit Terminal(unsigned short columns) {
        winsize size{};
        size.ws_col = columns;
        size.ws_row = 24;
        EXPECT_EQ(::openpty(&m_reader, &m_terminal, nullptr, nullptr, &size), 0);
        ::fcntl(m_reader, F_SETFL, O_NONBLOCK);
    }
    ~Terminal() {
        ::close(m_reader);
        ::close(m_terminal);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    [[nodiscard]] int fd() const { return m_terminal; }
    std::string written() const {
        std::string text;
        char buffer[4096];
        for (ssize_t got; (got = ::read(m_reader, buffer, sizeof buffer)) > 0;)
            text.append(buffer, std::size_t(got));
        return text;
    }

private:
    int m_reader = -1;
    int m_terminal = -1;
};

} // namespace

TEST(ProgressLine, TheLineFitsTheTerminalAndKeepsTheEndOfTheFolder) {
    const std::string folder = "/home/someone/a/rather/long/way/down/to/the/folder";
    EXPECT_EQ(ProgressLine::text(7, folder, 200), "7 files, in " + folder);

    const std::string cut = ProgressLine::text(7, folder, 30);
    EXPECT_EQ(cut, "7 files, in .../to/the/folder") << "29 columns, the last one kept free";

    EXPECT_LE(ProgressLine::text(7, folder, 10).size(), 9U) << "too narrow even for the count";
    EXPECT_EQ(ProgressLine::text(7, folder, 0).size(), 0U);

    // A name is never cut inside a character, and control bytes cannot move the cursor.
    const std::string accented = "/d\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4";
    const std::string line = ProgressLine::text(7, accented, 21);
    EXPECT_EQ(line, "7 files, in ...\xC3\xA4\xC3\xA4")
        << "the first byte kept is a whole character";
    EXPECT_EQ(ProgressLine::text(7, "/a\nb\rc\033[2J", 80), "7 files, in /a?b?c?[2J");
}

TEST(ProgressLine, OnATerminalTheLineIsRewrittenInPlaceAndErased) {
    Terminal terminal(30);
    ProgressLine progress(terminal.fd());
    progress.clear();
    EXPECT_EQ(terminal.written(), "") << "nothing to erase before a line was shown";

    ASSERT_TRUE(progress.due()) << "the first offer shows the line at once";
    progress.show(7, "/home/someone/a/rather/long/way/down/to/the/folder");
    progress.show(8, "/x");
    progress.clear();
    progress.clear();
    EXPECT_EQ(terminal.written(), "\r7 files, in .../to/the/folder\033[K"
                                  "\r8 files, in /x\033[K"
                                  "\r\033[K");
}

TEST(ProgressLine, AtMostTenLinesASecond) {
    Terminal terminal(80);
    ProgressLine progress(terminal.fd());
    int shown = 0;
    const auto start = std::chrono::steady_clock::now();
    std::chrono::milliseconds elapsed{};
    while (elapsed < std::chrono::milliseconds(350)) {
        shown += progress.due() ? 1 : 0;
        elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - start);
    }
    EXPECT_GE(shown, 2) << "shown again once a tenth of a second has passed";
    EXPECT_LE(shown, elapsed.count() / 100 + 1);
}
