#pragma once
// The small text rules of the file-type lists that need no window: the pattern part of a
// TypeEntry line, the extension of a pattern (for its description), the pattern a typed text
// stands for in the extension picker, and the duplicate test of the list editor.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text before the line's first TAB (the whole line without one).
[[nodiscard]] std::string_view entryPattern(std::string_view line);

// The text from the last dot to the end, dot included; empty without a dot (*.tar.gz gives
// .gz). This is what a pattern is described by; matching uses extractExtension instead.
[[nodiscard]] std::string_view patternExtension(std::string_view pattern);

// The pattern the picker makes of a typed text: "*.*", ".*" and "*" choose nothing; a text
// starting with "*." is kept; one without "*" and "." gets "*." in front; one with a "." but no
// "*" gets "*" in front; any other text with a "*" is kept as typed.
[[nodiscard]] std::optional<std::string> normaliseTypedPattern(std::string_view typed);

// True when the list holds a line equal to line without regard to case (letters a-z).
[[nodiscard]] bool containsLineIgnoringCase(const std::vector<std::string>& lines,
                                            std::string_view line);

// Ascending order of lines without regard to case, as the list editor shows its entries.
[[nodiscard]] bool lineLessIgnoringCase(std::string_view a, std::string_view b);
