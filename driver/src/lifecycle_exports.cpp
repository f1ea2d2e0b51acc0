// Binding and unbinding the display: DDrv_InitDriver, DDrv_DeInitDriver,
// the two refreshes and the hard-key callback.
#include "DDrv.h"
#include "display_params.h"
#include "driver_state.h"
#include "pixel_access.h"

using lumisim::g_driver;

namespace {

// Brings a new window up for the parameters just read; false when it
// cannot come up.
bool bringUp(lumisim::DriverState &d, DDrv_HardKeyCallback hardKey) {
    try {
        auto window = lumisim::createDisplayWindow();
        if (!window || !window->start(d.params, hardKey)) return false;
        lumisim::bindPixels(window->frameBuffer(), d.params.info.xSize, d.params.info.ySize);
        d.display = window.release();
        return true;
    } catch (...) {
        // Out of memory or a window side that threw: nothing is bound.
        return false;
    }
}

}  // namespace

extern "C" DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    auto &d = g_driver;
    // A second initialisation replaces the running window, never leaks it.
    lumisim::shutDown(d);
    d.graphic = graphic;
    d.params = lumisim::readDisplayParams();
    if (graphic == nullptr || hardKey == nullptr) return VR_ERR_DRIVER;

    const VR_DisplayInfo &info = d.params.info;
    d.activeWindow = VR_Window{0, 0, info.displayWidth, info.displayHeight};
    d.hardKey.store(hardKey);
    return bringUp(d, hardKey) ? VR_OK : VR_ERR_DRIVER;
}

extern "C" DDRV_API VR_Status DDrv_DeInitDriver(void) {
    lumisim::shutDown(g_driver);
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_RefreshDisplay(void) {
    if (g_driver.display) g_driver.display->refresh();
    return VR_OK;
}

// The whole panel is always shown; the area is not read.
extern "C" DDRV_API VR_Status DDrv_RefreshDisplayArea(const VR_Point *, const VR_Size *) {
    return DDrv_RefreshDisplay();
}

extern "C" DDRV_API DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback hardKey) {
    if (g_driver.display) return g_driver.display->swapHardKey(hardKey);
    return g_driver.hardKey.exchange(hardKey);
}
