// The RAM-only driver: the 19 functions over a static frame buffer. No
// allocation, so it runs unchanged on the microcontroller.
#include "memory_driver.h"

#include <cstring>
#include <initializer_list>

#include "DDrv.h"
#include "ssd0323_grey.h"

namespace vr::memdrv {
namespace {

VR_Colour g_frame[kWidth * kHeight];
Mode g_mode = Mode::Colour;
DDrv_GraphicCallback g_graphic = nullptr;
DDrv_HardKeyCallback g_hardKey = nullptr;
VR_Window g_window{0, 0, kWidth, kHeight};

bool inside(VR_Point p) { return p.x < kWidth && p.y < kHeight; }

}  // namespace

void setMode(Mode mode) { g_mode = mode; }

const VR_Colour *frame() { return g_frame; }

uint32_t checksum() {
    uint32_t h = 2166136261u;
    for (const VR_Colour &c : g_frame)
        for (uint8_t b : {c.reserved, c.red, c.green, c.blue}) h = (h ^ b) * 16777619u;
    return h;
}

}  // namespace vr::memdrv

using namespace vr::memdrv;

extern "C" {

VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    g_graphic = graphic;
    if (!graphic || !hardKey) return VR_ERR_DRIVER;
    g_hardKey = hardKey;
    g_window = VR_Window{0, 0, kWidth, kHeight};
    std::memset(g_frame, 0, sizeof g_frame);
    return VR_OK;
}

VR_Status DDrv_DeInitDriver(void) { return VR_OK; }

VR_Status DDrv_SetPixel(VR_Point point, VR_Colour colour) {
    if (!inside(point)) return VR_ERR_DRIVER;
    g_frame[point.y * kWidth + point.x] =
        g_mode == Mode::Grey ? DDrv_SSD0323_GreyColour(DDrv_SSD0323_GreyLevel(colour)) : colour;
    return VR_OK;
}

VR_Status DDrv_GetPixel(VR_Point point, VR_Colour *colour) {
    if (!colour || !inside(point)) return VR_ERR_DRIVER;
    *colour = g_frame[point.y * kWidth + point.x];
    return VR_OK;
}

VR_Status DDrv_SetBL(uint32_t) { return VR_ERR_DRIVER_UNSUPPORTED; }

VR_Status DDrv_GetBL(uint32_t *backlight) {
    if (!backlight) return VR_ERR_DRIVER;
    *backlight &= 0xFF;
    return VR_OK;
}

VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    if (!info) return VR_ERR_DRIVER;
    *info = VR_DisplayInfo{kWidth, kHeight, kWidth, kHeight, 8, 8, 8, 0, 0, 2};
    return VR_OK;
}

VR_Status DDrv_SetOrientation(int32_t) { return VR_OK; }

VR_Status DDrv_GetVersion(VR_Version *version) {
    if (!version) return VR_ERR_DRIVER;
    *version = VR_Version{1, 0, 0};
    return VR_OK;
}

VR_Status DDrv_RefreshDisplay(void) { return VR_OK; }

VR_Status DDrv_RefreshDisplayArea(const VR_Point *, const VR_Size *) { return VR_OK; }

VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params) {
    if (!g_graphic) return VR_ERR_NO_CALLBACK;
    return g_graphic(code, position, &g_window, params);
}

VR_Status DDrv_SetDisplayContrast(uint32_t) { return VR_OK; }

VR_Status DDrv_GetDisplayContrast(uint8_t *contrast) {
    if (!contrast) return VR_ERR_DRIVER;
    *contrast = 0;
    return VR_OK;
}

VR_Status DDrv_SetDisplayBrightness(uint32_t) { return VR_OK; }

VR_Status DDrv_GetDisplayBrightness(uint8_t *brightness) {
    if (!brightness) return VR_ERR_DRIVER;
    *brightness = 0;
    return VR_OK;
}

DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback hardKey) {
    const DDrv_HardKeyCallback before = g_hardKey;
    g_hardKey = hardKey;
    return before;
}

VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    if (!origin || !size) return VR_ERR_DRIVER;
    g_window = VR_Window{origin->x, origin->y, size->width, size->height};
    return VR_OK;
}

VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    if (!origin || !size) return VR_ERR_DRIVER;
    *origin = VR_Point{g_window.x, g_window.y};
    *size = VR_Size{g_window.width, g_window.height};
    return VR_OK;
}

}  // extern "C"
