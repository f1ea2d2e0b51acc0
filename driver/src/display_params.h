// Reading the display parameters from the driver's INI file.
#pragma once

#include "display_window.h"
#include "ini_file.h"

namespace lumisim {

// Reads section DisplayParams of the INI file at path, with the driver's
// defaults and read order. Lines may be of any length. Only a regular file
// is read: a missing, empty, unreadable or garbled file, or one that is no
// regular file (a FIFO, a device), gives a 320 x 240 panel, orientation 0, colour mode 2 with resolutions
// 8, 8, 8, placed at (0, 0).
DisplayParams readDisplayParams(const char *path = kIniFileName);

}  // namespace lumisim
