// The driver's state, one instance per loaded driver. Everything but the
// display object, the hard-key callback and the start flags is plain data
// of the caller's thread: the library's callers serialise their calls. The
// one call allowed from another thread is DDrv_DeInitDriver while
// DDrv_InitDriver waits for its window: it makes that start give up.
#pragma once

#include <atomic>

#include "display_window.h"

namespace lumisim {

struct DriverState {
    DDrv_GraphicCallback graphic = nullptr;  // kept through a shutdown
    VR_Window activeWindow{};                // kept through a shutdown
    DisplayParams params{};                  // read anew by every initialisation
    // Null while unbound. Owned, but deliberately a plain pointer: the state
    // has no destructor, so a process that exits while bound never destroys
    // the display object after the window side's own exit handling. Atomic
    // because a shutdown from another thread may look at it while a start
    // is under way.
    std::atomic<DisplayWindow *> display{nullptr};
    // True while DDrv_InitDriver runs; a DDrv_DeInitDriver meanwhile sets
    // startCancelled instead of shutting down.
    std::atomic<bool> starting{false};
    std::atomic<bool> startCancelled{false};
    // The hard-key callback while there is no display object; the display
    // object holds it while it exists and hands it back on shutdown.
    std::atomic<DDrv_HardKeyCallback> hardKey{nullptr};
};

extern DriverState g_driver;

// Closes the window (synchronously), takes the hard-key callback back and
// destroys the display object; nothing happens while unbound.
void shutDown(DriverState &d);

}  // namespace lumisim
