// Text drawing through the usual path (code 4, 7 or 8 -> fake driver ->
// StdGraphicFunctions), with tiny fonts written out byte by byte.
#include <sys/mman.h>

#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

#include "active_window.h"
#include "font_format.h"
#include "lib_fixture.h"

namespace {

const VR_Colour kPaper = rgb(0, 0, 128);
const VR_Colour kInk = rgb(255, 200, 0);
const VR_Colour kColours[] = {kPaper, kInk};
const VR_ColourTable kTable{2, 0, kColours};

std::string art(int x, int y, int w, int h) {
    return fake::ascii(x, y, w, h, {{word(kPaper), '-'}, {word(kInk), '#'}});
}

// Plain, height 3, 'a' only: columns (ink, paper, ink) (paper, ink, paper)
// are the stream bits 1 0 1 0 1 0, the byte 0x15.
const VR_Font kPlain15[] = {0, 9, 0, 3, 0x01, 'a', 'a', 2, 0x15};
// Run-length, height 4, runs 2 5 11, 'x' of width 1: 0x2D is the tokens
// (run code 1, ink) (run code 1, ink).
const VR_Font kRun2D[] = {0, 14, 0, 4, 0x81, 'x', 'x', 1, 1, 2, 5, 11, 1, 0x2D};
// Plain, height 3: 'a' as above, 'b' of width 0, 'c' of width 3 with
// columns 111 000 110 starting at stream bit 6, across the byte boundary.
//   bits 0-7: 1 0 1 0 1 0 | 1 1  = 0xD5      bits 8-14: 1 0 0 0 1 1 0 = 0x31
const VR_Font kPlainAbc[] = {0, 12, 0, 3, 0x01, 'a', 'c', 2, 0, 3, 0xD5, 0x31};
// Plain, height 4, codes 0xFE (width 1: 1001) and 0xFF (width 2: 1111 0110).
//   bits 0-7: 1 0 0 1 1 1 1 1 = 0xF9          bits 8-11: 0 1 1 0 = 0x06
const VR_Font kPlainHigh[] = {0, 11, 0, 4, 0x01, 0xFE, 0xFF, 1, 2, 0xF9, 0x06};
// Run-length, height 4, runs 2 5 11, unit 2, codes 0xFD..0xFF of widths
// 0, 3, 2 and sizes 0, 2, 1 units.
//   0xFE: (code 2, ink) (0, paper) (0, ink) (3, paper): a run of 5 crosses
//         into column 1, the third token crosses bytes, the run of 11
//         ends the glyph with 6 pixels to spare; bits 12-31 are junk.
//         bits 0-7: 011 000 00 = 0x06   bits 8-15: 1 110 1111 = 0xF7   0xFF 0xFF
//   0xFF: (code 1, paper) (1, ink) (0, ink) (2, paper): 2 pixels to spare.
//         bits 0-7: 100 101 00 = 0x29   bits 8-11: 1 010 = 0x05
const VR_Font kRunHigh[] = {0, 23, 0, 4, 0x81, 0xFD, 0xFF, 0,    3,    2,    2,   2,
                            5, 11, 0, 2, 1,    0x06, 0xF7, 0xFF, 0xFF, 0x29, 0x05};

// Plain, height 3, '.'..'H' all of width 5 (advance 6); the top row of the
// glyph of '.' + i holds the bits of i + 1, the other rows are paper.
std::vector<uint8_t> fiveWideFont() {
    const uint8_t first = '.', last = 'H', height = 3;
    std::vector<uint8_t> f{0, 0, 0, height, 0x01, first, last};
    f.insert(f.end(), last - first + 1, 5);
    std::vector<bool> bits;
    for (int i = 0; i <= last - first; ++i)
        for (int col = 0; col < 5; ++col)
            for (int row = 0; row < height; ++row) bits.push_back(row == 0 && ((i + 1) >> col & 1));
    f.resize(f.size() + (bits.size() + 7) / 8);
    const size_t glyphs = f.size() - (bits.size() + 7) / 8;
    for (size_t b = 0; b < bits.size(); ++b) f[glyphs + b / 8] |= uint8_t(bits[b] << (b % 8));
    vrfont::putLength(f.data(), f.size());
    return f;
}

class TextTest : public LibTest {
  protected:
    void SetUp() override {
        LibTest::SetUp();
        ASSERT_EQ(VR_RegisterColourTable(&kTable), 1);
        ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    }
    void use(const VR_Font *font) {
        const uint16_t id = VR_RegisterFont(font);
        ASSERT_NE(id, 0);
        ASSERT_EQ(VR_SetFont(id, 1), VR_OK);
        fake::clearCalls();
    }
    VR_Status draw(uint16_t x, uint16_t y, const char *text) {
        const VR_Point at{x, y};
        VR_StringParams s{text, 0};
        return VR_DrawString(&at, &s);
    }
};

TEST_F(TextTest, SingleByteGlyphsOfBothEncodingsInExactPixelOrder) {
    use(kPlain15);
    ASSERT_EQ(draw(10, 20, "a"), VR_OK);
    struct Px {
        uint16_t x, y;
        VR_Colour c;
    };
    const Px expected[] = {{10, 20, kInk},   {10, 21, kPaper}, {10, 22, kInk},
                           {11, 20, kPaper}, {11, 21, kInk},   {11, 22, kPaper},
                           {12, 20, kPaper}, {12, 21, kPaper}, {12, 22, kPaper}};
    const auto set = fake::callsOf(fake::Fn::SetPixel);
    ASSERT_EQ(set.size(), std::size(expected));
    for (size_t i = 0; i < set.size(); ++i) {
        EXPECT_EQ(set[i].point.x, expected[i].x) << i;
        EXPECT_EQ(set[i].point.y, expected[i].y) << i;
        EXPECT_EQ(set[i].colour, word(expected[i].c)) << i;
    }

    use(kRun2D);
    ASSERT_EQ(draw(0, 0, "x"), VR_OK);
    EXPECT_EQ(art(0, 0, 3, 4), "#-.\n#-.\n#-.\n#-.\n");
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 8u);
}

