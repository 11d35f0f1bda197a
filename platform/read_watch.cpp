#include "platform/read_watch.h"

#include <sys/resource.h>

namespace platform {

long ReadWatch::sleeps() {
    rusage usage{};
    ::getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

} // namespace platform
