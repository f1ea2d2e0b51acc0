#include "driver_state.h"

#include <type_traits>
#include <utility>

#include "pixel_access.h"

namespace lumisim {

// Constant-initialised and never destroyed (see DriverState::display).
constinit DriverState g_driver;
static_assert(std::is_trivially_destructible_v<DriverState>);

void shutDown(DriverState &d) {
    if (!d.display) return;
    // Input first: a running callback may still draw and refresh while the
    // window is up, and no key reaches the application after this.
    d.display->stopInput();
    // close() returns once the window side has let go of the frame buffer,
    // so the object can be destroyed right after it.
    d.display->close();
    unbindPixels();
    d.hardKey.store(d.display->swapHardKey(nullptr));
    delete std::exchange(d.display, nullptr);
}

}  // namespace lumisim
