#pragma once
// Opening an address (the maker's web page) with the desktop's own handler, the user's browser.
// The call goes through a replaceable hook so that tests can record it and make it fail without
// starting a browser.

#include <functional>
#include <string>

// Answers false when the address could not be opened.
using ShellOpenHook = std::function<bool(const std::string& address)>;

[[nodiscard]] bool shellOpen(const std::string& address);

// An empty function restores the desktop's handler.
void setShellOpenHook(ShellOpenHook hook);
