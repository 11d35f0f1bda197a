#include "platform/message_hook.h"

#include <iostream>

namespace platform {

namespace {

MessageHook& messageHook() {
    static MessageHook hook;
    return hook;
}

BeepHook& beepHook() {
    static BeepHook hook;
    return hook;
}

} // namespace

MessageResult showMessageBox(MessageKind kind, const std::string& title, const std::string& text) {
    if (messageHook())
        return messageHook()(kind, title, text);
    std::cerr << title << ": " << text << std::endl;
    return kind == MessageKind::Confirmation ? MessageResult::No : MessageResult::Ok;
}

void messageBeep() {
    if (beepHook())
        beepHook()();
}

void setMessageHook(MessageHook hook) {
    messageHook() = std::move(hook);
}

void setBeepHook(BeepHook hook) {
    beepHook() = std::move(hook);
}

} // namespace platform
