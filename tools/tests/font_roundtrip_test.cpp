// Fonts made from a real face, drawn back through the library: every
// character's cell on the display must hold FreeType's own one-bit bitmap
// of the character, placed where the converter put it, and paper elsewhere.
#include <ft2build.h>
#include FT_FREETYPE_H

#include "font_encoder.h"
#include "font_format.h"
#include "glyph_raster.h"
#include "lib_fixture.h"

using namespace fontconv;

namespace {

const VR_Colour kPaper = {0, 0, 0, 0};
const VR_Colour kInk = {0, 255, 255, 255};
const VR_Colour kColours[2] = {kPaper, kInk};
const VR_ColourTable kTable = {2, 0, kColours};

RasterRequest bodyFont() {
    RasterRequest rq;
    rq.fontPath = VRTOOLS_TEST_FACE;
    rq.height = 16;
    rq.first = 0x1A;
    rq.last = 0xFC;
    rq.extra[0x1C] = U'\u2022';
    rq.zeroWidth = {0x7F, 0xA0};
    return rq;
}

// FreeType's mono bitmap of character c (through the code page or the
// mapping) as the expected cell: ink at its bitmap position, shifted right
// when it starts left of the pen, and on the converter's baseline.
std::vector<uint8_t> expectedCell(FT_Face face, const RasterRequest &rq, const RasterResult &r, uint8_t c,
                                  int width) {
    std::vector<uint8_t> cell(size_t(width) * rq.height, 0);
    char32_t u = rq.extra.count(c) ? rq.extra.at(c) : *unicodeOf(rq.codePage, c);
    EXPECT_EQ(FT_Load_Char(face, u, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO | FT_LOAD_RENDER), 0);
    FT_GlyphSlot slot = face->glyph;
    EXPECT_EQ(slot->bitmap.pixel_mode, FT_PIXEL_MODE_MONO);
    int left = std::max(0, slot->bitmap_left);
    for (unsigned y = 0; y < slot->bitmap.rows; ++y) {
        for (unsigned x = 0; x < slot->bitmap.width; ++x) {
            if (!((slot->bitmap.buffer[y * slot->bitmap.pitch + x / 8] >> (7 - x % 8)) & 1)) continue;
            int col = left + int(x), row = r.baseline - slot->bitmap_top + int(y);
            if (col >= width || row < 0 || row >= rq.height) {
                ADD_FAILURE() << "ink of 0x" << std::hex << int(c) << " lies outside its cell";
                continue;
            }
            cell[size_t(col) * rq.height + row] = 1;
        }
    }
    return cell;
}

class FontRoundTrip : public LibTest {
  protected:
    // Draws every character of the font at (5, 5) and compares its cell of
    // width + 1 columns with FreeType's bitmap.
    void drawAndCompare(const std::vector<uint8_t> &font, const RasterRequest &rq, const RasterResult &r) {
        uint16_t fontId = VR_RegisterFont(font.data());
        uint16_t tableId = VR_RegisterColourTable(&kTable);
        ASSERT_EQ(VR_SetFont(fontId, tableId), VR_OK);
        ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
        FT_Library lib;
        FT_Face face;
        ASSERT_EQ(FT_Init_FreeType(&lib), 0);
        ASSERT_EQ(FT_New_Face(lib, rq.fontPath.c_str(), 0, &face), 0);
        ASSERT_EQ(FT_Set_Pixel_Sizes(face, 0, r.pixelSize), 0);
        int inkChars = 0;
        for (int c = rq.first; c <= rq.last; ++c) {
            const int width = vrfont::Reader(font.data()).widths()[c - rq.first];
            fake::reset(320, 240);
            VR_Point at = {5, 5};
            ASSERT_EQ(VR_DrawSymbol(&at, uint8_t(c)), VR_OK) << c;
            std::vector<uint8_t> expected;
            if (width > 0) expected = expectedCell(face, rq, r, uint8_t(c), width);
            int mismatches = 0;
            for (int x = 0; x <= width; ++x) {
                for (int y = 0; y < rq.height; ++y) {
                    bool ink = x < width && expected[size_t(x) * rq.height + y];
                    ASSERT_TRUE(fake::written(uint16_t(5 + x), uint16_t(5 + y)));
                    if (fake::pixel(uint16_t(5 + x), uint16_t(5 + y)) != fake::word(ink ? kInk : kPaper))
                        ++mismatches;
                }
            }
            EXPECT_EQ(mismatches, 0) << "character 0x" << std::hex << c;
            EXPECT_EQ(fake::count(fake::Fn::SetPixel), size_t(width + 1) * rq.height);
            inkChars += width > 0;
        }
        EXPECT_GT(inkChars, 150);
        FT_Done_Face(face);
        FT_Done_FreeType(lib);
    }
};

}  // namespace

