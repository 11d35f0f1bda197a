#pragma once
// What the file-type dialogs and the selection wizard share: a fixed-size frame with only a
// system menu and a close box, centred on the screen when it is shown (not on its opener), the
// shadowed blue serif headings, and the crossing between the core's byte texts and the widgets'
// QString.

#include <QString>

#include <string>
#include <string_view>

class EffectLabel;
class QDialog;

[[nodiscard]] QString toText(std::string_view bytes);
[[nodiscard]] std::string toBytes(const QString& text);

void makeFixedDialog(QDialog& dialog);
// Call from showEvent, after the layout has given the dialog its size.
void centreOnScreen(QDialog& dialog);

// Blue 23-pixel Times New Roman with a grey drop shadow.
void makeHeading(EffectLabel& label);
