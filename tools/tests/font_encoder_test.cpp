// The VR_Font encodings byte by byte on glyphs small enough to check by
// eye, and the run-length encoder against a decoder written from the
// format (runs cross columns, a glyph ends with its last column).
#include "font_encoder.h"

#include <gtest/gtest.h>

#include <random>

#include "font_format.h"
#include "glyph_art.h"

using namespace fontconv;
using vrtest::glyph;
using vrtest::glyphSet;

namespace {

std::vector<uint8_t> tail(const std::vector<uint8_t> &v, size_t from) { return {v.begin() + from, v.end()}; }

// Pixels of glyph i of a run-length font, column-major, decoded token by
// token from the font's own tables.
std::vector<uint8_t> decodeRunLengthGlyph(const std::vector<uint8_t> &font, int i) {
    const vrfont::Reader f(font.data());
    const int height = f.height(), width = f.widths()[i], unit = f.unit();
    const int lengths[4] = {1, f.runs()[0], f.runs()[1], f.runs()[2]};
    const uint8_t *start = f.glyphs();
    for (int k = 0; k < i; ++k) start += size_t(f.sizes()[k]) * unit;
    const size_t bytes = size_t(f.sizes()[i]) * unit;
    std::vector<uint8_t> px;
    size_t bit = 0;
    auto next = [&] {
        EXPECT_LT(bit / 8, bytes) << "glyph " << i << " reads past its size";
        int b = (start[bit / 8] >> (bit % 8)) & 1;
        ++bit;
        return b;
    };
    while (px.size() < size_t(width) * height) {
        int code = next();
        code |= next() << 1;
        int ink = next();
        for (int k = 0; k < lengths[code]; ++k) px.push_back(uint8_t(ink));
    }
    EXPECT_EQ(px.size(), size_t(width) * height) << "glyph " << i << ": the last run overshoots";
    px.resize(size_t(width) * height);
    return px;
}

}  // namespace

TEST(PlainFont, HeaderWidthsAndBitsPackLeastSignificantFirstColumnByColumn) {
    // Columns X.X and .X. : stream bits 1,0,1,0,1,0 = 0x15.
    GlyphSet set = glyphSet(3, 'A', {glyph({"X.", ".X", "X."})});
    EXPECT_EQ(encodePlain(set), (std::vector<uint8_t>{0x00, 0x09, 0x00, 3, 0x01, 'A', 'A', 2, 0x15}));
}

TEST(PlainFont, GlyphsFollowEachOtherWithoutPadding) {
    // Three glyphs: width 1 (ink, paper, ink), width 0, width 2 (all ink):
    // bits 101 111111 -> 0b11111101 0b00000001.
    GlyphSet set =
        glyphSet(3, 0x30, {glyph({"X", ".", "X"}), glyph({"", "", ""}), glyph({"XX", "XX", "XX"})});
    std::vector<uint8_t> f = encodePlain(set);
    EXPECT_EQ(tail(f, 7), (std::vector<uint8_t>{1, 0, 2, 0xFD, 0x01}));
    EXPECT_EQ(vrfont::Reader(f.data()).length(), f.size());
}

TEST(RunLengthFont, AFullInkColumnIsTwoRunsOfTwo) {
    // Run table 2, 5, 11; height 4, width 1, all ink: tokens (1, ink)(1, ink) = 0x2D.
    GlyphSet set = glyphSet(4, 'I', {glyph({"X", "X", "X", "X"})});
    std::vector<uint8_t> f = encodeRunLength(set, 1, {2, 5, 11});
    EXPECT_EQ(f, (std::vector<uint8_t>{0x00, 0x0E, 0x00, 4, 0x81, 'I', 'I', 1, 1, 2, 5, 11, 1, 0x2D}));
}

