#pragma once
// A type entry is one line of a file-type list: a pattern such as *.doc, a TAB, a description.
// Its extension for matching is the pattern without its first character, lower-cased (a-z):
// patterns are not wildcards.

#include <string>
#include <string_view>

// The text from the entry's second character up to its first TAB, letters A-Z folded to lower
// case; empty when the entry has no TAB or the TAB stands first or second.
[[nodiscard]] std::string extractExtension(std::string_view entry);
