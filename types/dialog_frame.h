#pragma once
// The frame both file-type dialogs share: a fixed-size dialog with only a system menu and a
// close box, centred on the screen when it is shown (not on its opener).

class QDialog;

void makeFixedDialog(QDialog& dialog);
// Call from showEvent, after the layout has given the dialog its size.
void centreOnScreen(QDialog& dialog);
