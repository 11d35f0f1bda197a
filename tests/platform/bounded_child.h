#pragma once
// Runs a piece of a test in a forked child that cannot hang the suite or eat the machine's
// memory: an alarm ends it after a few seconds and its address space may grow by at most
// 512 MiB. The body returns a text (what it read, the messages it was shown); the parent gets
// that text back to check, or nothing when the child did not finish (killed by the alarm,
// aborted by an exception, ...), which is what a read that waits forever or swallows an
// endless file does.

#include <fstream>
#include <optional>
#include <string>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tally_test {

// For a child that must act without root's privileges: gives them up (to the user nobody)
// when it has them; false when that fails.
inline bool giveUpRoot() {
    return ::geteuid() != 0 || (::setgid(65534) == 0 && ::setuid(65534) == 0);
}

template <typename Body>
std::optional<std::string> textFromBoundedChild(Body&& body, unsigned seconds = 10) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return std::nullopt;
    const pid_t child = ::fork();
    if (child < 0)
        return std::nullopt;
    if (child == 0) {
        ::close(pipeEnds[0]);
        ::alarm(seconds);
        long pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        const rlim_t bytes = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (rlim_t(512) << 20);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_AS, &limit);
        // An exception must end the child here, not let it run the rest of the suite.
        std::string text;
        try {
            text = body();
        } catch (...) {
            ::_exit(1);
        }
        std::size_t done = 0;
        while (done < text.size()) {
            const auto written = ::write(pipeEnds[1], text.data() + done, text.size() - done);
            if (written <= 0)
                ::_exit(1);
            done += std::size_t(written);
        }
        ::_exit(0);
    }
    ::close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, std::size_t(got));
    ::close(pipeEnds[0]);
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return text;
}

} // namespace tally_test
