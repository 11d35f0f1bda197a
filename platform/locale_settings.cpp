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
    if (!locale) {
        locale = systemLocale();
    }
    return *locale;
}

void setCurrentLocale(const Locale& locale) {
    storedLocale() = locale;
}

Locale systemLocale() {
    const QLocale system = QLocale::system();
    Locale locale;
    locale.thousandsSeparator = system.groupSeparator().toStdString();
    locale.decimalSeparator = system.decimalPoint().toStdString();
    locale.shortTimeFormat = system.timeFormat(QLocale::ShortFormat).toStdString();
    return locale;
}

std::string formatShortTime(int hour, int minute) {
    const QTime time(hour, minute);
    if (!time.isValid()) {
        return {};
    }
    // The system locale names AM and PM in the user's language; the format is ours.
    const auto format = QString::fromStdString(currentLocale().shortTimeFormat);
    return QLocale::system().toString(time, format).toStdString();
}

} // namespace platform
