#pragma once
// The two persistent file-type lists ("Include" and "Exclude") in the settings file
// tally98.ini. Only the patterns are stored (File1..FileN and their count "Number"); the
// descriptions are looked up afresh on every load. Reading never writes: the three default
// entries a section without a "Number" yields reach the file only when the editor saves.
// A load parses the file once; a save replaces the whole file once, so a save that fails
// leaves the previous file exactly as it was.

#include <string>
#include <vector>

inline constexpr const char* settingsFileName = "tally98.ini";
inline constexpr const char* includeSection = "Include";
inline constexpr const char* excludeSection = "Exclude";

// Replaces list with the entries (pattern TAB description) of the section. A missing or
// unreadable or negative "Number" gives *.doc, *.exe and *.dll; 0 gives an empty list; empty
// pattern values are skipped.
void ReadStatFilesFromDisk(std::vector<std::string>& list, const std::string& section);

// Stores the patterns of list (each line's text before its first TAB) as the section: "Number"
// and File1..FileN; keys beyond N are left as they are. When the file cannot be written, none
// of the keys reach it, the error box "Unable to write to <file>" is shown and false is
// returned.
[[nodiscard]] bool WriteStatFilesToDisk(const std::vector<std::string>& list,
                                        const std::string& section);
