// The number conversions of the shared routines under a choice of locales. Input: a first
// byte that picks the thousands and decimal separators, then a text, whose first bytes are
// also read as a 64-bit integer, a double and a 32-bit file count. Properties:
// - safeStrToInt agrees with a plain reading: an optional sign, decimal digits only, within
//   32 bits; everything else gives 0;
// - safeStrToFloat agrees with the C library's strtod for text of the form sign, digits, the
//   locale's decimal separator, digits, exponent (blanks and control characters around it
//   allowed), where the value is well inside the range of a double; any other text gives 0;
// - formatCount groups the digits in threes from the right, keeps the sign, and reads back
//   through stripCommas and safeStrToInt (digitsOnly gives the bare digits);
// - formatBytes and averageSizeText give the value rounded to a whole number, to 14
//   significant digits, and formatNumber2 the value to two decimals, all of which read back
//   through stripCommas and safeStrToFloat; a value that is not finite gives empty text.

#include "app/helpers.h"
#include "fuzz_check.h"
#include "platform/locale_settings.h"
#include "types/type_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Separators {
    const char* thousands;
    const char* decimal;
};

// Comma and point both ways, the narrow and the plain no-break space (UTF-8), an apostrophe,
// a blank, none at all, and the Arabic separators (two bytes each).
constexpr Separators separators[] = {
    {",", "."}, {".", ","}, {"\xe2\x80\xaf", ","},    {"\xc2\xa0", ","}, {"'", "."},
    {" ", ","}, {"", "."},  {"\xd9\xac", "\xd9\xab"},
};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::int32_t plainInt(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || !std::ranges::all_of(text, isDigit))
        return 0;
    while (text.size() > 1 && text.front() == '0')
        text.remove_prefix(1);
    if (text.size() > 10)
        return 0;
    std::int64_t magnitude = 0;
    for (const char c : text)
        magnitude = magnitude * 10 + (c - '0');
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(value);
}

// The text in the C locale's form when it is a number of the accepted form, with the power
// of ten of its first significant digit (clamped; 0 for a zero value).
struct PlainNumber {
    std::string text;
    std::int64_t magnitude = 0;
    bool zero = true;
};

std::optional<PlainNumber> plainFloat(std::string_view text, std::string_view decimal) {
    const auto isBlankOrControl = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && isBlankOrControl(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlankOrControl(text.back()))
        text.remove_suffix(1);
    PlainNumber number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.text += text.front();
        text.remove_prefix(1);
    }
    std::int64_t integerDigits = 0; // significant digits before the separator
    std::int64_t leadingZeros = 0;  // zeros after the separator before a significant digit
    bool afterSeparator = false;
    std::size_t digits = 0;
    while (!text.empty()) {
        if (!afterSeparator && !decimal.empty() && text.starts_with(decimal)) {
            afterSeparator = true;
            number.text += '.';
            text.remove_prefix(decimal.size());
            continue;
        }
        if (!isDigit(text.front()))
            break;
        const char c = text.front();
        ++digits;
        if (c != '0' || !number.zero) {
            if (number.zero && afterSeparator)
                number.magnitude = -leadingZeros - 1;
            number.zero = number.zero && c == '0';
            integerDigits += afterSeparator ? 0 : 1;
        } else if (afterSeparator) {
            ++leadingZeros;
        }
        number.text += c;
        text.remove_prefix(1);
    }
    if (digits == 0)
        return std::nullopt;
    if (!number.zero && number.magnitude == 0)
        number.magnitude = integerDigits - 1;
    if (!text.empty() && (text.front() == 'e' || text.front() == 'E')) {
        number.text += 'e';
        text.remove_prefix(1);
        bool negative = false;
        if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
            negative = text.front() == '-';
            number.text += text.front();
            text.remove_prefix(1);
        }
        if (text.empty() || !std::ranges::all_of(text, isDigit))
            return std::nullopt;
        std::int64_t exponent = 0;
        for (const char c : text)
            exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), 1'000'000);
        number.magnitude += negative ? -exponent : exponent;
        number.text += text;
        text = {};
    }
    if (!text.empty())
        return std::nullopt;
    return number;
}

void checkParsing(std::string_view text, const Separators& locale) {
    FUZZ_CHECK(safeStrToInt(text) == plainInt(text));

    const double value = safeStrToFloat(text);
    FUZZ_CHECK(std::isfinite(value));
    const auto plain = plainFloat(text, locale.decimal);
    if (!plain) {
        FUZZ_CHECK(value == 0);
        return;
    }
    const double reference = std::strtod(plain->text.c_str(), nullptr);
    if (plain->zero || (plain->magnitude > -300 && plain->magnitude < 300))
        FUZZ_CHECK(value == reference);
    else
        FUZZ_CHECK(value == 0 || value == reference);
}

