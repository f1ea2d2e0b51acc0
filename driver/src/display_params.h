// Reading the display parameters from the driver's INI file.
#pragma once

#include "display_window.h"

namespace lumisim {

// The INI file, relative to the process's current directory.
inline constexpr const char *kIniFileName = "Lumisim.ini";
// The most of the INI file that is read; a real one holds a few hundred
// bytes, and whatever lies beyond this is ignored.
inline constexpr size_t kMaxIniBytes = 1 << 20;

// Reads section DisplayParams of the INI file at path, with the driver's
// defaults and read order. Lines may be of any length. Only a regular file
// is read: a missing, empty, unreadable or garbled file, or one that is no
// regular file (a FIFO, a device), gives a 320 x 240 panel, orientation 0, colour mode 2 with resolutions
// 8, 8, 8, placed at (0, 0).
DisplayParams readDisplayParams(const char *path = kIniFileName);

}  // namespace lumisim
