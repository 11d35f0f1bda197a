#include "types/type_text.h"

#include "app/helpers.h"
#include "platform/locale_settings.h"

std::string averageSizeText(std::int64_t totalBytes, std::int32_t fileCount) {
    if (fileCount <= 0)
        return "0";
    return formatBytes(static_cast<double>(totalBytes) / fileCount);
}

std::string stripCommas(std::string_view text) {
    const std::string& separator = platform::currentLocale().thousandsSeparator;
    std::string result(text);
    if (separator.empty())
        return result;
    // Deleting repeatedly from the start also removes a separator that a deletion closes up.
    for (auto at = result.find(separator); at != std::string::npos; at = result.find(separator))
        result.erase(at, separator.size());
    return result;
}
