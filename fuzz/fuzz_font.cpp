// Fonts through the public API: registered, selected and drawn with every
// character of their range into the fake driver. The font is copied into a
// buffer of exactly the length its header claims (bytes 0-1, most
// significant first), so any read beyond the data the font says it has is
// caught. The library checks the header and tables; the run-length tokens
// stay trusted, so inputs whose tokens do not fill a glyph within its own
// bytes are outside the contract and skipped here.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "VRLib.h"
#include "fake_driver.h"
#include "font_format.h"

namespace {

void noKeys(uint32_t, uint32_t) {}

const VR_Colour kColours[2] = {{0, 0, 0, 0}, {0, 255, 255, 255}};
const VR_ColourTable kTable = {2, 0, kColours};

// True when every run-length glyph's tokens fill its width x height pixels
// before its size x unit bytes end (what the library trusts).
bool tokensFitTheirGlyphs(const uint8_t *font) {
    const vrfont::Reader r(font);
    if (!r.runLength()) return true;
    const uint32_t runs[4] = {1, r.runs()[0], r.runs()[1], r.runs()[2]};
    const uint8_t *glyph = r.glyphs();
    for (size_t i = 0; i < r.count(); ++i) {
        const size_t bits = size_t(r.sizes()[i]) * r.unit() * 8;
        const size_t pixels = size_t(r.widths()[i]) * r.height();
        size_t filled = 0, at = 0;
        while (filled < pixels) {
            if (at + 3 > bits) return false;
            const unsigned code =
                (glyph[at / 8] >> (at % 8) & 1) | (glyph[(at + 1) / 8] >> ((at + 1) % 8) & 1) << 1;
            filled += runs[code];
            at += 3;
        }
        glyph += size_t(r.sizes()[i]) * r.unit();
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 8 || size > 0xFFFF) return 0;
    const size_t claimed = size_t(data[0]) << 8 | data[1];
    if (claimed < 7 || claimed > size) return 0;
    const std::unique_ptr<uint8_t[]> font(new uint8_t[claimed]);
    std::memcpy(font.get(), data, claimed);

    if (vrfont::checkHeader(font.get(), claimed) == vrfont::HeaderFault::None &&
        !tokensFitTheirGlyphs(font.get()))
        return 0;

    fake::reset(64, 32);
    VR_InitVRLib(noKeys);
    const uint16_t fontId = VR_RegisterFont(font.get());
    const uint16_t tableId = VR_RegisterColourTable(&kTable);
    if (VR_SetFont(fontId, tableId) == 0) {
        // Every code of the font's range, and the bytes after the font as a
        // string of their own.
        std::vector<char> text;
        for (unsigned c = font[5]; c <= font[6] && c != 0; ++c) text.push_back(char(c));
        text.push_back('\0');
        VR_Point at = {uint16_t(data[2] % 70), 4};
        VR_StringParams string = {text.data(), 0};
        VR_DrawString(&at, &string);
        std::vector<char> tail(data + claimed, data + size);
        tail.push_back('\0');
        string.text = tail.data();
        VR_DrawString(&at, &string);
        VR_Size box = {};
        VR_GetStringDimension(tail.data(), &box);
    }
    VR_DeInitVRLib();
    return 0;
}
