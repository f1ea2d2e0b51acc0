#include "floor.h"

#include <cstring>
#include <vector>

namespace {
uint16_t g_w, g_h;
std::vector<uint32_t> g_fb;
}  // namespace

extern "C" {

void floor_init(uint16_t w, uint16_t h) {
    g_w = w;
    g_h = h;
    g_fb.assign(size_t(w) * h, 0);
}

VR_Status floor_set_pixel(VR_Point p, VR_Colour c) {
    if (p.x >= g_w || p.y >= g_h) return VR_ERR_DRIVER;
    std::memcpy(&g_fb[size_t(p.y) * g_w + p.x], &c, 4);
    return VR_OK;
}

VR_Status floor_get_pixel(VR_Point p, VR_Colour *c) {
    if (!c || p.x >= g_w || p.y >= g_h) return VR_ERR_DRIVER;
    std::memcpy(c, &g_fb[size_t(p.y) * g_w + p.x], 4);
    return VR_OK;
}
}
