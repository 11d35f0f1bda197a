#pragma once
// What a piece of a test shows the user: the body's own text followed by every message box it
// would have shown, one line each. Meant for a child of textFromBoundedChild, whose hook dies
// with it.

#include "platform/message_hook.h"

#include <string>

namespace tally_test {

template <typename Body> std::string textAndMessages(Body&& body) {
    std::string messages;
    platform::setMessageHook(
        [&messages](platform::MessageKind, const std::string&, const std::string& text) {
            messages += text + "\n";
            return platform::MessageResult::Ok;
        });
    std::string text = body();
    platform::setMessageHook({});
    return text + messages;
}

} // namespace tally_test
