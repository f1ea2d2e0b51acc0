// Line (code 1): Bresenham from the start point to the end point. Lines
// are not clipped to the active window (only the driver's bounds apply)
// and request no refresh.
#include <algorithm>
#include <cstdlib>

#include "render.h"

namespace vr {

VR_Status drawLine(const VR_Point *, const VR_Window *win, const void *params) {
    const auto *r = static_cast<const VR_LineParams *>(params);
    if (!r || !win) return VR_ERR_PARAM;
    const VR_Colour c = r->colour;

    // Differences in 32 bits: every line of the 16-bit coordinate space
    // is drawn correctly, however long.
    const int32_t x0 = r->x0, y0 = r->y0, x1 = r->x1, y1 = r->y1;
    int32_t dx = x1 - x0, dy = y1 - y0;

    // Straight runs go in rising order whichever end comes first; the
    // counter is wider than a coordinate so a run ending at 65535 stops.
    if (dx == 0) {
        const uint32_t last = uint32_t(std::max(y0, y1));
        for (uint32_t y = uint32_t(std::min(y0, y1)); y <= last; ++y) putPixel(uint16_t(x0), uint16_t(y), c);
        return VR_OK;
    }
    if (dy == 0) {
        const uint32_t last = uint32_t(std::max(x0, x1));
        for (uint32_t x = uint32_t(std::min(x0, x1)); x <= last; ++x) putPixel(uint16_t(x), uint16_t(y0), c);
        return VR_OK;
    }

    const int32_t sx = dx > 0 ? 1 : -1, sy = dy > 0 ? 1 : -1;
    dx = std::abs(dx);
    dy = std::abs(dy);
    const int32_t dx2 = 2 * dx, dy2 = 2 * dy;
    int32_t x = x0, y = y0;
    // On e == 0 the minor coordinate steps; equal extents take the x-major
    // branch and give a clean diagonal.
    if (dx >= dy) {
        int32_t e = dy2 - dx;
        while (x != x1) {
            putPixel(uint16_t(x), uint16_t(y), c);
            x += sx;
            if (e < 0) {
                e += dy2;
            } else {
                e += dy2 - dx2;
                y += sy;
            }
        }
    } else {
        int32_t e = dx2 - dy;
        while (y != y1) {
            putPixel(uint16_t(x), uint16_t(y), c);
            y += sy;
            if (e < 0) {
                e += dx2;
            } else {
                e += dx2 - dy2;
                x += sx;
            }
        }
    }
    putPixel(uint16_t(x), uint16_t(y), c);
    return VR_OK;
}

}  // namespace vr
