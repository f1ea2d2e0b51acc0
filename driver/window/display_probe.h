// Decides, without touching Qt, whether the window system can be reached:
// Qt aborts the process when its platform cannot start, so the driver asks
// first and stays headless otherwise.
#pragma once

#include <string>

namespace lumisim {

// The Qt platform to run the window on: the user's QT_QPA_PLATFORM if set,
// else "xcb" (the X11 platform also serves Wayland desktops via XWayland).
std::string windowPlatform();

// True when windowPlatform() can start: "offscreen" always; "xcb" when an X
// server accepts a connection on DISPLAY; any other platform when DISPLAY
// or WAYLAND_DISPLAY is set.
bool displayReachable();

}  // namespace lumisim
