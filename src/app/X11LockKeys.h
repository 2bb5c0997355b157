#pragma once

#include <optional>

// The state of a keyboard lock indicator ("Caps Lock", "Num Lock", "Scroll Lock") as the X server
// reports it; nothing when the program does not run on X11 or the server cannot tell. Kept apart
// from the rest of the program because the X11 headers define macros that clash with Qt's names.
std::optional<bool> x11LockIndicator(const char* name);
