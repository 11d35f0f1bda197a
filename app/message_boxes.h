#pragma once
// The program's real message boxes: installs the platform's message and beep hooks so that
// showError, showInfo and every confirmation appear as modal QMessageBox dialogs over the active
// window, and the warning beep is the desktop's. Tests never install these; they record instead.

// Call once, after the QApplication exists.
void installMessageBoxes();
