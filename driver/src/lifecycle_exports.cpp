// Binding and unbinding the display: DDrv_InitDriver, DDrv_DeInitDriver,
// the two refreshes and the hard-key callback.
#include <cstdio>
#include <cstdlib>

#include "DDrv.h"
#include "display_params.h"
#include "driver_state.h"
#include "pixel_access.h"
#include "scenario.h"

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

// The scenario named by LUMISIM_INPUT, read anew by every initialisation;
// no steps when the variable is unset or empty.
lumisim::Scenario inputScenario() {
    const char *path = std::getenv("LUMISIM_INPUT");
    if (path == nullptr || *path == '\0') return {};
    return lumisim::loadScenario(path);
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
    // A scenario that cannot be replayed fails loudly before any window
    // opens: a test with a typo must not pass by testing nothing.
    lumisim::Scenario scenario = inputScenario();
    if (!scenario.error.empty()) {
        std::fprintf(stderr, "DDrv_Lumisim: %s\n", scenario.error.c_str());
        return VR_ERR_DRIVER;
    }
    if (!bringUp(d, hardKey)) return VR_ERR_DRIVER;
    if (!scenario.steps.empty()) d.display->play(std::move(scenario.steps));
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_DeInitDriver(void) {
    lumisim::shutDown(g_driver);
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_RefreshDisplay(void) {
    if (lumisim::DisplayWindow *display = g_driver.display) {
        display->refresh();
        display->refreshed();
    }
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