TEST(RunLengthFont, ZeroWidthGlyphsHaveSizeZeroAndUnitsPadEachGlyph) {
    GlyphSet set = glyphSet(2, 0x20, {glyph({"", ""}), glyph({"X", "."})});
    std::vector<uint8_t> f = encodeRunLength(set, 3, {2, 5, 11});
    const vrfont::Reader r(f.data());
    EXPECT_EQ(r.unit(), 3);
    EXPECT_EQ(r.sizes()[0], 0);  // blank glyph: no data
    EXPECT_EQ(r.sizes()[1], 1);  // two tokens fit one unit of 3 bytes
    const size_t glyphs = size_t(r.glyphs() - f.data());
    EXPECT_EQ(glyphs, 11u + 2 * 2);
    EXPECT_EQ(f.size(), glyphs + 3);  // padded to the unit
    // (0, ink)(0, paper): bits 0 0 1 0 0 0 = 0x04, then padding.
    EXPECT_EQ(tail(f, glyphs), (std::vector<uint8_t>{0x04, 0, 0}));
}

TEST(RunLengthFont, RandomGlyphsDecodeToTheirPixelsWithEveryRunTable) {
    std::mt19937 rng(7);
    for (RunTable runs : {RunTable{2, 5, 11}, RunTable{3, 7, 15}, RunTable{1, 2, 3}, RunTable{4, 40, 200}}) {
        std::vector<Glyph> glyphs;
        for (int i = 0; i < 40; ++i) {
            Glyph g;
            g.width = int(rng() % 12);
            // Long stretches as well as noise, so every run length is used.
            int bias = int(rng() % 3);
            for (int p = 0; p < g.width * 9; ++p)
                g.ink.push_back(bias == 0 ? rng() % 2 : (rng() % 10 == 0) ^ (bias == 2));
            glyphs.push_back(g);
        }
        GlyphSet set = glyphSet(9, 0x20, glyphs);
        std::vector<uint8_t> f = encodeRunLength(set, 1, runs);
        EXPECT_EQ(vrfont::Reader(f.data()).length(), f.size());
        EXPECT_EQ(vrfont::checkHeader(f.data(), f.size()), vrfont::HeaderFault::None);
        for (int i = 0; i < 40; ++i) EXPECT_EQ(decodeRunLengthGlyph(f, i), glyphs[i].ink) << "glyph " << i;
    }
}

TEST(RunLengthFont, AGlyphBeyond255UnitsIsRefusedUnlessTheUnitGrows) {
    // A checkerboard column pattern defeats every run: one token per pixel.
    std::vector<std::string> rows(40, std::string(40, '.'));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) rows[y][x] = (x + y) % 2 ? 'X' : '.';
    }
    // 1600 single pixels, but a column's bottom pixel matches the next
    // column's top one 39 times: 1561 tokens, 586 bytes.
    GlyphSet set = glyphSet(40, 'A', {glyph(rows)});
    EXPECT_THROW(encodeRunLength(set, 1, {2, 5, 11}), EncodeError);
    std::vector<uint8_t> f = encodeRunLength(set, 3, {2, 5, 11});
    EXPECT_EQ(vrfont::Reader(f.data()).sizes()[0], 196);  // 586 bytes in units of 3
}

TEST(FontEncoding, FontsBeyondTheSixteenBitLengthAreRefused) {
    std::vector<Glyph> glyphs(256, glyph(std::vector<std::string>(255, std::string(10, 'X'))));
    GlyphSet set = glyphSet(255, 0, glyphs);  // 256 * 10 * 255 bits = 81600 bytes
    EXPECT_THROW(encodePlain(set), EncodeError);
}

TEST(RunTableChoice, NoOtherTableMakesTheFontSmaller) {
    std::mt19937 rng(3);
    std::vector<Glyph> glyphs;
    for (int i = 0; i < 30; ++i) {
        Glyph g;
        g.width = 3 + int(rng() % 8);
        for (int p = 0; p < g.width * 12; ++p) g.ink.push_back(rng() % 5 == 0);
        glyphs.push_back(g);
    }
    GlyphSet set = glyphSet(12, 0x41, glyphs);
    RunTable best = smallestRunTable(set, 1);
    EXPECT_LT(best[0], best[1]);
    EXPECT_LT(best[1], best[2]);
    size_t chosen = encodeRunLength(set, 1, best).size();
    for (int a = 2; a <= 6; ++a) {
        for (int b = a + 1; b <= 14; ++b) {
            for (int c = b + 1; c <= 30; ++c) {
                ASSERT_LE(chosen, encodeRunLength(set, 1, {uint8_t(a), uint8_t(b), uint8_t(c)}).size())
                    << a << "," << b << "," << c;
            }
        }
    }
}
