#include "collect/name_escapes.h"

#include <cstdio>

namespace {

// The length of the UTF-8 sequence at the start of text, or 0 when it is not one. A JSON
// parser rejects every other form, and one bad name would make the whole report unreadable.
std::size_t utf8SequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80)
        return 1;
    // The range of the second byte depends on the lead; every later byte is 80 to BF.
    unsigned char low = 0x80;
    unsigned char high = 0xbf;
    std::size_t length = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        low = lead == 0xe0 ? 0xa0 : 0x80;
        high = lead == 0xed ? 0x9f : 0xbf;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        low = lead == 0xf0 ? 0x90 : 0x80;
        high = lead == 0xf4 ? 0x8f : 0xbf;
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i)
        if (byte(i) < 0x80 || byte(i) > 0xbf)
            return 0;
    return length;
}

std::string escapedByte(const char* format, unsigned char byte) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, byte);
    return escaped;
}

bool isControl(unsigned char byte) {
    return byte < 0x20 || byte == 0x7f;
}

} // namespace

bool isValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = utf8SequenceLength(text);
        if (length == 0)
            return false;
        text.remove_prefix(length);
    }
    return true;
}

std::string printableName(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else if (isControl(u))
            out += escapedByte("\\x%02x", u);
        else
            out += c;
    }
    return out;
}

std::string jsonString(std::string_view text) {
    const bool utf8 = isValidUtf8(text);
    std::string out = "\"";
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20 || (u >= 0x80 && !utf8)) {
            out += escapedByte("\\u%04x", u);
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string hexOf(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto u = static_cast<unsigned char>(c);
        out += digits[u >> 4];
        out += digits[u & 0x0f];
    }
    return out;
}

std::optional<std::string> bytesOfHex(std::string_view hex) {
    const auto value = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = value(hex[i]);
        const int low = value(hex[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

std::string csvField(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    while (!text.empty()) {
        const auto u = static_cast<unsigned char>(text.front());
        const std::size_t length = utf8SequenceLength(text);
        if (text.front() == '\\') {
            escaped += "\\\\";
        } else if (length == 0 || isControl(u)) {
            escaped += escapedByte("\\x%02x", u);
        } else {
            escaped += text.substr(0, length);
            text.remove_prefix(length);
            continue;
        }
        text.remove_prefix(1);
    }
    if (escaped.find_first_of(",\"") == std::string::npos)
        return escaped;
    std::string quoted = "\"";
    for (const char c : escaped) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}
