#include "app/helpers.h"

#include "platform/drives.h"
#include "platform/locale_settings.h"
#include "platform/message_hook.h"

#include <charconv>
#include <cmath>

namespace {

// Inserts the locale's thousands separator into a run of digits.
std::string groupDigits(std::string_view digits) {
    const std::string& separator = platform::currentLocale().thousandsSeparator;
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += separator;
        grouped += digits[i];
    }
    return grouped;
}

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::string digitsOnly(std::string_view text) {
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9')
            digits += c;
    return digits;
}

std::int32_t safeStrToInt(std::string_view text) {
    // One sign at most: from_chars reads a minus but not a plus, so "+-5" must not reach it.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-')
            return 0;
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return 0;
    return value;
}

double safeStrToFloat(std::string_view text) {
    text = trimmed(text);
    const std::string& decimal = platform::currentLocale().decimalSeparator;
    std::string plain;
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only digits, one decimal separator and an exponent are a number; from_chars alone would
    // also take "inf" and "nan". A further sign belongs only to the exponent, so that "--5" is
    // not read as 5.
    for (std::size_t i = 0; i < text.size();) {
        if (!decimal.empty() && text.substr(i, decimal.size()) == decimal) {
            plain += '.';
            i += decimal.size();
            continue;
        }
        const char c = text[i++];
        const bool exponentSign = (c == '+' || c == '-') && !plain.empty() &&
                                  (plain.back() == 'e' || plain.back() == 'E');
        if ((c >= '0' && c <= '9') || c == 'e' || c == 'E' || exponentSign)
            plain += c;
        else
            return 0;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (plain.empty() || error != std::errc() || end != plain.data() + plain.size() ||
        !std::isfinite(value))
        return 0;
    return negative ? -value : value;
}

std::string formatNumber2(double value) {
    if (!std::isfinite(value))
        return {};
    char buffer[400];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    if (error != std::errc())
        return {};
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const bool negative = text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    std::string result = negative && text != "0.00" ? "-" : "";
    result += groupDigits(text.substr(0, point));
    result += platform::currentLocale().decimalSeparator;
    result += text.substr(point + 1);
    return result;
}

std::string formatCount(std::int64_t value) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
    if (value < 0)
        digits.remove_prefix(1);
    return (value < 0 ? "-" : "") + groupDigits(digits);
}

std::string formatBytes(double value) {
    if (!std::isfinite(value))
        return {};
    const double rounded = std::round(value);
    char buffer[32];
    // Fourteen significant digits: the mantissa in scientific form, padded with zeros.
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded),
                                            std::chars_format::scientific, 13);
    if (error != std::errc())
        return {};
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    int exponent = 0;
    const char* exponentText = text.data() + e + 1;
    if (*exponentText == '+')
        ++exponentText; // from_chars takes no plus sign
    std::from_chars(exponentText, text.data() + text.size(), exponent);
    if (exponent < 0)
        return "0";
    std::string mantissa = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
    std::string digits;
    if (exponent + 1 <= static_cast<int>(mantissa.size()))
        digits = mantissa.substr(0, static_cast<std::size_t>(exponent + 1));
    else
        digits =
            mantissa + std::string(static_cast<std::size_t>(exponent + 1) - mantissa.size(), '0');
    return (rounded < 0 ? "-" : "") + groupDigits(digits);
}

void showError(const std::string& text) {
    platform::messageBeep();
    platform::showMessageBox(platform::MessageKind::Error, "Error", text);
}

void showInfo(const std::string& text) {
    platform::showMessageBox(platform::MessageKind::Information, "Information", text);
}

std::string tabField(std::string_view text, int n) {
    if (n < 1)
        return {};
    for (int field = 1; field < n; ++field) {
        const std::size_t tab = text.find('\t');
        if (tab == std::string_view::npos)
            return {};
        text.remove_prefix(tab + 1);
    }
    return std::string(trimmed(text.substr(0, text.find('\t'))));
}

std::string driveTypeName(int driveType) {
    switch (driveType) {
    case 2:
        return "(Removable disk)";
    case 3:
        return "(Fixed disk)";
    case 4:
        return "(Remote disk)";
    case 5:
        return "(CD-ROM)";
    case 6:
        return "(RAM-Disk)";
    default:
        return {};
    }
}

bool driveReady(char letter) {
    if (letter >= 'a' && letter <= 'z')
        letter = static_cast<char>(letter - 'a' + 'A');
    if (letter < 'A' || letter > 'Z')
        throw ConversionError("Not a valid drive ID");
    return platform::diskFreeSpace(letter).has_value();
}
