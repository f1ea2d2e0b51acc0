// Display controls that the library hands straight to the driver; the
// driver's status comes back unchanged.
#include "DDrv.h"
#include "VRLib.h"

extern "C" {

VR_API VR_Status VR_GetPixel(VR_Point point, VR_Colour *colour) { return DDrv_GetPixel(point, colour); }

VR_API VR_Status VR_SetBL(uint32_t backlight) { return DDrv_SetBL(backlight); }

VR_API VR_Status VR_GetBL(uint32_t *backlight) {
    if (!backlight) return VR_ERR_PARAM;
    return DDrv_GetBL(backlight);
}

VR_API VR_Status VR_GetDisplayInfo(VR_DisplayInfo *info) { return DDrv_GetDisplayInfo(info); }

VR_API VR_Status VR_SetOrientation(int32_t orientation) { return DDrv_SetOrientation(orientation); }

VR_API VR_Status VR_RefreshDisplay(void) { return DDrv_RefreshDisplay(); }

VR_API VR_Status VR_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size) {
    return DDrv_RefreshDisplayArea(origin, size);
}

// Contrast and brightness travel as 32-bit values with only the low byte set.
VR_API VR_Status VR_SetDisplayContrast(uint8_t contrast) {
    return DDrv_SetDisplayContrast(uint32_t{contrast});
}

VR_API VR_Status VR_GetDisplayContrast(uint8_t *contrast) { return DDrv_GetDisplayContrast(contrast); }

VR_API VR_Status VR_SetDisplayBrightness(uint8_t brightness) {
    return DDrv_SetDisplayBrightness(uint32_t{brightness});
}

VR_API VR_Status VR_GetDisplayBrightness(uint8_t *brightness) {
    return DDrv_GetDisplayBrightness(brightness);
}

VR_API VR_HardKeyCallback VR_SetHardKeyCallback(VR_HardKeyCallback hardKey) {
    return DDrv_SetHardKeyCallback(hardKey);
}

VR_API VR_Status VR_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    return DDrv_SetActiveWindow(origin, size);
}

VR_API VR_Status VR_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    return DDrv_GetActiveWindow(origin, size);
}

}  // extern "C"