TEST_F(FontRoundTrip, PlainFontDrawsFreeTypesBitmaps) {
    RasterRequest rq = bodyFont();
    RasterResult r = rasterise(rq);
    drawAndCompare(encodePlain(r.glyphs), rq, r);
}

TEST_F(FontRoundTrip, RunLengthFontDrawsFreeTypesBitmaps) {
    RasterRequest rq = bodyFont();
    RasterResult r = rasterise(rq);
    drawAndCompare(encodeRunLength(r.glyphs, 1, {2, 5, 11}), rq, r);
}

TEST_F(FontRoundTrip, RunLengthFontWithItsSmallestTableAndLargerUnit) {
    RasterRequest rq = bodyFont();
    rq.height = 29;
    RasterResult r = rasterise(rq);
    drawAndCompare(encodeRunLength(r.glyphs, 2, smallestRunTable(r.glyphs, 2)), rq, r);
}

TEST(GlyphRaster, BlankCharactersAndTheMappedBullet) {
    RasterRequest rq = bodyFont();
    rq.zeroWidth.insert(0x20);
    RasterResult r = rasterise(rq);
    auto glyph = [&](int c) -> const Glyph & { return r.glyphs.glyphs[c - rq.first]; };
    for (int c : {0x1A, 0x1B, 0x1D, 0x1F, 0x20, 0x7F, 0x81, 0x8D, 0x8F, 0x90, 0x9D, 0xA0}) {
        EXPECT_EQ(glyph(c).width, 0) << std::hex << c;
    }
    auto inkOf = [](const Glyph &g) { return std::count(g.ink.begin(), g.ink.end(), 1); };
    EXPECT_GT(inkOf(glyph(0x1C)), 4);   // the bullet
    EXPECT_GT(inkOf(glyph(0xDF)), 10);  // ß
    EXPECT_TRUE(r.missing.empty());
    EXPECT_LE(r.baseline, rq.height);

    rq.zeroWidth.erase(0x20);
    EXPECT_GE(rasterise(rq).glyphs.glyphs[0x20 - rq.first].width, 2);  // a space has a width of its own
}

TEST(GlyphRaster, TheLargestSizeThatFitsIsChosen) {
    RasterRequest rq = bodyFont();
    RasterResult r = rasterise(rq);
    rq.pixelSize = r.pixelSize + 1;
    EXPECT_THROW(rasterise(rq), RasterError);
    rq.pixelSize = r.pixelSize;
    EXPECT_EQ(rasterise(rq).glyphs.glyphs[0x41 - rq.first].ink, r.glyphs.glyphs[0x41 - rq.first].ink);
}

TEST(GlyphRaster, UnusableFacesAndMappingsAreReported) {
    RasterRequest rq = bodyFont();
    rq.fontPath = "/nonexistent/face.ttf";
    EXPECT_THROW(rasterise(rq), RasterError);
    rq.fontPath = __FILE__;  // readable, but no font
    EXPECT_THROW(rasterise(rq), RasterError);
    rq = bodyFont();
    rq.extra[0x1D] = char32_t(0x10FFFD);  // a private-use character no face has
    EXPECT_THROW(rasterise(rq), RasterError);
}
