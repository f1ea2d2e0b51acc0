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
        if (!window || !window->start(d.params, hardKey, d.startCancelled)) return false;
        lumisim::bindPixels(window->frameBuffer(), d.params.info.xSize, d.params.info.ySize);
        d.display.store(window.release());
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

// Marks a DDrv_InitDriver under way for its whole run.
class Starting {
  public:
    explicit Starting(lumisim::DriverState &d) : d_(d) {
        d_.startCancelled.store(false);
        d_.starting.store(true);
    }
    ~Starting() { d_.starting.store(false); }
    Starting(const Starting &) = delete;
    Starting &operator=(const Starting &) = delete;

  private:
    lumisim::DriverState &d_;
};

}  // namespace

extern "C" DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    auto &d = g_driver;
    const Starting starting(d);
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
    if (!scenario.steps.empty()) d.display.load()->play(std::move(scenario.steps));
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_DeInitDriver(void) {
    // From another thread while a start waits for its window (a program
    // asked to end during its start-up): that start gives up with 258, and
    // its message box goes away. The caller shuts down once it has returned.
    if (g_driver.starting.load()) {
        g_driver.startCancelled.store(true);
        return VR_OK;
    }
    lumisim::shutDown(g_driver);
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_RefreshDisplay(void) {
    if (lumisim::DisplayWindow *display = g_driver.display.load()) {
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
    if (auto *display = g_driver.display.load()) return display->swapHardKey(hardKey);
    return g_driver.hardKey.exchange(hardKey);
}
