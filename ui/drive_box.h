#pragma once
// The texts of the drive box, the list of the machine's drives that the drive lists of the
// selection wizard and the Space page are built from. One text per mapped drive in letter
// order: the letter in lower case and a colon; nothing more for a removable drive; for a fixed,
// CD-ROM or RAM drive a blank and the lower-cased volume label in square brackets ("[]" when
// there is none); for a network drive a blank and the lower-cased network connection, or the
// bracketed label when the connection has no name. Drives of other types are not listed.
// The box's current text is that of the drive holding the program's current directory.

#include <string>
#include <vector>

namespace drive_box {

// The text of one drive letter, empty when the drive is not listed.
[[nodiscard]] std::string driveText(char letter);

// Every listed drive, a to z.
[[nodiscard]] std::vector<std::string> driveTexts();

// The drive whose directory is the longest leading part of the current directory (whole folder
// names only); 0 when no drive holds it.
[[nodiscard]] char currentDriveLetter();

// The text of that drive, empty when there is none or it is not listed.
[[nodiscard]] std::string currentText();

} // namespace drive_box
