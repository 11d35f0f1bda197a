#include "platform/walk_log.h"

#include <cstring>
#include <string>

namespace platform {

Q_LOGGING_CATEGORY(walkLog, "tally.walk", QtWarningMsg)

void logWalkFailure(const char* what, std::string_view path, std::string_view name, int error) {
    if (!walkLog().isInfoEnabled())
        return;
    std::string shown(path);
    if (!name.empty()) {
        if (shown.empty() || shown.back() != '/')
            shown += '/';
        shown += name;
    }
    qCInfo(walkLog).noquote().nospace()
        << what << ' ' << QString::fromLocal8Bit(shown.data(), qsizetype(shown.size())) << ": "
        << QString::fromLocal8Bit(std::strerror(error));
}

} // namespace platform
