#include "ui/font_twins.h"

#include <array>
#include <utility>

namespace {
constexpr std::array<std::pair<const char*, const char*>, 5> twins{{
    {"Times New Roman", "Liberation Serif"},
    {"Times", "Liberation Serif"},
    {"Arial", "Liberation Sans"},
    {"MS Sans Serif", "Liberation Sans"},
    {"Courier New", "Liberation Mono"},
}};
} // namespace

QString twinFamily(const QString& family) {
    for (const auto& [windowsName, twin] : twins)
        if (family.compare(QLatin1String(windowsName), Qt::CaseInsensitive) == 0)
            return QLatin1String(twin);
    return family;
}

QFont pixelFont(const QString& family, int pixelSize, bool bold) {
    QFont font(twinFamily(family));
    font.setPixelSize(pixelSize > 0 ? pixelSize : 1);
    font.setBold(bold);
    return font;
}

void installFontTwins() {
    for (const auto& [windowsName, twin] : twins)
        QFont::insertSubstitution(QLatin1String(windowsName), QLatin1String(twin));
}
