// Internals shared by the renderer's primitives: the point-in-window test,
// the one-call-per-pixel path to the driver, and the handler of each
// graphic-function code.
#pragma once

#include <cstdint>

#include "DDrv.h"
#include "VRLib.h"

namespace vr {

// The point-in-window test; sums in 32 bits so a window reaching 65535
// does not wrap.
inline bool inWindow(const VR_Window &w, uint32_t x, uint32_t y) {
    return x >= w.x && y >= w.y && x < uint32_t(w.x) + w.width && y < uint32_t(w.y) + w.height;
}

// One driver call per pixel, by design.
inline VR_Status putPixel(uint16_t x, uint16_t y, VR_Colour c) { return DDrv_SetPixel(VR_Point{x, y}, c); }

// Handlers of the graphic-function codes; each takes (position, window,
// parameters) as StdGraphicFunctions received them.
VR_Status drawRect(const VR_Point *pos, const VR_Window *win, const void *params);         // 0
VR_Status drawLine(const VR_Point *pos, const VR_Window *win, const void *params);         // 1
VR_Status drawCircle(const VR_Point *pos, const VR_Window *win, const void *params);       // 2
VR_Status clearWindow(const VR_Window *win, const void *colour);                           // 3
VR_Status drawSymbol(const VR_Point *pos, const VR_Window *win, const void *params);       // 4
VR_Status drawBitmap(const VR_Point *pos, const VR_Window *win, const void *params);       // 5
VR_Status drawGimp(const VR_Point *pos, const VR_Window *win, const void *params);         // 6
VR_Status drawString(const VR_Point *pos, const VR_Window *win, void *params);             // 7
VR_Status drawStringSized(const VR_Point *pos, const VR_Window *win, const void *params);  // 8
VR_Status drawProgressBar(const VR_Point *pos, const VR_Window *win, const void *params);  // 9
VR_Status drawTextBox(const VR_Point *pos, const VR_Window *win, const void *params);      // 10

}  // namespace vr
