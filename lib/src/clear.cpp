// Clear (code 3): fills exactly the active window with one colour, row by
// row, and stops at the first pixel the driver refuses.
#include <algorithm>

#include "render.h"

namespace vr {

VR_Status clearWindow(const VR_Window *win, const void *colour) {
    if (!win || !colour) return VR_ERR_PARAM;
    const VR_Colour c = *static_cast<const VR_Colour *>(colour);

    // Bounds in 32 bits: a window reaching 65535 ends there, without wrap.
    constexpr uint32_t kCoordLimit = 0x10000;
    const uint32_t x0 = win->x, y0 = win->y;
    const uint32_t xEnd = std::min(x0 + win->width, kCoordLimit);
    const uint32_t yEnd = std::min(y0 + win->height, kCoordLimit);
    for (uint32_t y = y0; y < yEnd; ++y)
        for (uint32_t x = x0; x < xEnd; ++x)
            if (const VR_Status s = putPixel(uint16_t(x), uint16_t(y), c)) return s;
    return VR_OK;
}

}  // namespace vr
