#pragma once
// The walk's log. Where the walk passes over a folder or an entry without a word to the user (a
// folder that cannot be opened, entered or read, an entry whose status cannot be read, the way
// back up lost), it says so here with the path and the system's reason, so that a figure that
// looks short can be explained. Silent unless asked for:
//     QT_LOGGING_RULES="tally.walk.info=true" tally99-report /some/folder
// Only failures log, so a walk that goes well pays nothing for it.

#include <QLoggingCategory>

#include <string_view>

namespace platform {

Q_DECLARE_LOGGING_CATEGORY(walkLog)

// "<what> <path>: <the system's text for error>"; path is the directory, with name joined to it
// when name is not empty.
void logWalkFailure(const char* what, std::string_view path, std::string_view name, int error);

} // namespace platform
