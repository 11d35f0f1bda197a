#pragma once
// Message boxes and the warning beep, behind hooks. The platform layer cannot show a window
// (it links QtCore only), so by default it writes the message to stderr; the program installs
// hooks that show real QMessageBox dialogs, and tests install hooks that record what would
// have been shown.

#include <functional>
#include <string>

namespace platform {

enum class MessageKind { Error, Information, Confirmation };
enum class MessageResult { Ok, Yes, No, Cancel };

// Error and Information boxes have one OK button; Confirmation has Yes, No and Cancel.
using MessageHook = std::function<MessageResult(MessageKind kind, const std::string& title,
                                                const std::string& text)>;
using BeepHook = std::function<void()>;

MessageResult showMessageBox(MessageKind kind, const std::string& title, const std::string& text);
void messageBeep();

// An empty function restores the default.
void setMessageHook(MessageHook hook);
void setBeepHook(BeepHook hook);

} // namespace platform
