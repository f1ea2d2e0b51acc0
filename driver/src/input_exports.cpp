// The simulator's own export beside the driver interface: key injection
// for tests of an application's key handling.
#include "DDrv_Lumisim.h"
#include "driver_state.h"

extern "C" DDRV_API VR_Status DDrv_InjectHardKey(uint32_t key, uint32_t pressed) {
    lumisim::DisplayWindow *display = lumisim::g_driver.display.load();
    if (display == nullptr || pressed > 1) return VR_ERR_DRIVER;
    const auto posted = display->keys().post(key, pressed == 1);
    return posted == lumisim::KeyDelivery::Posted::Queued ? VR_OK : VR_ERR_DRIVER;
}
