// The way back into the library's renderer, and the active window it
// draws into.
#include "DDrv.h"
#include "driver_state.h"

using lumisim::g_driver;

extern "C" DDRV_API VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params) {
    const DDrv_GraphicCallback graphic = g_driver.graphic;
    if (graphic == nullptr) return VR_ERR_NO_CALLBACK;
    const VR_Status status = graphic(code, position, &g_driver.activeWindow, params);
    // Checked after the call: the callback may have unbound the driver.
    if (auto *display = g_driver.display.load(std::memory_order_relaxed)) display->invalidate();
    return status;
}

// Not compared with the display size: clipping is the renderer's work.
extern "C" DDRV_API VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    if (origin == nullptr || size == nullptr) return VR_ERR_DRIVER;
    g_driver.activeWindow = VR_Window{origin->x, origin->y, size->width, size->height};
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    if (origin == nullptr || size == nullptr) return VR_ERR_DRIVER;
    const VR_Window &w = g_driver.activeWindow;
    *origin = VR_Point{w.x, w.y};
    *size = VR_Size{w.width, w.height};
    return VR_OK;
}
