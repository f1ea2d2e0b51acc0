// Circle (code 2): a one-pixel outline by Bresenham's midpoint method,
// clipped to the active window. It always requests a full refresh.
#include "render.h"

namespace vr {
namespace {

// Sets the points that pass the point-in-window test, keeping the last
// status. Points beyond either end of the coordinate space are skipped,
// never wrapped onto the opposite edge.
struct Plotter {
    ClipRect window;
    VR_Colour colour;
    VR_Status last;

    void operator()(int32_t x, int32_t y) {
        if (!window.contains(uint32_t(x), uint32_t(y))) return;
        last = putPixel(uint16_t(x), uint16_t(y), colour);
    }
};

}  // namespace

VR_Status drawCircle(const VR_Point *pos, const VR_Window *win, const void *params) {
    const auto *r = static_cast<const VR_CircleParams *>(params);
    if (!pos || !win || !r || r->radius == 0) return VR_ERR_PARAM;

    const int32_t cx = pos->x, cy = pos->y, radius = r->radius;
    Plotter plot{clipOf(*win), r->colour, VR_OK};

    plot(cx, cy + radius);
    plot(cx, cy - radius);
    plot(cx + radius, cy);
    plot(cx - radius, cy);

    // Radius 1 is just the four axis points.
    if (radius > 1) {
        int32_t d = 3 - 2 * radius, x = 0, y = radius;
        while (x < y) {
            if (d < 0) {
                d += 4 * x + 6;
            } else {
                d += 4 * (x - y) + 10;
                --y;
            }
            ++x;
            plot(cx + x, cy + y);
            plot(cx - x, cy + y);
            plot(cx + x, cy - y);
            plot(cx - x, cy - y);
            plot(cx + y, cy + x);
            plot(cx - y, cy + x);
            plot(cx + y, cy - x);
            plot(cx - y, cy - x);
        }
    }

    DDrv_RefreshDisplay();
    // The status of the last pixel set (0 when none was).
    return plot.last;
}

}  // namespace vr
