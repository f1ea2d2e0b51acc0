// On the board: draws the scene through DDrv_SSD0323 and refreshes the
// whole panel, then paints a change over a larger area but refreshes only
// part of it. After each refresh it says "ready" and waits for a byte from
// the host, which takes a screendump meanwhile (vr_scene_tool oled).
// Status 0, or 2 when a drawing step failed.
#include "VRLib.h"
#include "scene.h"
#include "semihosting.h"

namespace {

void ignoreKey(uint32_t, uint32_t) {}

int fail(const char *what) {
    board::write("oled: ");
    board::write(what);
    board::write(" failed\n");
    return 2;
}

}  // namespace

int main() {
    if (VR_InitVRLib(ignoreKey) != VR_OK) return fail("VR_InitVRLib");
    VR_DisplayInfo info;
    if (VR_GetDisplayInfo(&info) != VR_OK || info.xSize != 128 || info.ySize != 64 || info.crRed != 4)
        return fail("display info");
    const char *failed = "";
    if (vr::scene::draw(&failed) != VR_OK) return fail(failed);
    if (VR_RefreshDisplay() != VR_OK) return fail("VR_RefreshDisplay");
    board::write("ready full\n");
    board::readByte();

    // Contrast and brightness go to the controller as commands between two
    // pictures; a command of the wrong length would garble what follows.
    uint8_t contrast = 0, brightness = 0;
    if (VR_SetDisplayContrast(200) != VR_OK || VR_SetDisplayBrightness(100) != VR_OK ||
        VR_GetDisplayContrast(&contrast) != VR_OK || VR_GetDisplayBrightness(&brightness) != VR_OK ||
        contrast != 200 || brightness != 100)
        return fail("contrast and brightness");

    if (vr::scene::drawChange() != VR_OK) return fail("the change");
    const VR_Point at{vr::scene::kRefreshArea.x, vr::scene::kRefreshArea.y};
    const VR_Size size{vr::scene::kRefreshArea.width, vr::scene::kRefreshArea.height};
    if (VR_RefreshDisplayArea(&at, &size) != VR_OK) return fail("VR_RefreshDisplayArea");
    board::write("ready partial\n");
    board::readByte();
    VR_DeInitVRLib();
    return 0;
}
