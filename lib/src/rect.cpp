// Rectangle (code 0): a border of the border colour around an interior in
// one of six 4 x 4 fill patterns, clipped to the active window.
#include <algorithm>

#include "render.h"
#include "state.h"

namespace vr {
namespace {

constexpr int kPatternCount = VR_FILL_FRAME_ONLY + 1;

// Rows top to bottom; in each row bit 3 is column 0 and bit 0 column 3.
constexpr uint8_t kPatterns[kPatternCount][4] = {
    {0b1111, 0b1111, 0b1111, 0b1111},  // all pattern colour 1
    {0b0000, 0b0000, 0b0000, 0b0000},  // all pattern colour 0
    {0b1010, 0b0101, 0b1010, 0b0101},  // checkerboard
    {0b1001, 0b0010, 0b0100, 0b1001},  // sparse diagonal hatch
    {0b1100, 0b1001, 0b0011, 0b0110},  // two-pixel diagonal stripes
    {0b0000, 0b0000, 0b0000, 0b0000},  // frame only
};

inline void run(uint32_t from, uint32_t to, uint32_t y, VR_Colour c) {
    for (uint32_t x = from; x < to; ++x) putPixel(uint16_t(x), uint16_t(y), c);
}

}  // namespace

VR_Status drawRect(const VR_Point *pos, const VR_Window *win, const void *params) {
    const auto *r = static_cast<const VR_RectParams *>(params);
    if (!r || !pos || !win) return VR_ERR_PARAM;
    if (r->fillPattern < 0 || r->fillPattern >= kPatternCount) return VR_ERR_PATTERN;

    const uint32_t px = pos->x, py = pos->y;
    const ClipRect window = clipOf(*win);
    if (window.startsBeyond(px, py)) return VR_ERR_RANGE;

    // The rectangle's far edges in 32 bits: one reaching past 65535 is cut
    // there rather than wrapped to the display's opposite side.
    const ClipRect shape = rectAt(px, py, r->width, r->height);
    const uint32_t xEnd = shape.right, yEnd = shape.bottom, b = r->borderWidth;

    // Rows and columns that pass the point-in-window test, computed once;
    // the pixels and their order are those of testing each one.
    const ClipRect area = intersect(shape, window);
    const uint32_t left = area.left, right = area.right, top = area.top, bottom = area.bottom;

    if (r->width > 2 * b && r->height > 2 * b) {
        const int pattern = r->fillPattern;
        // Interior columns [inLeft, inRight) inside the clipped range. The
        // max() bounds are redundant (right >= left already) but keep GCC 12
        // from rebuilding the point word in every pass of the pattern loop.
        const uint32_t inLeft = std::clamp(px + b, left, std::max(left, right));
        const uint32_t inRight = std::clamp(xEnd - b, inLeft, std::max(inLeft, right));
        for (uint32_t y = top; y < bottom; ++y) {
            if (y < py + b || y >= yEnd - b) {
                run(left, right, y, r->borderColour);
                continue;
            }
            run(left, inLeft, y, r->borderColour);
            if (pattern != VR_FILL_FRAME_ONLY) {
                // The pattern is anchored at the interior's top-left corner.
                const uint8_t bits = kPatterns[pattern][(y - py - b) & 3];
                VR_Colour colours[4];
                for (int col = 0; col < 4; ++col)
                    colours[col] = (bits >> (3 - col)) & 1 ? r->patternColour1 : r->patternColour0;
                const uint32_t anchor = px + b;
                for (uint32_t x = inLeft; x < inRight; ++x)
                    putPixel(uint16_t(x), uint16_t(y), colours[(x - anchor) & 3]);
            }
            run(inRight, right, y, r->borderColour);
        }
    } else {
        // Too small for a pattern: the whole rectangle in the border colour.
        for (uint32_t y = top; y < bottom; ++y) run(left, right, y, r->borderColour);
    }

    if (!automaticUpdate()) return VR_OK;
    const VR_Size size{r->width, r->height};
    return DDrv_RefreshDisplayArea(pos, &size);
}

}  // namespace vr
