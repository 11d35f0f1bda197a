#pragma once
// Standard output for a program whose output is its result (the headless report): every write
// and the final close are checked, so that a report lost to a full disk, a closed descriptor or
// a reader that has gone cannot pass for one that arrived. The first failure is kept; later
// writes are not tried.
// Made before anything else opens a file, it holds each of the descriptors 0 to 2 that the
// program was started without open on /dev/null, for reading only: otherwise the next file
// opened (Qt's event descriptor, a folder of the walk) would get number 1 and the report would
// be written into it. Writing to the held descriptor fails with "Bad file descriptor".

#include <string_view>
#include <system_error>

namespace platform {

class StandardOutput final {
public:
    StandardOutput();
    StandardOutput(const StandardOutput&) = delete;
    StandardOutput& operator=(const StandardOutput&) = delete;

    void write(std::string_view text);
    // Flushes and closes stdout, once, at the end; the first failure of any write or of the
    // close, or no error when every byte was handed on.
    [[nodiscard]] std::error_code close();

private:
    void keepFailure();

    std::error_code m_error;
};

} // namespace platform
