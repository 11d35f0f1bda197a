#pragma once
// The program's real message boxes: installs the platform hooks so that the shared message
// routines show QMessageBox dialogs (error: critical icon and OK; information: information icon
// and OK; confirmation: Yes, No and Cancel) and beep through the desktop. Tests leave these
// hooks alone and install recording ones instead.

void installMessageBoxes();
