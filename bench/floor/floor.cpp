// Shaped exactly like the driver's pixel access (32-bit bounds, a plain
// frame-buffer pointer), so the floor differs from it only by the work the
// library adds around each call.
#include "floor.h"

#include <cstring>
#include <memory>

namespace {
uint32_t g_w = 0, g_h = 0;
std::unique_ptr<uint32_t[]> g_storage;
uint32_t *g_fb = nullptr;
}  // namespace

extern "C" {

void floor_init(uint16_t w, uint16_t h) {
    g_storage.reset(new uint32_t[size_t(w) * h]());
    g_fb = g_storage.get();
    g_w = w;
    g_h = h;
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
