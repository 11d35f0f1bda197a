#pragma once
// Runs a piece of a test where no file may grow beyond a given size, as on a nearly full disk:
// a forked child sets RLIMIT_FSIZE (which binds root too) and ignores SIGXFSZ, so that a write
// past the limit fails with EFBIG instead of killing the child. The body's result becomes the
// child's exit code; the parent gets it back, or -1 when the child did not exit normally.

#include <csignal>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tally_test {

template <typename Body> int exitCodeWithFileSizeLimit(rlim_t bytes, Body&& body) {
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, bytes};
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            ::_exit(100);
        ::_exit(body());
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

} // namespace tally_test
