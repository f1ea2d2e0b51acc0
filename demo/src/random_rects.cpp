#include <cstdio>

#include "display.h"
#include "drawing_state.h"

namespace demoria {

namespace {

// ((r mod (origin + size)) + 1) × (size + 20) / (origin + size) + origin − 20:
// from about 20 pixels before the area up to its far edge, so rectangles may
// start outside and are clipped by the active window.
uint16_t corner(int r, int32_t origin, int32_t size) {
    int32_t span = origin + size;
    if (span <= 0) return uint16_t(origin);  // an empty area at 0: no division by zero
    // 64-bit product: a large area must not overflow.
    return uint16_t(int64_t(r % span + 1) * (size + 20) / span + origin - 20);
}

// A colour channel from 1 to 255, never 0.
uint8_t channel(int r) { return uint8_t((r % 255 + 1) * 255 / 255); }

}  // namespace

void randomRectStep(DisplayState &s) {
    if (s.randomActive != 1) return;  // the loop ends here

    ++s.randomCount;
    char count[32];
    std::snprintf(count, sizeof count, "Anzahl: %i", s.randomCount);

    {
        ManualUpdate manual;

        // Drawn over the previous count without clearing it.
        VR_SetFont(3, 1);
        VR_Point countAt = {160, 210};
        VR_StringParams text = {count, 0};
        VR_DrawString(&countAt, &text);

        {
            // Clip the rectangle to the inside of the frame.
            ClipWindow clip(s.areaOrigin, s.areaSize);
            int r1 = s.random();
            int r2 = s.random();
            VR_Point at = {corner(r1, s.areaOrigin.x, s.areaSize.width),
                           corner(r2, s.areaOrigin.y, s.areaSize.height)};
            VR_RectParams rect = {};
            rect.width = 60;
            rect.height = 30;
            rect.borderColour.red = channel(s.random());
            rect.borderColour.green = channel(s.random());
            rect.borderColour.blue = channel(s.random());
            rect.patternColour0.red = channel(s.random());
            rect.patternColour0.green = channel(s.random());
            rect.patternColour0.blue = channel(s.random());
            rect.borderWidth = 1;
            rect.fillPattern = VR_FILL_COLOUR0;
            VR_DrawRect(&at, &rect);
        }
        VR_RefreshDisplay();
    }

    s.self(MSG_RANDOM_RECT);
}

}  // namespace demoria
