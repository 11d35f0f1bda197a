#include "platform/standard_output.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace platform {

StandardOutput::StandardOutput() {
    // open() takes the lowest free number and the lower descriptors are open by the time one is
    // checked, so the file opened takes exactly the number that is missing.
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor)
        if (::fcntl(descriptor, F_GETFD) == -1 && errno == EBADF)
            ::open("/dev/null", O_RDONLY);
}

void StandardOutput::write(std::string_view text) {
    if (!m_error && std::fwrite(text.data(), 1, text.size(), stdout) != text.size())
        keepFailure();
}

std::error_code StandardOutput::close() {
    if (std::fflush(stdout) != 0)
        keepFailure();
    if (std::fclose(stdout) != 0)
        keepFailure();
    return m_error;
}

void StandardOutput::keepFailure() {
    if (!m_error)
        m_error = std::error_code(errno != 0 ? errno : EIO, std::generic_category());
}

} // namespace platform
