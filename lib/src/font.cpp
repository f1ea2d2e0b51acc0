// The font registry (ten application-owned fonts under ids 1..10), the
// current font chosen by VR_SetFont, and the lookups that text drawing
// and measuring make in it. The byte layout of a font is font_format.h's.
#include "font.h"

#include "colour.h"
#include "font_format.h"
#include "state.h"

namespace vr {

namespace {

const VR_Font *findFont(uint16_t id) {
    if (id == 0 || id > kRegistrySlots) return nullptr;
    return g_state.fonts[id - 1];
}

}  // namespace

VR_Status fontHeight(uint8_t *out) {
    if (!out) return VR_ERR_PARAM;
    const CurrentFont &f = g_state.current;
    if (!f.font) return VR_ERR_FONT;
    *out = f.height;
    return VR_OK;
}

VR_Status charAdvance(uint8_t c, uint8_t *out) {
    if (!out) return VR_ERR_PARAM;
    const CurrentFont &f = g_state.current;
    if (!f.font) return VR_ERR_FONT;
    if (c < f.first || c > f.last) return VR_ERR_RANGE;
    // A width of 255 gives the 8-bit advance 0, as the format's u8 advance
    // implies; fonts of small displays never come near it.
    *out = uint8_t(f.widths[c - f.first] + 1);
    return VR_OK;
}

VR_Status measureText(const char *text, VR_Size *out) {
    if (!text || !out) return VR_ERR_PARAM;
    const CurrentFont &f = g_state.current;
    if (!f.font) return VR_ERR_FONT;
    VR_Status status = VR_OK;
    uint16_t width = 0;
    for (const unsigned char *p = reinterpret_cast<const unsigned char *>(text); *p; ++p) {
        uint8_t advance;
        status = charAdvance(*p, &advance);
        if (status != VR_OK) break;
        width = uint16_t(width + advance);
    }
    out->width = width;
    out->height = f.height;
    return status;
}

}  // namespace vr

using vr::g_state;
using vr::kRegistrySlots;

extern "C" {

VR_API uint16_t VR_RegisterFont(const VR_Font *font) {
    if (!font) return 0;
    for (int slot = 0; slot < kRegistrySlots; ++slot) {
        if (!g_state.fonts[slot]) {
            g_state.fonts[slot] = font;
            return uint16_t(slot + 1);
        }
    }
    return 0;
}

// Id 0 names no font, so it never unregisters successfully. The current
// font keeps drawing from the data it points at.
VR_API VR_Status VR_UnregisterFont(uint16_t id) {
    if (!vr::findFont(id)) return VR_ERR_NOT_REGISTERED;
    g_state.fonts[id - 1] = nullptr;
    return VR_OK;
}

VR_API VR_Status VR_SetFont(uint16_t fontId, uint16_t colourTableId) {
    // The colour table is looked up first: with both unknown the answer is 8.
    const VR_ColourTable *table = vr::findColourTable(colourTableId);
    if (!table) return VR_ERR_COLOUR_TABLE;
    const VR_Font *font = vr::findFont(fontId);
    if (!font) return VR_ERR_FONT;

    // The header is checked and decoded once here, so that drawing reads
    // the fields directly and no table read can leave the font's data; the
    // data itself stays the application's. A header that cannot be true is
    // refused and the current font kept.
    if (vrfont::checkHeader(font) != vrfont::HeaderFault::None) return VR_ERR_FORMAT;
    const vrfont::Reader r(font);
    vr::CurrentFont f{};
    f.fontId = fontId;
    f.colourTableId = colourTableId;
    f.font = font;
    f.height = r.height();
    f.runLength = r.runLength();
    f.first = r.first();
    f.last = r.last();
    f.widths = r.widths();
    if (r.runLength()) {
        f.unit = r.unit();
        f.runs = r.runs();
        f.sizes = r.sizes();
    }
    f.glyphs = r.glyphs();
    f.colours = table->colours;
    g_state.current = f;
    return VR_OK;
}

VR_API VR_Status VR_GetFont(uint16_t *fontId, uint16_t *colourTableId) {
    if (!fontId || !colourTableId) return VR_ERR_PARAM;
    *fontId = g_state.current.fontId;
    *colourTableId = g_state.current.colourTableId;
    return VR_OK;
}

}  // extern "C"
