#include "dates/packed_date.h"

namespace {

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

} // namespace

bool decodePacked(std::uint32_t packed, DecodedStamp& stamp) {
    stamp = DecodedStamp{};
    if (packed == 0)
        return false;
    const std::uint32_t date = packed >> 16;
    const std::uint32_t time = packed & 0xFFFF;
    DecodedStamp decoded;
    decoded.day = static_cast<int>(date & 0x1F);
    decoded.month = static_cast<int>((date >> 5) & 0x0F);
    decoded.year = 1980 + static_cast<int>(date >> 9);
    decoded.second = 2 * static_cast<int>(time & 0x1F);
    decoded.minute = static_cast<int>((time >> 5) & 0x3F);
    decoded.hour = static_cast<int>(time >> 11);
    if (decoded.month < 1 || decoded.month > 12 || decoded.day < 1 ||
        decoded.day > daysInMonth(decoded.year, decoded.month) || decoded.hour > 23 ||
        decoded.minute > 59 || decoded.second > 59)
        return false;
    stamp = decoded;
    return true;
}
