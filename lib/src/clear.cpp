// Clear (code 3): fills exactly the active window with one colour, row by
// row, and stops at the first pixel the driver refuses.
#include "render.h"

namespace vr {

VR_Status clearWindow(const VR_Window *win, const void *colour) {
    if (!win || !colour) return VR_ERR_PARAM;
    const VR_Colour c = *static_cast<const VR_Colour *>(colour);

    const ClipRect area = clipOf(*win);
    for (uint32_t y = area.top; y < area.bottom; ++y)
        for (uint32_t x = area.left; x < area.right; ++x)
            if (const VR_Status s = putPixel(uint16_t(x), uint16_t(y), c)) return s;
    return VR_OK;
}

}  // namespace vr
