#pragma once
// The user's number and time conventions, read once from the system and held as a plain value
// so that core formatting never depends on the C library's locale (QApplication changes it)
// and tests can set any convention they need.

#include <string>

class QLocale;

namespace platform {

struct Locale {
    std::string thousandsSeparator{","}; // may be several bytes (UTF-8 narrow no-break space)
    std::string decimalSeparator{"."};
    std::string shortTimeFormat{"h:mm AP"}; // a QTime format string, the user's short time format
};

// The locale in force for the whole program; the system's until setCurrentLocale is called.
[[nodiscard]] const Locale& currentLocale();
void setCurrentLocale(const Locale& locale);

// Reads the system's conventions (QLocale::system()).
[[nodiscard]] Locale systemLocale();
// The conventions of one Qt locale. Qt gives the C locale (also POSIX, C.UTF-8) a short time
// format with seconds; here it is hours and minutes, as every other locale's short format is.
[[nodiscard]] Locale localeFrom(const QLocale& conventions);

// The time of day hour:minute written in the current locale's short time format.
[[nodiscard]] std::string formatShortTime(int hour, int minute);

} // namespace platform
