#pragma once
// The user's number and time conventions, read once from the system and held as a plain value
// so that core formatting never depends on the C library's locale (QApplication changes it)
// and tests can set any convention they need.

#include <string>

namespace platform {

struct Locale {
    std::string thousandsSeparator{","};   // may be several bytes (UTF-8 narrow no-break space)
    std::string decimalSeparator{"."};
    std::string shortTimeFormat{"h:mm AP"}; // a QTime format string, the user's short time format
};

// The locale in force for the whole program; the system's until setCurrentLocale is called.
[[nodiscard]] const Locale& currentLocale();
void setCurrentLocale(const Locale& locale);

// Reads the system's conventions (QLocale::system()).
[[nodiscard]] Locale systemLocale();

// The time of day hour:minute written in the current locale's short time format.
[[nodiscard]] std::string formatShortTime(int hour, int minute);

} // namespace platform