TEST_F(TextTest, PlainZeroWidthGlyphAndAGlyphAcrossBytes) {
    use(kPlainAbc);
    ASSERT_EQ(draw(0, 0, "abc"), VR_OK);
    EXPECT_EQ(art(0, 0, 9, 3),
              "#---#-#-.\n"
              "-#--#-#-.\n"
              "#---#---.\n");
}

TEST_F(TextTest, CodesAbove127DrawTheirOwnGlyphs) {
    use(kPlainHigh);
    ASSERT_EQ(draw(0, 0, "\xFF\xFE"), VR_OK);
    EXPECT_EQ(art(0, 0, 5, 4),
              "#--#-\n"
              "##---\n"
              "##---\n"
              "#--#-\n");

    use(kRunHigh);
    ASSERT_EQ(draw(0, 10, "\xFE\xFD\xFF"), VR_OK);
    EXPECT_EQ(art(0, 10, 9, 4),
              "##----#-.\n"
              "#-------.\n"
              "##---#--.\n"
              "#----#--.\n");
    // Surplus pixels of a glyph's last run are written nowhere.
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 8u * 4);
}

TEST_F(TextTest, TextPointerEndsAtTheZeroSoASecondDrawDrawsNothing) {
    use(kPlainAbc);
    const char *text = "ab";
    const VR_Point at{0, 0};
    VR_StringParams s{text, 0};
    ASSERT_EQ(VR_DrawString(&at, &s), VR_OK);
    EXPECT_EQ(s.text, text + 2);
    ASSERT_EQ(fake::callsOf(fake::Fn::Graphic).at(0).code, uint32_t(VR_GF_STRING));

    fake::clearCalls();
    EXPECT_EQ(VR_DrawString(&at, &s), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

TEST_F(TextTest, CharacterOutsideTheFontFailsBeforeAnyPixel) {
    use(kPlainAbc);
    const VR_Point at{0, 0};
    for (const char *text : {"ab`", "ab\xE1", "d"}) {
        VR_StringParams s{text, 0};
        EXPECT_EQ(VR_DrawString(&at, &s), VR_ERR_RANGE) << text;
        EXPECT_EQ(s.text, text);
    }
    EXPECT_EQ(VR_DrawSymbol(&at, 'd'), VR_ERR_RANGE);
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_AUTO), VR_OK);
    EXPECT_EQ(draw(0, 0, "a\x7F"), VR_ERR_RANGE);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
}

