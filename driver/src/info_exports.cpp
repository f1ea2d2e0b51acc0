// The panel's description and the controls this simulated panel does not
// have: fixed answers that work in every driver state.
#include "DDrv.h"
#include "driver_state.h"
#include "vr_versions.h"

extern "C" DDRV_API VR_Status DDrv_SetBL(uint32_t) { return VR_ERR_DRIVER_UNSUPPORTED; }

// Byte 0 stays as the caller set it; bytes 1 to 3 read 0.
extern "C" DDRV_API VR_Status DDrv_GetBL(uint32_t *backlight) {
    if (backlight == nullptr) return VR_ERR_DRIVER;
    auto *bytes = reinterpret_cast<unsigned char *>(backlight);
    bytes[1] = bytes[2] = bytes[3] = 0;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    if (info == nullptr) return VR_ERR_DRIVER;
    *info = lumisim::g_driver.params.info;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetVersion(VR_Version *version) {
    if (version == nullptr) return VR_ERR_DRIVER;
    *version = VR_Version{DDRV_LUMISIM_VERSION_MAJOR, DDRV_LUMISIM_VERSION_MINOR, DDRV_LUMISIM_VERSION_PATCH};
    return VR_OK;
}

// Orientation comes from the INI file only; contrast and brightness are
// not adjustable. All three accept anything.
extern "C" DDRV_API VR_Status DDrv_SetOrientation(int32_t) { return VR_OK; }
extern "C" DDRV_API VR_Status DDrv_SetDisplayContrast(uint32_t) { return VR_OK; }
extern "C" DDRV_API VR_Status DDrv_SetDisplayBrightness(uint32_t) { return VR_OK; }

extern "C" DDRV_API VR_Status DDrv_GetDisplayContrast(uint8_t *contrast) {
    if (contrast == nullptr) return VR_ERR_DRIVER;
    *contrast = 0;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetDisplayBrightness(uint8_t *brightness) {
    if (brightness == nullptr) return VR_ERR_DRIVER;
    *brightness = 0;
    return VR_OK;
}
