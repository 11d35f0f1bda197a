#pragma once
// Opening an address (the maker's web page) with the desktop's own handler, the user's browser.
// The desktop's handler is xdg-open, run here and watched: it ends with a non-zero status when
// no browser could be started, which a launch through QDesktopServices would not tell (that
// only says whether xdg-open itself started). xdg-open may also keep running in the foreground
// for as long as a browser it has just started; still running after a short wait counts as
// opened, and it is left to run. While waiting the windows keep painting but take no input.
// The call goes through a replaceable hook so that tests can record it and make it fail without
// starting a browser.

#include <functional>
#include <string>

// Answers false when the address could not be opened.
using ShellOpenHook = std::function<bool(const std::string& address)>;

[[nodiscard]] bool shellOpen(const std::string& address);

// An empty function restores the desktop's handler.
void setShellOpenHook(ShellOpenHook hook);