TEST_F(TextTest, OnlyTheStartIsTestedAgainstTheWindow) {
    use(kPlainAbc);
    const VR_Point origin{10, 10};
    const VR_Size size{20, 20};
    ASSERT_EQ(VR_SetActiveWindow(&origin, &size), VR_OK);
    fake::clearCalls();
    EXPECT_EQ(draw(30, 15, "a"), VR_ERR_RANGE);
    EXPECT_EQ(draw(15, 30, "a"), VR_ERR_RANGE);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);

    // Starting on the last column, the cell runs on past the window unclipped.
    ASSERT_EQ(draw(29, 29, "ac"), VR_OK);
    EXPECT_EQ(art(29, 29, 8, 3),
              "#--#-#-.\n"
              "-#-#-#-.\n"
              "#--#---.\n");
    // A start left of and above the window is accepted.
    EXPECT_EQ(draw(0, 0, "b"), VR_OK);
    EXPECT_TRUE(fake::written(0, 0));
}

// A cell reaching past 65535 is cut there: the rest used to wrap round and
// land on the panel's left or top edge.
TEST_F(TextTest, ACellPast65535IsCutThereInsteadOfWrappingOntoThePanel) {
    use(kPlainAbc);
    struct Case {
        const char *what;
        uint16_t winX, winY, winW, winH;  // each window reaches 65535
        uint16_t x, y;
        const char *text;  // "" draws 'c' as a symbol
        size_t pixels;     // those that fit below 65536
    };
    const Case cases[] = {
        {"string at x 65530", 65000, 0, 536, 240, 65530, 10, "acacacac", 6 * 3},
        {"symbol at x 65534", 65000, 0, 536, 240, 65534, 10, "", 2 * 3},
        {"string at y 65534", 0, 65000, 320, 536, 10, 65534, "ac", 7 * 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        fake::reset(320, 240);
        vrtest::setWindow(c.winX, c.winY, c.winW, c.winH);
        const VR_Point at{c.x, c.y};
        ASSERT_EQ(*c.text ? draw(c.x, c.y, c.text) : VR_DrawSymbol(&at, 'c'), VR_OK);
        const auto set = fake::callsOf(fake::Fn::SetPixel);
        EXPECT_EQ(set.size(), c.pixels);
        size_t wrapped = 0;  // calls before the start position
        for (const fake::Call &p : set) wrapped += p.point.x < c.x || p.point.y < c.y;
        EXPECT_EQ(wrapped, 0u);
        int panelPixels = 0;
        for (uint16_t y = 0; y < 240; ++y)
            for (uint16_t x = 0; x < 320; ++x) panelPixels += fake::written(x, y);
        EXPECT_EQ(panelPixels, 0);
    }
}

TEST_F(TextTest, AutomaticModeRefreshesTheTextCellAndReturnsItsStatus) {
    use(kPlainAbc);
    ASSERT_EQ(draw(5, 6, "abc"), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);  // manual mode

    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_AUTO), VR_OK);
    ASSERT_EQ(draw(5, 6, "abc"), VR_OK);
    ASSERT_EQ(fake::calls().back().fn, fake::Fn::RefreshArea);
    EXPECT_EQ(fake::calls().back().point.x, 5);
    EXPECT_EQ(fake::calls().back().point.y, 6);
    EXPECT_EQ(fake::calls().back().size.width, 8);
    EXPECT_EQ(fake::calls().back().size.height, 3);

    fake::clearCalls();
    ASSERT_EQ(draw(5, 6, ""), VR_OK);
    ASSERT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    ASSERT_EQ(fake::count(fake::Fn::RefreshArea), 1u);
    EXPECT_EQ(fake::calls().back().size.width, 0);
    EXPECT_EQ(fake::calls().back().size.height, 3);

    fake::forceStatus(fake::Fn::RefreshArea, 301);
    EXPECT_EQ(draw(5, 6, "a"), 301);
}

