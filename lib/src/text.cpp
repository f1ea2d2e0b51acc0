// Opaque single-line text in the current font and colour table: strings
// (code 7), symbols (code 4), strings cut to a width with a suffix (code 8)
// and measuring. Every pixel of a character's cell is written: ink in
// colour-table entry 1, paper and the spacing column after each glyph in
// entry 0.
#include <cstring>

#include "font.h"
#include "glyph_decode.h"
#include "render.h"
#include "state.h"

namespace vr {

namespace {

// The sized drawing composes its cut text here: 255 characters and the zero.
constexpr size_t kComposeBuffer = 256;

// Draws the cells of an already measured text, left to right from (x, y0).
// Per glyph: one table sum for its start (glyph_decode.h), then one
// DDrv_SetPixel per pixel of its width x height bits and of its spacing
// column. The cell is not clipped to the window, but a pixel beyond the
// coordinate space is dropped rather than wrapped onto the display's
// opposite edge. Returns where the text ends (at its terminating zero).
const unsigned char *drawCells(const CurrentFont &f, uint32_t x, uint32_t y0, const unsigned char *text) {
    const uint32_t paper = wordOf(f.colours[0]), ink = wordOf(f.colours[1]);  // selected without a branch
    const uint32_t inkXorPaper = ink ^ paper;
    const uint32_t height = f.height;
    const ClipRect clip = kCoordSpace;
    for (; *text; ++text) {
        const uint32_t idx = uint32_t(*text) - f.first;
        const uint32_t width = f.widths[idx];
        const uint32_t x0 = x;
        auto colour = [paper, inkXorPaper](bool isInk) {
            return colourOf(paper ^ (inkXorPaper & -uint32_t(isInk)));
        };
        auto decode = [&f, idx, width, height](auto &&put) {
            if (f.runLength)
                decodeRunLength(f.glyphs + tableSumBefore(f.sizes, idx) * f.unit, f.runs, width, height, put);
            else
                decodePlain(f.glyphs, tableSumBefore(f.widths, idx) * height, width, height, put);
        };
        // The usual glyph lies wholly inside the coordinate space and needs
        // no test per pixel; only one near 65535 is clipped pixel by pixel.
        if (x0 + width < clip.right && y0 + height <= clip.bottom)
            decode([x0, y0, colour](uint32_t col, uint32_t row, bool isInk) {
                putPixel(uint16_t(x0 + col), uint16_t(y0 + row), colour(isInk));
            });
        else
            decode([x0, y0, colour, clip](uint32_t col, uint32_t row, bool isInk) {
                if (clip.contains(x0 + col, y0 + row))
                    putPixel(uint16_t(x0 + col), uint16_t(y0 + row), colour(isInk));
            });
        x += width;
        for (uint32_t row = 0; row < height; ++row)
            if (clip.contains(x, y0 + row)) putPixel(uint16_t(x), uint16_t(y0 + row), colourOf(paper));
        x += 1;
    }
    return text;
}

}  // namespace

VR_Status drawString(const VR_Point *pos, const VR_Window *win, void *params) {
    if (!pos || !win || !params) return VR_ERR_PARAM;
    auto *sp = static_cast<VR_StringParams *>(params);
    // The only test against the window: a start left of or above it is
    // accepted, and the cell is not clipped to it (the driver refuses what
    // lies off the display).
    if (clipOf(*win).startsBeyond(pos->x, pos->y)) return VR_ERR_RANGE;
    // Measuring first means a character outside the font fails the call
    // before any pixel is written.
    VR_Size cell;
    if (VR_Status s = measureText(sp->text, &cell); s != VR_OK) return s;
    const CurrentFont &f = g_state.current;
    if (!f.colours) return VR_ERR_PARAM;  // a table without colours cannot paint
    const unsigned char *end =
        drawCells(f, pos->x, pos->y, reinterpret_cast<const unsigned char *>(sp->text));
    // Callers rely on the text pointer resting on the terminating zero.
    sp->text = reinterpret_cast<const char *>(end);
    if (automaticUpdate()) return DDrv_RefreshDisplayArea(pos, &cell);
    return VR_OK;
}

VR_Status drawSymbol(const VR_Point *pos, const VR_Window *win, const void *params) {
    if (!pos || !win || !params) return VR_ERR_PARAM;
    // A text of its own, so the caller's byte stays as it was; symbol 0 is
    // the empty text.
    const char text[2] = {*static_cast<const char *>(params), 0};
    VR_StringParams sp{text, 0};
    return drawString(pos, win, &sp);
}

VR_Status drawStringSized(const VR_Point *pos, const VR_Window *win, const void *params) {
    if (!pos || !win || !params) return VR_ERR_PARAM;
    const auto *sp = static_cast<const VR_StringSizedParams *>(params);
    const uint32_t maxWidth = sp->maxWidth;
    // Against the window's own right edge, not cut at the coordinate limit.
    if (pos->x + maxWidth >= rectAt(win->x, win->y, win->width, win->height).right) return VR_ERR_PARAM;

    VR_Size textSize;
    if (VR_Status s = measureText(sp->text, &textSize); s != VR_OK) return s;
    if (textSize.width < maxWidth) {
        VR_StringParams whole{sp->text, 0};  // the caller's record stays unchanged
        return drawString(pos, win, &whole);
    }

    VR_Size suffixSize;
    if (VR_Status s = measureText(sp->suffix, &suffixSize); s != VR_OK) return s;
    if (maxWidth <= suffixSize.width) return VR_ERR_PARAM;

    // Keep the characters before the one whose advance makes the running
    // sum reach the room left beside the suffix: the kept part is narrower
    // than that room, so the composition is narrower than maxWidth.
    const uint32_t room = maxWidth - suffixSize.width;
    const auto *text = reinterpret_cast<const unsigned char *>(sp->text);
    uint32_t sum = 0;
    size_t walked = 0;
    while (text[walked] && sum < room) {
        uint8_t advance = 0;
        charAdvance(text[walked], &advance);  // in range: the text was measured
        sum += advance;
        ++walked;
    }
    size_t keep = sum >= room ? walked - 1 : walked;

    // The composition must fit the buffer: drop kept characters from the
    // end until it does; a suffix that alone exceeds it cannot be drawn.
    const size_t suffixLength = std::strlen(sp->suffix);
    if (suffixLength > kComposeBuffer - 1) return VR_ERR_PARAM;
    if (keep > kComposeBuffer - 1 - suffixLength) keep = kComposeBuffer - 1 - suffixLength;

    char composed[kComposeBuffer];
    std::memcpy(composed, sp->text, keep);
    std::memcpy(composed + keep, sp->suffix, suffixLength + 1);
    VR_StringParams cut{composed, 0};
    return drawString(pos, win, &cut);
}

}  // namespace vr

extern "C" VR_API VR_Status VR_GetStringDimension(const char *text, VR_Size *size) {
    return vr::measureText(text, size);
}
