#include "platform/locale_settings.h"

#include <QLocale>
#include <QTime>

#include <optional>

namespace platform {

namespace {

std::optional<Locale>& storedLocale() {
    static std::optional<Locale> locale;
    return locale;
}

} // namespace

const Locale& currentLocale() {
    auto& locale = storedLocale();
    if (!locale)
        locale = systemLocale();
    return *locale;
}

void setCurrentLocale(const Locale& locale) {
    storedLocale() = locale;
}

Locale systemLocale() {
    return localeFrom(QLocale::system());
}

Locale localeFrom(const QLocale& conventions) {
    Locale locale;
    locale.thousandsSeparator = conventions.groupSeparator().toStdString();
    locale.decimalSeparator = conventions.decimalPoint().toStdString();
    locale.shortTimeFormat = conventions.language() == QLocale::C
                                 ? "HH:mm"
                                 : conventions.timeFormat(QLocale::ShortFormat).toStdString();
    return locale;
}

std::string formatShortTime(int hour, int minute) {
    const QTime time(hour, minute);
    if (!time.isValid())
        return {};
    // The system locale names AM and PM in the user's language; the format is ours.
    const auto format = QString::fromStdString(currentLocale().shortTimeFormat);
    return QLocale::system().toString(time, format).toStdString();
}

} // namespace platform
