#pragma once
// The entries of a pick list whose lines are bytes from a file (type patterns from the settings
// file, drive labels): each item shows the line as local 8-bit text, where a byte that is not
// valid UTF-8 becomes a replacement character, and carries the bytes themselves. What is
// stored or compared is read from those bytes, never from the shown text, so *.\xe4 stays
// *.\xe4 from the file to the list and back to the file or to the run's selection.

#include <string>
#include <string_view>
#include <vector>

class PickList;

// Adds the line and returns the index it got (its sorted place in a sorted list).
int addByteEntry(PickList& list, std::string_view bytes);

[[nodiscard]] std::vector<std::string> byteEntries(const PickList& list);
[[nodiscard]] std::vector<std::string> markedByteEntries(const PickList& list);
