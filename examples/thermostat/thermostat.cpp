// A thermostat's screen on a 320 x 240 panel: a font converted in two
// sizes, an icon with transparency, German text written as UTF-8 and
// turned into the font's Windows-1252 at compile time, a progress bar and a
// framed text box. The screen stays up for VR_EXAMPLE_SECONDS (default 3);
// its golden test runs it headless with 0.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "Flame.h"
#include "Sans16.h"
#include "Sans40.h"
#include "VRCp1252.hpp"
#include "VRLib.h"

namespace {

constexpr VR_Colour kBackground{0, 16, 32, 64}, kWhite{0, 255, 255, 255}, kOrange{0, 255, 160, 40},
    kGrey{0, 120, 140, 170};
const VR_Colour kWhiteOnBackground[] = {kBackground, kWhite};
const VR_Colour kOrangeOnBackground[] = {kBackground, kOrange};
const VR_ColourTable kTextColours{2, 0, kWhiteOnBackground};
const VR_ColourTable kTemperatureColours{2, 0, kOrangeOnBackground};

constexpr auto kRoom = vr::cp1252(u8"Wohnzimmer");
constexpr auto kTemperature = vr::cp1252(u8"21,5 °C");
constexpr auto kNext = vr::cp1252(u8"Nächste: 18 °C ab 22:00 Uhr");
constexpr auto kSaving = vr::cp1252(
    u8"Sparbetrieb: nachts senkt die Heizung die Temperatur um drei Grad und heizt morgens rechtzeitig "
    u8"wieder auf.");

void onHardKey(uint32_t, uint32_t) {}

void text(uint16_t x, uint16_t y, const char *s) {
    const VR_Point at{x, y};
    VR_StringParams p{s, 0};
    VR_DrawString(&at, &p);
}

void drawScreen(uint16_t small, uint16_t large, uint16_t white, uint16_t orange) {
    VR_SetBkColor(kBackground);
    VR_ClearScreen();

    VR_SetFont(small, white);
    text(12, 8, kRoom.c_str());
    const VR_LineParams rule{12, 30, 307, 30, kGrey};
    VR_DrawLine(&rule);

    const VR_Point icon{70, 52};
    VR_DrawGIMPBitmap(&icon, &Flame);
    VR_SetFont(large, orange);
    text(104, 42, kTemperature.c_str());

    VR_SetFont(small, white);
    text(12, 96, kNext.c_str());

    // The heating's output; the bar refreshes the display on its own.
    const VR_Point barAt{12, 122};
    const VR_ProgressBarParams bar{296, 12, 2, kGrey, kBackground, kOrange, 60, {}};
    VR_DrawProgressBar(&barAt, &bar);

    const VR_Point boxAt{12, 146};
    const VR_TextBoxParams box{296, 86, small, white, 3, 1, kGrey, {}, 1, kSaving.c_str()};
    VR_DrawTextBox(&boxAt, &box);
}

}  // namespace

int main() {
    const VR_Status status = VR_InitVRLib(onHardKey);
    if (status != VR_OK) {
        std::fprintf(stderr, "thermostat: the display did not start (status %u)\n", unsigned(status));
        return 1;
    }
    const uint16_t small = VR_RegisterFont(Sans16), large = VR_RegisterFont(Sans40);
    const uint16_t white = VR_RegisterColourTable(&kTextColours);
    const uint16_t orange = VR_RegisterColourTable(&kTemperatureColours);

    // One picture: draw everything, then show it once.
    VR_SetUpdateMode(VR_UPDATE_MANUAL);
    drawScreen(small, large, white, orange);
    VR_RefreshDisplay();
    VR_SetUpdateMode(VR_UPDATE_AUTO);

    const char *seconds = std::getenv("VR_EXAMPLE_SECONDS");
    std::this_thread::sleep_for(std::chrono::seconds(seconds ? std::atoi(seconds) : 3));
    return VR_DeInitVRLib() == VR_OK ? 0 : 1;
}
