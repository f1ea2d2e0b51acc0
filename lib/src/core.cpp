// The library's own operations: initialisation and binding, the update
// mode, the background colour, versions, single pixels and the clear.
#include <cstring>

#include "DDrv.h"
#include "state.h"
#include "vr_versions.h"

using vr::g_state;

namespace {
constexpr VR_Version kLibraryVersion{VRLIB_VERSION_MAJOR, VRLIB_VERSION_MINOR, VRLIB_VERSION_PATCH};
}  // namespace

extern "C" {

VR_API VR_Status VR_InitVRLib(VR_HardKeyCallback hardKey) {
    // The reset happens whatever the driver answers; the background colour
    // and the current font stay as they were.
    g_state.updateMode = VR_UPDATE_AUTO;
    std::memset(g_state.fonts, 0, sizeof g_state.fonts);
    std::memset(g_state.colourTables, 0, sizeof g_state.colourTables);
    return DDrv_InitDriver(StdGraphicFunctions, hardKey);
}

VR_API VR_Status VR_DeInitVRLib(void) { return DDrv_DeInitDriver(); }

VR_API VR_Status VR_GetUpdateMode(int32_t *mode) {
    if (!mode) return VR_ERR_PARAM;
    *mode = g_state.updateMode;
    return VR_OK;
}

VR_API VR_Status VR_SetUpdateMode(int32_t mode) {
    if (mode >= 2) return VR_ERR_RANGE;
    g_state.updateMode = mode;
    return VR_OK;
}

VR_API VR_Status VR_SetBkColor(VR_Colour colour) {
    g_state.background = colour;
    return VR_OK;
}

VR_API VR_Status VR_GetBkColor(VR_Colour *colour) {
    if (!colour) return VR_ERR_PARAM;
    *colour = g_state.background;
    return VR_OK;
}

VR_API VR_Status VR_GetVersions(VR_Version *library, VR_Version *driver) {
    if (!library || !driver) return VR_ERR_PARAM;
    *library = kLibraryVersion;
    return DDrv_GetVersion(driver);
}

VR_API VR_Status VR_SetPixel(VR_Point point, VR_Colour colour) {
    const bool automatic = vr::automaticUpdate();
    const VR_Status s = DDrv_SetPixel(point, colour);
    if (s == VR_OK && automatic) {
        const VR_Size one{1, 1};
        DDrv_RefreshDisplayArea(&point, &one);
    }
    return s;
}

VR_API VR_Status VR_ClearScreen(void) {
    const bool automatic = vr::automaticUpdate();
    const VR_Status s = DDrv_GraphicFunction(VR_GF_CLEAR, nullptr, &g_state.background);
    if (s == VR_OK && automatic) DDrv_RefreshDisplay();
    return s;
}

}  // extern "C"
