#include "driver_state.h"

#include <type_traits>

#include "pixel_access.h"

namespace lumisim {

// Constant-initialised and never destroyed (see DriverState::display).
constinit DriverState g_driver;
static_assert(std::is_trivially_destructible_v<DriverState>);

void shutDown(DriverState &d) {
    DisplayWindow *display = d.display.exchange(nullptr);
    if (!display) return;
    // Input first: a running callback may still draw and refresh while the
    // window is up, and no key reaches the application after this.
    display->stopInput();
    // close() returns once the window side has let go of the frame buffer,
    // so the object can be destroyed right after it.
    display->close();
    unbindPixels();
    d.hardKey.store(display->swapHardKey(nullptr));
    delete display;
}

}  // namespace lumisim
