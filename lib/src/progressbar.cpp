// The progress bar (code 9): a one-pixel frame and, for style 2, a filled
// and an empty part, each a rectangle drawn through the exported
// VR_DrawRect (so it nests through the driver). The parts are drawn in
// update mode 1 and shown by one full refresh at the end.
#include "render.h"

namespace vr {
namespace {

// Rectangle with a one-pixel border in `ring` and an interior of `inside`.
VR_Status drawPart(uint16_t x, uint16_t y, uint16_t w, uint16_t h, VR_Colour ring, VR_Colour inside) {
    const VR_Point at{x, y};
    const VR_RectParams r{w, h, ring, inside, inside, 1, 0, 0};
    return VR_DrawRect(&at, &r);
}

// Draws frame and parts; the caller has switched to update mode 1.
VR_Status drawBar(const VR_Point &pos, const VR_ProgressBarParams &bar) {
    const VR_RectParams frame{bar.width, bar.height, bar.frameColour, bar.frameColour, bar.frameColour, 1,
                              0,         5};
    VR_Status s = VR_DrawRect(&pos, &frame);
    if (s != VR_OK) return s;
    if (bar.style == 1 || bar.style == 3 || bar.style == 4) return VR_OK;
    if (bar.style != 2) return VR_ERR_PARAM;
    // A bar too narrow or too low has no inside: its parts would get
    // negative sizes.
    if (bar.width < 2 || bar.height < 2) return VR_OK;

    const int inner = bar.width - 2;
    const int percent = bar.percent > 100 ? 100 : bar.percent;  // above 100 would overflow the frame
    // In this order and in double precision: 29 % of 100 gives 28.
    const int fill = int(percent / 100.0 * inner);
    const auto x = uint16_t(pos.x + 1), y = uint16_t(pos.y + 1);
    const auto h = uint16_t(bar.height - 2);
    s = drawPart(x, y, uint16_t(fill), h, bar.backgroundColour, bar.barColour);
    if (s != VR_OK) return s;
    return drawPart(uint16_t(x + fill), y, uint16_t(inner - fill), h, bar.backgroundColour,
                    bar.backgroundColour);
}

}  // namespace

VR_Status drawProgressBar(const VR_Point *pos, const VR_Window *win, const void *params) {
    const auto *bar = static_cast<const VR_ProgressBarParams *>(params);
    if (!pos || !win || !bar) return VR_ERR_PARAM;
    int32_t saved = 0;
    VR_GetUpdateMode(&saved);
    VR_SetUpdateMode(VR_UPDATE_MANUAL);
    const VR_Status s = drawBar(*pos, *bar);
    if (s != VR_OK) {
        VR_SetUpdateMode(saved);
        return s;
    }
    VR_RefreshDisplay();
    return VR_SetUpdateMode(saved);
}

}  // namespace vr
