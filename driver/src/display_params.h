// Reading the display parameters from the driver's INI file.
#pragma once

#include "display_window.h"

namespace lumisim {

// The INI file, relative to the process's current directory.
inline constexpr const char *kIniFileName = "Lumisim.ini";

// Reads section DisplayParams of the INI file at path, with the driver's
// defaults and read order: a missing, empty, unreadable or garbled file
// gives a 320 x 240 panel, orientation 0, colour mode 2 with resolutions
// 8, 8, 8, placed at (0, 0).
DisplayParams readDisplayParams(const char *path = kIniFileName);

}  // namespace lumisim
