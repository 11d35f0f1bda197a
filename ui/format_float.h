#pragma once
// Number formats in the style of the chart component's value formats ("#,##0.0# GB", "##0.# %"):
// up to three sections separated by ';' (positive;negative;zero), '0' (digit always shown) and
// '#' (digit shown when significant) placeholders, the first '.' as the decimal point, ',' among
// the integer placeholders for thousands grouping, and literal text, plain or in quotes.
// Rounding is half away from zero on the decimal value (2.675 with two decimals gives 2.68), so
// that figures agree with what a person would round by hand. An empty format writes the number
// plainly (up to 15 significant digits, no grouping).
// Separators come from the locale given, by default platform::currentLocale(); the C library's
// locale is never consulted.

#include "platform/locale_settings.h"

#include <string>

[[nodiscard]] std::string formatFloat(const std::string& format, double value,
                                      const platform::Locale& locale);

[[nodiscard]] inline std::string formatFloat(const std::string& format, double value) {
    return formatFloat(format, value, platform::currentLocale());
}

// The numbers of a chart (axis labels, legend values) in its value format, but never in
// exponent form and never a value that is not zero written as zero: the number gets at least
// the decimals that write `step` in full (the distance between neighbouring axis labels, so that
// they differ; 0 for a value on its own), and a value the format would round to zero gets the
// decimals of its first two significant digits. An empty format stands for "#,##0".
[[nodiscard]] std::string formatChartNumber(const std::string& format, double value, double step,
                                            const platform::Locale& locale);

[[nodiscard]] inline std::string formatChartNumber(const std::string& format, double value,
                                                   double step = 0) {
    return formatChartNumber(format, value, step, platform::currentLocale());
}
