#pragma once
// Whether a desktop is there to show the window on. Qt aborts with a toolkit
// error when it cannot reach one; the game says so in one line instead.

#include <string>

// Empty when the platform Qt will use can open a window; otherwise one line,
// in Spanish, that says why not.
std::string MissingDisplayReason();
