#include "ui/format_float.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct Case {
    const char* format;
    double value;
    const char* expected;
};

platform::Locale english() {
    return platform::Locale{",", ".", "h:mm AP"};
}

void expectAll(const std::vector<Case>& cases, const platform::Locale& locale) {
    for (const auto& c : cases) {
        EXPECT_EQ(formatFloat(c.format, c.value, locale), c.expected)
            << "format \"" << c.format << "\" value " << c.value;
    }
}

TEST(FormatFloat, ChartFormatsOfTheProgram) {
    expectAll({{"#,##0.00 GB", 1234.5, "1,234.50 GB"},
               {"#,##0.00 GB", 0, "0.00 GB"},
               {"#,##0.0# GB", 12.0, "12.0 GB"},
               {"#,##0.0# GB", 12.345, "12.35 GB"},
               {"#,##0.0## GB", 1234567.8912, "1,234,567.891 GB"},
               {"#,##0.0## GB", 0.25, "0.25 GB"},
               {"##0.# %", 12.0, "12 %"},
               {"##0.# %", 0.04, "0 %"},
               {"##0.# %", 33.333, "33.3 %"},
               {"##0.# %", 1234.56, "1234.6 %"},
               {"#,##0. %", 12.6, "13 %"},
               {"#,##0. %", 1499.5, "1,500 %"},
               {"#,##0.## %", 25, "25 %"},
               {"#,##0.## %", 2.125, "2.13 %"},
               {"0", 47.5, "48"},
               {"0", 0.4, "0"}},
              english());
}

TEST(FormatFloat, PlaceholdersAndGrouping) {
    expectAll({{"#.##", 0.5, ".5"},
               {"#", 0, ""},
               {"000.00", 1.5, "001.50"},
               {"0.000", 1.0, "1.000"},
               {"#,##0", 999, "999"},
               {"#,##0", 1000, "1,000"},
               {"#,##0", 123456789, "123,456,789"},
               {"0", 9.5, "10"},
               {"#,##0.0", 999999.96, "1,000,000.0"},
               {"0.00", 1e-7, "0.00"}},
              english());
}

TEST(FormatFloat, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    expectAll({{"0.00", 2.675, "2.68"},
               {"0.00", 1.005, "1.01"},
               {"0.00", -2.675, "-2.68"},
               {"0", 0.5, "1"},
               {"0", -0.5, "-1"},
               {"0", 2.5, "3"},
               {"0.0", 0.05, "0.1"}},
              english());
}

TEST(FormatFloat, SectionsForNegativeAndZeroValues) {
    expectAll({{"#,##0.00", -1234.5, "-1,234.50"},
               {"0.0;(0.0)", -3.25, "(3.3)"},
               {"0.0;(0.0)", 3.25, "3.3"},
               {"0.0;(0.0);nil", 0, "nil"},
               {"0.0;(0.0);nil", 0.01, "nil"},
               {"0.0;;\"none\"", -2, "-2.0"},
               {"0.0;;\"none\"", 0, "none"},
               {"0.0", -0.01, "0.0"}},
              english());
}

TEST(FormatFloat, LiteralTextPlainOrQuoted) {
    expectAll({{"\"Total: \"#,##0", 1500, "Total: 1,500"},
               {"'#'0", 7, "#7"},
               {"0 \"files\"", 3, "3 files"},
               {"#,##0.0# GB", -0.5, "-0.5 GB"}},
              english());
}

TEST(FormatFloat, UsesTheSeparatorsOfTheLocaleGiven) {
    const platform::Locale german{".", ",", "HH:mm"};
    expectAll(
        {{"#,##0.00 GB", 1234.5, "1.234,50 GB"}, {"##0.# %", 12.25, "12,3 %"}, {"", 2.5, "2,5"}},
        german);
    const platform::Locale swiss{"\u2019", ".", "HH:mm"};
    EXPECT_EQ(formatFloat("#,##0", 1234567, swiss), "1\u2019234\u2019567");
}

TEST(FormatFloat, PlainNumbersWithoutFormat) {
    expectAll({{"", 0, "0"}, {"", 250, "250"}, {"", -12.5, "-12.5"}, {"", 0.1, "0.1"}}, english());
}

} // namespace

namespace {

struct ChartCase {
    const char* format;
    double value;
    double step;
    const char* expected;
};

void expectChartNumbers(const std::vector<ChartCase>& cases, const platform::Locale& locale) {
    for (const auto& c : cases) {
        EXPECT_EQ(formatChartNumber(c.format, c.value, c.step, locale), c.expected)
            << "format \"" << c.format << "\" value " << c.value << " step " << c.step;
    }
}

TEST(FormatChartNumber, AxisLabelsTakeTheDecimalsOfTheirStepAndNeverAnExponent) {
    expectChartNumbers({{"", 0, 1e-5, "0"},
                        {"", 1e-5, 1e-5, "0.00001"},
                        {"", 7e-5, 1e-5, "0.00007"},
                        {"", 2.5e-5, 2.5e-6, "0.000025"},
                        {"", 0.30000000000000004, 0.1, "0.3"},
                        {"", 1000, 250, "1,000"},
                        {"", 1e20, 1e19, "100,000,000,000,000,000,000"},
                        {"", -0.75, 0.25, "-0.75"},
                        {"#,##0.0# GB", 150, 50, "150.0 GB"},
                        {"#,##0.0# GB", 0.0015, 0.0005, "0.0015 GB"},
                        {"#,##0 h", 12, 2, "12 h"}},
                       english());
    const platform::Locale german{".", ",", "HH:mm"};
    expectChartNumbers({{"", 3e-5, 1e-5, "0,00003"}, {"", 1234.5, 0.5, "1.234,5"}}, german);
}

TEST(FormatChartNumber, AValueThatIsNotZeroNeverShowsAsZero) {
    const double sixtyBytesInMegabytes = 60 / 1048576.0;
    expectChartNumbers({{"#,##0.##", sixtyBytesInMegabytes, 0, "0.000057"},
                        {"#,##0.##", 0.004, 0, "0.004"},
                        {"#,##0.##", -0.0000123, 0, "-0.000012"},
                        {"#,##0", 0.3, 0, "0.3"},
                        {"0.0;(0.0);nil", 0.01, 0, "0.01"},
                        {"0.0;(0.0);nil", 0, 0, "nil"},
                        {"#,##0.##", 0, 0, "0"},
                        {"#,##0.##", 0.006, 0, "0.01"},
                        {"#,##0.##", 1234.567, 0, "1,234.57"}},
                       english());
    EXPECT_EQ(formatChartNumber("#,##0.##", sixtyBytesInMegabytes, 0, {".", ",", "HH:mm"}),
              "0,000057");
    EXPECT_EQ(formatChartNumber("#,##0.##", std::nan(""), 0, english()), "");
}

} // namespace
