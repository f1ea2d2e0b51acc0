#include <cstdio>

#include "assets.h"
#include "colour_tables.h"
#include "display.h"

namespace demoria {

namespace {

// The simulating driver never reports keys; the demo has no use for them.
void ignoreHardKey(uint32_t, uint32_t) {}

// In registration order: the library hands out ids 1 to 10 in this order.
const VR_Font *const kFonts[10] = {Demoria_Font1, Demoria_Font2, Demoria_Font3, Demoria_Font4,
                                   Demoria_Font5, Demoria_Font6, Demoria_Font7, Demoria_Font8,
                                   Demoria_Font9, Demoria_Font10};

}  // namespace

void startLibrary(DisplayState &s) {
    s.currentGroup = 0;
    // Statuses are not looked at: without a driver the show draws nothing
    // but runs and ends normally.
    VR_InitVRLib(ignoreHardKey);
    uint16_t firstFont = 0;
    for (const VR_Font *font : kFonts) {
        uint16_t id = VR_RegisterFont(font);
        if (font == kFonts[0]) firstFont = id;
    }
    VR_RegisterColourTable(&kWhiteOnBlack);
    VR_RegisterColourTable(&kBlackOnWhite);

    VR_Version library = {}, driver = {};
    VR_GetVersions(&library, &driver);
    std::printf("Vantrel-Version: V%02i.%02i.%02i\n", library.major, library.minor, library.patch);
    std::printf("Treiber-Version:    V%02i.%02i.%02i\n", driver.major, driver.minor, driver.patch);
    // Seen at once also when stdout is a pipe or a file.
    std::fflush(stdout);

    VR_SetFont(firstFont, 1);
    VR_ClearScreen();
}

}  // namespace demoria