// The digits of a formatted number: an optional minus, then groups of one to three digits
// and of three digits between thousands separators. Empty when the text has another form.
std::string groupedDigits(std::string_view text, std::string_view thousands) {
    if (text.starts_with('-'))
        text.remove_prefix(1);
    std::vector<std::string_view> pieces;
    if (thousands.empty())
        pieces.push_back(text);
    for (std::size_t at = 0; !thousands.empty();) {
        const std::size_t next = text.find(thousands, at);
        pieces.push_back(text.substr(at, next - at));
        if (next == std::string_view::npos)
            break;
        at = next + thousands.size();
    }
    std::string digits;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const std::size_t size = pieces[i].size();
        const bool sizeRight = i == 0 ? size >= 1 && (size <= 3 || thousands.empty()) : size == 3;
        if (!sizeRight || !std::ranges::all_of(pieces[i], isDigit))
            return {};
        digits += pieces[i];
    }
    return digits;
}

bool closeTo(double value, double expected, double relative, double absolute) {
    return std::fabs(value - expected) <= std::fabs(expected) * relative + absolute;
}

void checkWholeNumber(const std::string& text, double expected, const Separators& locale) {
    FUZZ_CHECK(!groupedDigits(text, locale.thousands).empty());
    FUZZ_CHECK(text.starts_with('-') == (expected < 0));
    // Fourteen significant digits: exact below 10^14, within half a unit of the last digit
    // above (and the rounding of reading it back).
    const double readBack = safeStrToFloat(stripCommas(text));
    if (std::fabs(expected) < 1.0e14)
        FUZZ_CHECK(readBack == expected);
    else
        FUZZ_CHECK(closeTo(readBack, expected, 5.01e-14, 0));
}

void checkFormatting(std::string_view text, const Separators& locale) {
    std::uint8_t bytes[8] = {};
    std::memcpy(bytes, text.data(), std::min(text.size(), sizeof bytes));
    const auto whole = std::bit_cast<std::int64_t>(bytes);
    const auto real = std::bit_cast<double>(bytes);
    const auto count =
        std::bit_cast<std::int32_t>(std::array{bytes[4], bytes[5], bytes[6], bytes[7]});

    const std::string counted = formatCount(whole);
    char plain[24];
    std::string_view digits(plain, std::to_chars(plain, plain + sizeof plain, whole).ptr);
    FUZZ_CHECK(counted.starts_with('-') == digits.starts_with('-'));
    if (digits.starts_with('-'))
        digits.remove_prefix(1);
    FUZZ_CHECK(groupedDigits(counted, locale.thousands) == digits);
    FUZZ_CHECK(digitsOnly(counted) == digits);
    const auto small = static_cast<std::int32_t>(whole);
    FUZZ_CHECK(safeStrToInt(stripCommas(formatCount(small))) == small);

    const std::string bytesText = formatBytes(real);
    FUZZ_CHECK(bytesText.empty() == !std::isfinite(real));
    if (std::isfinite(real))
        checkWholeNumber(bytesText, std::round(real), locale);

    const std::string average = averageSizeText(whole, count);
    if (count <= 0)
        FUZZ_CHECK(average == "0");
    else
        checkWholeNumber(average, std::round(static_cast<double>(whole) / count), locale);

    const std::string twoDecimals = formatNumber2(real);
    FUZZ_CHECK(twoDecimals.empty() == !std::isfinite(real));
    if (std::isfinite(real)) {
        const std::string_view decimal = locale.decimal;
        FUZZ_CHECK(twoDecimals.size() > decimal.size() + 2 &&
                   twoDecimals.substr(twoDecimals.size() - 2 - decimal.size(), decimal.size()) ==
                       decimal);
        // Half a hundredth, and the rounding of reading the text back.
        FUZZ_CHECK(closeTo(safeStrToFloat(stripCommas(twoDecimals)), real, 1.0e-15, 0.00500001));
    }
}

void checkStripped(std::string_view text, const Separators& locale) {
    const std::string stripped = stripCommas(text);
    const std::string_view thousands = locale.thousands;
    if (thousands.empty() || text.find(thousands) == std::string_view::npos) {
        FUZZ_CHECK(stripped == text);
        return;
    }
    FUZZ_CHECK(stripped.find(thousands) == std::string::npos);
    FUZZ_CHECK((text.size() - stripped.size()) % thousands.size() == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const Separators& locale = separators[data[0] % std::size(separators)];
    platform::setCurrentLocale({locale.thousands, locale.decimal, "h:mm AP"});
    const std::string_view text = tally_fuzz::asText(data + 1, size - 1);
    checkParsing(text, locale);
    checkFormatting(text, locale);
    checkStripped(text, locale);
    return 0;
}
