#include "ui/format_float.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// One section of a format, taken apart: the literal text around the number and the shape of
// the number itself.
struct Section {
    std::string prefix; // literals before the first placeholder
    std::string suffix; // literals after the first placeholder, in order
    int minIntegerDigits = 0;
    int minFractionDigits = 0;
    int maxFractionDigits = 0;
    bool grouping = false;
    bool hasPlaceholder = false;
};

std::vector<std::string> splitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (const char c : format) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

Section parseSection(const std::string& text) {
    Section section;
    bool inFraction = false;
    bool seenZero = false;
    char quote = 0;
    auto literal = [&section](char c) {
        (section.hasPlaceholder ? section.suffix : section.prefix) += c;
    };
    for (const char c : text) {
        if (quote != 0) {
            if (c == quote)
                quote = 0;
            else
                literal(c);
            continue;
        }
        switch (c) {
        case '"':
        case '\'':
            quote = c;
            break;
        case '0':
        case '#':
            section.hasPlaceholder = true;
            if (inFraction) {
                ++section.maxFractionDigits;
                if (c == '0')
                    section.minFractionDigits = section.maxFractionDigits;
            } else if (c == '0' || seenZero) {
                // "#0#0" still asks for three digits from the first zero on.
                seenZero = true;
                ++section.minIntegerDigits;
            }
            break;
        case '.':
            if (inFraction)
                break; // only the first point counts
            inFraction = true;
            section.hasPlaceholder = true;
            break;
        case ',':
            if (!inFraction)
                section.grouping = true;
            break;
        default:
            literal(c);
            break;
        }
    }
    return section;
}

// |value| in scientific notation with `significant` digits: the digits without the point, and
// the power of ten of the first one.
struct Scientific {
    std::string digits;
    int exponent = 0;
};

Scientific scientificDigits(double value, int significant) {
    std::array<char, 64> buffer{};
    const auto result =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, significant - 1);
    const std::string text(buffer.data(), result.ptr);
    const auto ePos = text.find('e');
    Scientific number;
    for (std::size_t i = 0; i < ePos; ++i)
        if (text[i] != '.')
            number.digits += text[i];
    std::from_chars(text.data() + ePos + 1 + (text[ePos + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), number.exponent);
    return number;
}

// The decimal digits of |value| rounded half away from zero to `decimals` places: integer part
// and fraction part as digit strings. The value is first written to 15 significant digits, the
// precision a double carries, so 2.675 (stored as 2.67499999...) rounds up as written.
std::pair<std::string, std::string> roundedDigits(double value, int decimals) {
    auto [mantissa, exponent] = scientificDigits(value, 15);
    // digits d0 d1 d2 ... with the decimal point after position exponent + 1.
    int pointPos = exponent + 1;
    if (pointPos < 0) {
        mantissa.insert(0, static_cast<std::size_t>(-pointPos), '0');
        pointPos = 0;
    }
    if (static_cast<int>(mantissa.size()) < pointPos + decimals + 1)
        mantissa.append(static_cast<std::size_t>(pointPos + decimals + 1 - mantissa.size()), '0');
    const auto keep = static_cast<std::size_t>(pointPos + decimals);
    std::string digits = mantissa.substr(0, keep);
    if (mantissa[keep] >= '5') {
        int i = static_cast<int>(digits.size()) - 1;
        for (; i >= 0; --i) {
            if (digits[static_cast<std::size_t>(i)] == '9') {
                digits[static_cast<std::size_t>(i)] = '0';
            } else {
                ++digits[static_cast<std::size_t>(i)];
                break;
            }
        }
        if (i < 0) {
            digits.insert(0, 1, '1');
            ++pointPos;
        }
    }
    std::string integer = digits.substr(0, static_cast<std::size_t>(pointPos));
    const std::size_t firstNonZero = integer.find_first_not_of('0');
    integer = firstNonZero == std::string::npos ? std::string() : integer.substr(firstNonZero);
    return {integer, digits.substr(static_cast<std::size_t>(pointPos))};
}

