#include "dates/packed_date.h"

bool decodePacked(std::uint32_t packed, DecodedStamp& stamp) {
    stamp = DecodedStamp{};
    if (!validPacked(packed))
        return false;
    const std::uint32_t date = packed >> 16;
    const std::uint32_t time = packed & 0xFFFF;
    stamp.day = static_cast<int>(date & 0x1F);
    stamp.month = static_cast<int>((date >> 5) & 0x0F);
    stamp.year = 1980 + static_cast<int>(date >> 9);
    stamp.second = 2 * static_cast<int>(time & 0x1F);
    stamp.minute = static_cast<int>((time >> 5) & 0x3F);
    stamp.hour = static_cast<int>(time >> 11);
    return true;
}
