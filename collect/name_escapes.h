#pragma once
// How the reports write names (extensions, folders, host names, patterns, file names), whatever
// bytes they hold: each output format stays well formed and nothing is dropped.
// - Text for people: control characters as \t, \n, \r or \xNN and the backslash doubled, so a
//   row stays one line; other bytes pass for the terminal to show.
// - JSON: a UTF-8 name as it is (quote, backslash and control characters escaped as JSON
//   requires); a name that is not UTF-8 byte by byte, each byte from 0x80 up as \u00NN, so any
//   JSON parser reads it. That text alone cannot be turned back into the bytes (the UTF-8 name
//   "é" and the single byte E9 read alike), so the report adds the bytes in hexadecimal beside
//   it (jsonHex).
// - CSV: the backslash doubled, and each byte that is a control character or not part of a
//   UTF-8 character as \xNN; a field with a comma or a quote in double quotes (RFC 4180).
// UTF-8 means exactly the forms RFC 3629 allows: no overlong form, no surrogate, nothing above
// U+10FFFF.

#include <optional>
#include <string>
#include <string_view>

[[nodiscard]] bool isValidUtf8(std::string_view text);

[[nodiscard]] std::string printableName(std::string_view text);

// The JSON string literal, quotes included.
[[nodiscard]] std::string jsonString(std::string_view text);
// Two lower-case hexadecimal digits a byte; bytesOfHex reads them back (either case), nothing
// for an odd length or a character that is not a hexadecimal digit.
[[nodiscard]] std::string hexOf(std::string_view bytes);
[[nodiscard]] std::optional<std::string> bytesOfHex(std::string_view hex);

// One CSV field, quoted where it must be.
[[nodiscard]] std::string csvField(std::string_view text);