bool roundsToZero(double value, int decimals) {
    const auto [integer, fraction] = roundedDigits(value, decimals);
    return integer.empty() && fraction.find_first_not_of('0') == std::string::npos;
}

std::string formatNumber(const Section& section, double value, const platform::Locale& locale) {
    auto [integer, fraction] = roundedDigits(value, section.maxFractionDigits);
    if (static_cast<int>(integer.size()) < section.minIntegerDigits)
        integer.insert(0, static_cast<std::size_t>(section.minIntegerDigits) - integer.size(), '0');
    while (static_cast<int>(fraction.size()) > section.minFractionDigits && fraction.back() == '0')
        fraction.pop_back();
    std::string text;
    for (std::size_t i = 0; i < integer.size(); ++i) {
        if (section.grouping && i > 0 && (integer.size() - i) % 3 == 0)
            text += locale.thousandsSeparator;
        text += integer[i];
    }
    if (!fraction.empty()) {
        text += locale.decimalSeparator;
        text += fraction;
    }
    return text;
}

std::string formatGeneral(double value, const platform::Locale& locale) {
    if (!std::isfinite(value))
        return {};
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::general, 15);
    std::string text(buffer.data(), result.ptr);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, locale.decimalSeparator);
    return text;
}

// The decimals needed to write |value| in full, to the 15 significant digits a double carries.
int decimalsToWrite(double value) {
    const Scientific number = scientificDigits(value, 15);
    const auto lastDigit = number.digits.find_last_not_of('0');
    const int fractionDigits = lastDigit == std::string::npos ? 0 : static_cast<int>(lastDigit);
    return std::max(0, fractionDigits - number.exponent);
}

// The decimals that show the first two significant digits of |value|.
int decimalsForTwoDigits(double value) {
    return std::max(0, 1 - scientificDigits(value, 2).exponent);
}

// Writes value in the sections of a format, each section allowed at least leastDecimals
// decimals.
std::string formatSections(const std::vector<std::string>& texts, double value, int leastDecimals,
                           const platform::Locale& locale) {
    auto parse = [leastDecimals](const std::string& text) {
        Section section = parseSection(text);
        section.maxFractionDigits = std::max(section.maxFractionDigits, leastDecimals);
        return section;
    };
    const Section first = parse(texts[0]);
    const bool zero = roundsToZero(value, first.maxFractionDigits);
    Section chosen = first;
    bool minus = false;
    if (zero && texts.size() > 2 && !texts[2].empty()) {
        chosen = parse(texts[2]);
    } else if (!zero && value < 0) {
        if (texts.size() > 1 && !texts[1].empty())
            chosen = parse(texts[1]);
        else
            minus = true;
    }
    if (!chosen.hasPlaceholder)
        return chosen.prefix;
    // A negative value that rounds to zero under its own section is written without a sign.
    if (minus && roundsToZero(value, chosen.maxFractionDigits))
        minus = false;
    return (minus ? "-" : "") + chosen.prefix + formatNumber(chosen, value, locale) + chosen.suffix;
}

} // namespace

std::string formatFloat(const std::string& format, double value, const platform::Locale& locale) {
    if (format.empty())
        return formatGeneral(value, locale);
    if (!std::isfinite(value))
        return {};
    return formatSections(splitSections(format), value, 0, locale);
}

std::string formatChartNumber(const std::string& format, double value, double step,
                              const platform::Locale& locale) {
    if (!std::isfinite(value))
        return {};
    const std::vector<std::string> texts = splitSections(format.empty() ? "#,##0" : format);
    int decimals = std::isfinite(step) && step > 0 ? decimalsToWrite(step) : 0;
    const int formatDecimals = std::max(decimals, parseSection(texts[0]).maxFractionDigits);
    if (value != 0 && roundsToZero(value, formatDecimals))
        decimals = std::max(decimals, decimalsForTwoDigits(value));
    return formatSections(texts, value, decimals, locale);
}
