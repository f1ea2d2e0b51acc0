#include "scene.h"

#include "Demoria_Font4.h"
#include "Demoria_Font5.h"

namespace vr::scene {
namespace {

constexpr VR_Colour rgb(uint8_t r, uint8_t g, uint8_t b) { return VR_Colour{0, r, g, b}; }

const VR_Colour kInkOnPaper[2] = {rgb(0, 0, 48), rgb(255, 255, 160)};
const VR_ColourTable kTextColours{2, 0, kInkOnPaper};

// 4 x 4 run-length RGB: a red frame around a green centre, the corners in
// the key colour magenta so they stay see-through.
const uint8_t kFrameRle[] = {
    0x01, 255, 0, 255,                   // corner (key)
    0x82, 200, 0, 0,                     // two red
    0x01, 255, 0, 255,                   // corner (key)
    0x81, 200, 0, 0,   0x82, 0, 220, 0,  // red, two green
    0x82, 200, 0, 0,   0x82, 0, 220, 0,  // red (row end), red, two green
    0x81, 200, 0, 0,                     // red
    0x01, 255, 0, 255,                   // corner (key)
    0x82, 200, 0, 0,                     // two red
    0x01, 255, 0, 255,                   // corner (key)
};
const VR_GIMPBitmap kFrameImage{{'G', 'M'}, 0, 1, 4, 4, 3, rgb(255, 0, 255), {0, 0, 0}, kFrameRle};

// 4 x 2 raw RGBA: white at four alpha levels over blue at four others,
// blended into whatever lies below.
const uint8_t kFadeRaw[] = {
    255, 255, 255, 255, 255, 255, 255, 170, 255, 255, 255, 85,  255, 255, 255, 0,
    0,   0,   255, 0,   0,   0,   255, 85,  0,   0,   255, 170, 0,   0,   255, 255,
};
const VR_GIMPBitmap kFadeImage{{'G', 'M'}, 0, 0, 4, 2, 4, {0xFF, 0xFF, 0xFF, 0xFF}, {0, 0, 0}, kFadeRaw};

struct Steps {
    const char **failed;
    VR_Status status = VR_OK;
    // Keeps the first failure and its step; later steps still draw.
    void operator()(const char *step, VR_Status s) {
        if (s != VR_OK && status == VR_OK) {
            status = s;
            if (failed) *failed = step;
        }
    }
};

VR_Status rect(uint16_t x, uint16_t y, uint16_t w, uint16_t h, int32_t pattern, VR_Colour border,
               VR_Colour one, VR_Colour zero, uint16_t borderWidth) {
    const VR_Point at{x, y};
    const VR_RectParams r{w, h, border, one, zero, borderWidth, 0, pattern};
    return VR_DrawRect(&at, &r);
}

}  // namespace

VR_Status draw(const char **failedStep) {
    Steps step{failedStep};
    const uint16_t plain = VR_RegisterFont(Demoria_Font4);
    const uint16_t runLength = VR_RegisterFont(Demoria_Font5);
    const uint16_t colours = VR_RegisterColourTable(&kTextColours);
    step("register", plain && runLength && colours ? VR_OK : VR_ERR_PARAM);
    step("update mode", VR_SetUpdateMode(VR_UPDATE_MANUAL));

    step("background", VR_SetBkColor(rgb(0, 0, 48)));
    step("clear", VR_ClearScreen());

    // The six fill patterns side by side, 14 x 14 each.
    const VR_Colour border = rgb(255, 255, 255);
    for (int32_t p = VR_FILL_COLOUR1; p <= VR_FILL_FRAME_ONLY; ++p)
        step("rect", rect(uint16_t(p * 15), 0, 14, 14, p, border, rgb(255, 128, 0), rgb(0, 96, 255), 1));
    // A circle and a rectangle with a thick border, both cut by a smaller
    // active window at the top right.
    const VR_Point winAt{92, 0};
    const VR_Size winSize{36, 30};
    step("window", VR_SetActiveWindow(&winAt, &winSize));
    step("circle", [] {
        const VR_Point centre{112, 14};
        const VR_CircleParams c{18, rgb(0, 255, 128)};
        return VR_DrawCircle(&centre, &c);
    }());
    step("rect clipped",
         rect(118, 20, 20, 20, VR_FILL_CHECKER, rgb(255, 0, 0), rgb(255, 255, 0), rgb(0, 0, 0), 3));
    const VR_Point fullAt{0, 0};
    const VR_Size fullSize{128, 64};
    step("window", VR_SetActiveWindow(&fullAt, &fullSize));

    // Lines: steep, shallow and both directions.
    const VR_LineParams lines[] = {{92, 31, 127, 40, rgb(255, 0, 0)},
                                   {127, 31, 100, 63, rgb(255, 255, 0)},
                                   {92, 63, 92, 32, rgb(128, 128, 255)}};
    for (const VR_LineParams &l : lines) step("line", VR_DrawLine(&l));
    step("pixel", VR_SetPixel(VR_Point{94, 62}, rgb(255, 255, 255)));

    // Text: the plain font, a symbol and a cut string, then the run-length font.
    step("font plain", VR_SetFont(plain, colours));
    VR_Point at{0, 15};
    VR_StringParams hello{"Vantrel 0.2.4", 0};
    step("string plain", VR_DrawString(&at, &hello));
    at = VR_Point{58, 15};
    step("symbol", VR_DrawSymbol(&at, '#'));
    at = VR_Point{0, 26};
    step("string cut", VR_DrawStringSized(&at, "Grafikbibliothek", 40, "..."));
    step("font run-length", VR_SetFont(runLength, colours));
    at = VR_Point{44, 24};
    VR_StringParams big{"Aq5", 0};
    step("string run-length", VR_DrawString(&at, &big));

    // A justified text box with a frame, in the plain font.
    at = VR_Point{0, 37};
    const VR_TextBoxParams box{
        60, 24, plain, colours, 3, 0, rgb(0, 200, 255), {0, 0, 0}, 1, "Ein Text in der Box"};
    step("text box", VR_DrawTextBox(&at, &box));

    // A progress bar at 45 %.
    at = VR_Point{62, 56};
    const VR_ProgressBarParams bar{28, 7,        2, rgb(255, 255, 255), rgb(40, 40, 40), rgb(0, 255, 0),
                                   45, {0, 0, 0}};
    step("progress bar", VR_DrawProgressBar(&at, &bar));

    // Images: the keyed frame over the bar's corner, the fade over the text.
    at = VR_Point{84, 50};
    step("image run-length", VR_DrawGIMPBitmap(&at, &kFrameImage));
    at = VR_Point{64, 44};
    step("image blended", VR_DrawGIMPBitmap(&at, &kFadeImage));
    return step.status;
}

VR_Status drawChange() {
    const VR_Point at{kChangeArea.x, kChangeArea.y};
    const VR_RectParams r{
        kChangeArea.width, kChangeArea.height, rgb(255, 255, 255), rgb(255, 255, 255), rgb(0, 0, 0), 2, 0,
        VR_FILL_STRIPES};
    return VR_DrawRect(&at, &r);
}

}  // namespace vr::scene
