#pragma once
// Hand-built accumulators for the page tests: a run whose figures differ from class to class,
// attribute to attribute and type to type, so that a value in the wrong row or bar shows.

#include "collect/drive_statistics.h"
#include "platform/locale_settings.h"

#include <string>

namespace page_samples {

// English separators, so that expected texts can be written out.
inline void useEnglishLocale() {
    platform::setCurrentLocale(platform::Locale{});
}

// Class c holds c * 10 files of c MB each, plus class 1 holding 3 empty files more.
inline DriveStatistics sizedRun() {
    DriveStatistics stats;
    for (int c = 1; c <= 12; ++c) {
        const auto i = static_cast<std::size_t>(c);
        stats.sizeClassCount[i] = c * 10.0 + (c == 1 ? 3 : 0);
        stats.sizeClassBytes[i] = c * 10.0 * c * 1048576.0;
    }
    return stats;
}

inline void addType(DriveStatistics& stats, const std::string& extension, int files,
                    std::int64_t bytesEach) {
    for (int i = 0; i < files; ++i)
        stats.fileTypes.insertType(extension, bytesEach, false);
}

} // namespace page_samples
