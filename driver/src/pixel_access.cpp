// DDrv_SetPixel and DDrv_GetPixel: one bounds test and one word access.
// While unbound the bounds are 0 x 0, so the same test rejects every point
// and the null frame buffer is never touched.
#include "pixel_access.h"

#include <cstring>

#include "DDrv.h"

namespace lumisim {
namespace {

uint32_t *g_pixels = nullptr;
uint32_t g_width = 0;
uint32_t g_height = 0;

}  // namespace

void bindPixels(uint32_t *frameBuffer, uint16_t width, uint16_t height) {
    g_pixels = frameBuffer;
    g_width = width;
    g_height = height;
}

void unbindPixels() { bindPixels(nullptr, 0, 0); }

}  // namespace lumisim

using lumisim::g_height;
using lumisim::g_pixels;
using lumisim::g_width;

extern "C" DDRV_API VR_Status DDrv_SetPixel(VR_Point point, VR_Colour colour) {
    if (point.x >= g_width || point.y >= g_height) return VR_ERR_DRIVER;
    std::memcpy(&g_pixels[size_t(point.y) * g_width + point.x], &colour, sizeof colour);
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetPixel(VR_Point point, VR_Colour *colour) {
    if (colour == nullptr || point.x >= g_width || point.y >= g_height) return VR_ERR_DRIVER;
    std::memcpy(colour, &g_pixels[size_t(point.y) * g_width + point.x], sizeof *colour);
    return VR_OK;
}
