#pragma once
// The one place where a text of a chart model (a std::string in the system's 8-bit encoding,
// as the page fills write them) becomes a QString for painting or measuring.

#include <QString>

#include <string>

[[nodiscard]] QString chartText(const std::string& text);
