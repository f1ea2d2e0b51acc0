// On the board: draws the scene through DDrv_SSD0323 and refreshes the
// whole panel, then paints a change over a larger area but refreshes only
// part of it. After each refresh it says "ready" and waits for a byte from
// the host, which takes a screendump meanwhile (vr_scene_tool oled).
// Last it says "ready keys" and waits for the host to press and release
// the board's up and select keys; they must reach the hard-key callback.
// Status 0; 2 when a drawing step failed, 4 when the keys came wrong.
#include "VRLib.h"
#include "keypad.h"
#include "scene.h"
#include "semihosting.h"

namespace {

struct KeyEvent {
    uint32_t key, pressed;
};
constexpr KeyEvent kExpectedKeys[] = {
    {board::kKeyUp, 1}, {board::kKeyUp, 0}, {board::kKeySelect, 1}, {board::kKeySelect, 0}};
constexpr int kKeyCount = sizeof kExpectedKeys / sizeof kExpectedKeys[0];
KeyEvent g_keys[kKeyCount];
volatile int g_keyCount = 0;

// The hard-key callback; runs in the keypad's interrupt.
void recordKey(uint32_t key, uint32_t pressed) {
    if (g_keyCount < kKeyCount) g_keys[g_keyCount] = KeyEvent{key, pressed};
    g_keyCount = g_keyCount + 1;
}

int fail(const char *what) {
    board::write("oled: ");
    board::write(what);
    board::write(" failed\n");
    return 2;
}

}  // namespace

int main() {
    if (VR_InitVRLib(recordKey) != VR_OK) return fail("VR_InitVRLib");
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

    board::write("ready keys\n");
    while (g_keyCount < kKeyCount) asm volatile("wfi");
    bool keysRight = g_keyCount == kKeyCount;
    board::write("keys:");
    for (int i = 0; i < kKeyCount; ++i) {
        board::write(" ");
        board::writeHex(g_keys[i].key << 4 | g_keys[i].pressed);
        keysRight = keysRight && g_keys[i].key == kExpectedKeys[i].key &&
                    g_keys[i].pressed == kExpectedKeys[i].pressed;
    }
    board::write(keysRight ? " (key << 4 | pressed)\n"
                           : " (key << 4 | pressed): not up and select, down and up\n");
    VR_DeInitVRLib();
    return keysRight ? 0 : 4;
}