TEST_F(TextTest, SymbolDrawsOneCharacterAndZeroDrawsNothing) {
    use(kPlainAbc);
    const VR_Point at{1, 1};
    ASSERT_EQ(VR_DrawSymbol(&at, 'c'), VR_OK);
    EXPECT_EQ(fake::callsOf(fake::Fn::Graphic).at(0).code, uint32_t(VR_GF_SYMBOL));
    EXPECT_EQ(art(0, 0, 6, 5),
              "......\n"
              ".#-#-.\n"
              ".#-#-.\n"
              ".#---.\n"
              "......\n");
    fake::clearCalls();
    EXPECT_EQ(VR_DrawSymbol(&at, 0), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

TEST_F(TextTest, NullPointersGiveOne) {
    use(kPlainAbc);
    const VR_Point at{0, 0};
    VR_Window win{0, 0, 320, 240};
    VR_StringParams s{"a", 0};
    VR_StringParams noText{nullptr, 0};
    uint8_t symbol = 'a';
    VR_StringSizedParams sized{"a", 10, 0, "."};
    EXPECT_EQ(VR_DrawString(nullptr, &s), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawString(&at, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawString(&at, &noText), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_STRING, &at, nullptr, &s), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_SYMBOL, &at, nullptr, &symbol), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_SYMBOL, &at, &win, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_STRING_SIZED, &at, nullptr, &sized), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawStringSized(nullptr, "a", 10, "."), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawStringSized(&at, nullptr, 10, "."), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

class SizedTest : public TextTest {
  protected:
    void SetUp() override {
        TextTest::SetUp();
        use(font.data());
    }
    // The row of 3 pixels at y of what was drawn there, 60 columns wide.
    std::string drawn(uint16_t y) { return art(0, y, 60, 3); }
    std::string reference(const char *text) {
        EXPECT_EQ(draw(0, 100, text), VR_OK);
        return drawn(100);
    }
    std::vector<uint8_t> font = fiveWideFont();
};

TEST_F(SizedTest, CutsBeforeTheCharacterThatReachesTheRoomLeftBesideTheSuffix) {
    const VR_Point at{0, 0}, below{0, 10}, further{0, 20};
    // Worked example: advances 6, width 40, suffix 18: room 22, sums 6 12 18 24.
    ASSERT_EQ(VR_DrawStringSized(&at, "ABCDEFGH", 40, "..."), VR_OK);
    EXPECT_EQ(fake::callsOf(fake::Fn::Graphic).at(0).code, uint32_t(VR_GF_STRING_SIZED));
    EXPECT_EQ(drawn(0), reference("ABC..."));
    // Exactly as wide as the maximum: cut.
    ASSERT_EQ(VR_DrawStringSized(&below, "ABCDEFGH", 48, "..."), VR_OK);
    EXPECT_EQ(drawn(10), reference("ABCD..."));
    // Narrower: drawn unchanged.
    ASSERT_EQ(VR_DrawStringSized(&further, "ABCDEFGH", 49, "..."), VR_OK);
    EXPECT_EQ(drawn(20), reference("ABCDEFGH"));

    // The caller's record is read, never advanced.
    VR_Window win{0, 0, 320, 240};
    VR_StringSizedParams sized{"ABCDEFGH", 49, 0, "..."};
    ASSERT_EQ(StdGraphicFunctions(VR_GF_STRING_SIZED, &at, &win, &sized), VR_OK);
    EXPECT_STREQ(sized.text, "ABCDEFGH");
}

TEST_F(SizedTest, RefusesWhatCannotBeFitted) {
    const VR_Point edge{280, 0}, inside{279, 0};
    EXPECT_EQ(VR_DrawStringSized(&edge, "A", 40, "."), VR_ERR_PARAM);             // 280 + 40 == window edge
    EXPECT_EQ(VR_DrawStringSized(&inside, "ABCDEFGH", 18, "..."), VR_ERR_PARAM);  // suffix as wide
    EXPECT_EQ(VR_DrawStringSized(&inside, "AB`", 18, "..."), VR_ERR_RANGE);
    EXPECT_EQ(VR_DrawStringSized(&inside, "ABCDEFGH", 18, ".z"), VR_ERR_RANGE);
    EXPECT_EQ(VR_DrawStringSized(&inside, "ABCDEFGH", 18, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    // One pixel more than the suffix: no character is kept.
    ASSERT_EQ(VR_DrawStringSized(&inside, "ABCDEFGH", 19, "..."), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 18u * 3);
}

TEST_F(SizedTest, CompositionNeverExceeds255Characters) {
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_AUTO), VR_OK);
    const VR_Point at{0, 0};
    VR_Window wide{0, 0, 4000, 240};
    const std::string text(300, 'A');
    // Room 1682 would keep 280 characters; 252 fit before the suffix.
    VR_StringSizedParams sized{text.c_str(), 1700, 0, "..."};
    ASSERT_EQ(StdGraphicFunctions(VR_GF_STRING_SIZED, &at, &wide, &sized), VR_OK);
    EXPECT_EQ(fake::calls().back().size.width, 255 * 6);
    const auto set = fake::callsOf(fake::Fn::SetPixel);
    ASSERT_EQ(set.size(), 255u * 6 * 3);
    // Top-left pixel of character 251 ('A': paper) and of 252 ('.': ink).
    EXPECT_EQ(set[251 * 6 * 3].colour, word(kPaper));
    EXPECT_EQ(set[252 * 6 * 3].colour, word(kInk));

    // A suffix that alone overflows the buffer cannot be drawn.
    const std::string longText(600, 'A'), longSuffix(256, '.');
    VR_StringSizedParams overlong{longText.c_str(), 3000, 0, longSuffix.c_str()};
    fake::clearCalls();
    EXPECT_EQ(StdGraphicFunctions(VR_GF_STRING_SIZED, &at, &wide, &overlong), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

// Runs in a freshly started process (the threadsafe death-test style
// re-executes the binary), the only way to see the library before its first
// VR_SetFont. The text lies on an unreadable page: touching it would crash.
int textWithoutAFont() {
    fake::reset();
    if (VR_InitVRLib(ignoreHardKey) != VR_OK) return 1;
    const VR_Colour colours[] = {kPaper, kInk};
    const VR_ColourTable table{2, 0, colours};
    VR_RegisterColourTable(&table);
    VR_RegisterFont(kPlainAbc);
    VR_SetFont(1, 9);  // refused: no font becomes current
    fake::clearCalls();

    void *page = mmap(nullptr, 4096, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (page == MAP_FAILED) return 2;
    const char *unreadable = static_cast<const char *>(page);
    int faults = 0;
    auto expect = [&faults](bool ok, const char *what) {
        if (ok) return;
        std::fprintf(stderr, "failed: %s\n", what);
        ++faults;
    };
    uint16_t font = 9, tableId = 9;
    expect(VR_GetFont(&font, &tableId) == VR_OK && font == 0 && tableId == 0, "ids 0 and 0");
    const VR_Point at{0, 0};
    VR_StringParams s{unreadable, 0};
    expect(VR_DrawString(&at, &s) == VR_ERR_FONT && s.text == unreadable, "string");
    expect(VR_DrawSymbol(&at, 'a') == VR_ERR_FONT, "symbol");
    expect(VR_DrawStringSized(&at, unreadable, 40, unreadable) == VR_ERR_FONT, "sized");
    VR_Size size{7, 7};
    expect(VR_GetStringDimension(unreadable, &size) == VR_ERR_FONT && size.width == 7 && size.height == 7,
           "measure");
    expect(fake::count(fake::Fn::SetPixel) == 0 && fake::count(fake::Fn::RefreshArea) == 0, "untouched");
    return faults;
}

TEST(TextDeathTest, BeforeTheFirstFontTextFailsWithFourAndReadsNothing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(std::exit(textWithoutAFont()), ::testing::ExitedWithCode(0), "");
}

}  // namespace
