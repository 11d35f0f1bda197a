#pragma once
// The drive entries that the selection wizard and the Space page offer, built from the drive
// box's texts. Floppy drives (a and b) are never offered; a drive without a volume label shows
// its type name instead of the empty brackets, because "d: []" tells the user nothing. The
// Space page leaves out CD-ROM drives without a label (an empty tray has no space worth
// drawing); the wizard keeps them. Which entries start marked follows the program's current
// drive: its entry alone when the list holds its text, otherwise every entry.

#include <string>
#include <vector>

enum class DriveListKind {
    wizard,    // the wizard's drive page
    spacePage, // the Space page's pckStatDrive
};

struct DriveListEntry {
    std::string text;
    bool marked = false;

    bool operator==(const DriveListEntry&) const = default;
};

// sourceTexts: the drive box's texts in letter order; currentText: the drive box's current
// text (the entry of the drive holding the current directory).
[[nodiscard]] std::vector<DriveListEntry>
buildDriveList(const std::vector<std::string>& sourceTexts, const std::string& currentText,
               DriveListKind kind);

// The same list from the machine's drives as the drive box presents them now.
[[nodiscard]] std::vector<DriveListEntry> machineDriveList(DriveListKind kind);
