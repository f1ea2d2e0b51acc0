// Text boxes: line layout (wrap, line feeds, alignment, pitch, stop rule),
// justified lines, the line buffer and failures. Each line's text and
// position is taken from the string graphic functions on their way back
// into the renderer.
#include <string>
#include <vector>

#include "DDrv.h"
#include "lib_fixture.h"

namespace {

// A plain font covering ' ' .. '~' (and nothing below, so 0x01 is outside):
// every glyph 2 columns wide (advance 3) and solid ink, the space all paper.
std::vector<uint8_t> makeFont(uint8_t height) {
    const uint8_t first = ' ', last = '~';
    const int n = last - first + 1;
    std::vector<uint8_t> f{0, 0, 0, height, 0x01, first, last};
    f.insert(f.end(), n, 2);
    std::vector<uint8_t> bits(size_t(n) * 2 * height / 8 + 1, 0);
    for (int i = 1; i < n; ++i)  // glyph 0 is the space
        for (int b = i * 2 * height; b < (i + 1) * 2 * height; ++b) bits[b / 8] |= uint8_t(1 << (b % 8));
    f.insert(f.end(), bits.begin(), bits.end());
    f[0] = uint8_t(f.size() >> 8);
    f[1] = uint8_t(f.size());
    return f;
}

const VR_Colour kPaper = rgb(0, 0, 80), kInk = rgb(255, 255, 0), kBorder = rgb(200, 0, 0);
const VR_Colour kColours[2] = {kPaper, kInk};
const VR_ColourTable kTable{2, 0, kColours};
const std::map<uint32_t, char> kLegend{{word(kPaper), '_'}, {word(kInk), '#'}, {word(kBorder), 'B'}};

struct Line {
    std::string text;
    int x, y;
    uint32_t justification;
    bool operator==(const Line &) const = default;
};
std::ostream &operator<<(std::ostream &os, const Line &l) {
    return os << '"' << l.text << "\" at (" << l.x << ", " << l.y << ") word " << l.justification;
}
std::vector<Line> g_lines;

// Stands between the fake driver and the renderer to note each string.
VR_Status spy(uint32_t code, const VR_Point *pos, const VR_Window *win, void *params) {
    if (code == VR_GF_STRING && pos && params) {
        const auto *sp = static_cast<const VR_StringParams *>(params);
        g_lines.push_back({sp->text, pos->x, pos->y, sp->justification});
    }
    return StdGraphicFunctions(code, pos, win, params);
}

class TextBoxTest : public LibTest {
  protected:
    void SetUp() override {
        LibTest::SetUp();
        ASSERT_EQ(VR_RegisterFont(font4_.data()), 1);
        ASSERT_EQ(VR_RegisterFont(font16_.data()), 2);
        ASSERT_EQ(VR_RegisterFont(font0_.data()), 3);
        ASSERT_EQ(VR_RegisterColourTable(&kTable), 1);
        ASSERT_EQ(DDrv_InitDriver(spy, ignoreHardKey), VR_OK);
        g_lines.clear();
        fake::clearCalls();
    }

    static VR_Status box(uint16_t x, uint16_t y, uint16_t w, uint16_t h, const char *text, uint32_t align = 0,
                         uint32_t border = 0, uint8_t spacing = 0, uint16_t font = 1) {
        const VR_Point at{x, y};
        const VR_TextBoxParams p{w, h, font, 1, align, spacing, kBorder, {}, border, text};
        return VR_DrawTextBox(&at, &p);
    }

    static std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const Line &l : g_lines) out.push_back(l.text);
        return out;
    }

    static size_t rects() {
        size_t n = 0;
        for (const fake::Call &c : fake::callsOf(fake::Fn::Graphic)) n += c.code == VR_GF_RECT;
        return n;
    }

    std::vector<uint8_t> font4_ = makeFont(4), font16_ = makeFont(16), font0_ = makeFont(0);
};

using Texts = std::vector<std::string>;

TEST_F(TextBoxTest, WrapsAtTheLastSpaceOrInsideALongWord) {
    // Inner width 22: the scan stops at the character that reaches 24.
    EXPECT_EQ(box(0, 0, 24, 18, "aa bb cc dd abcdefghij"), VR_OK);
    EXPECT_EQ(texts(), (Texts{"aa bb", "cc dd", "abcdefgh", "ij"}));
    EXPECT_EQ(g_lines[3], (Line{"ij", 1, 13, 0}));

    // One pixel lower and the fourth line no longer fits.
    g_lines.clear();
    EXPECT_EQ(box(0, 0, 24, 17, "aa bb cc dd abcdefghij"), VR_OK);
    EXPECT_EQ(texts(), (Texts{"aa bb", "cc dd", "abcdefgh"}));
}

TEST_F(TextBoxTest, LineFeedsForceBreaksAndEmptyLines) {
    EXPECT_EQ(box(0, 0, 60, 40, "\nab\n\ncd"), VR_OK);
    EXPECT_EQ(g_lines, (std::vector<Line>{{"", 1, 1, 0}, {"ab", 1, 5, 0}, {"", 1, 9, 0}, {"cd", 1, 13, 0}}));
}

TEST_F(TextBoxTest, AlignmentsPlaceTheLine) {
    // Width 40, border 2, "abc" 9 wide: left after border and margin, centred
    // ignoring the border, right before border and margin.
    for (uint32_t align : {0u, 1u, 2u}) EXPECT_EQ(box(10, 20, 40, 20, "abc", align, 2), VR_OK);
    EXPECT_EQ(g_lines, (std::vector<Line>{{"abc", 13, 23, 0}, {"abc", 25, 23, 0}, {"abc", 38, 23, 0}}));

    // 76 glyphs = 228 pixels centred in 260 with border 2 start at +16; with
    // font height 16, border 2 and spacing 1 a 25-pixel box holds one line.
    g_lines.clear();
    const std::string wide = std::string(76, 'x') + "\nnext";
    EXPECT_EQ(box(4, 0, 260, 25, wide.c_str(), 1, 2, 1, 2), VR_OK);
    EXPECT_EQ(g_lines, (std::vector<Line>{{std::string(76, 'x'), 20, 3, 0}}));
}

TEST_F(TextBoxTest, FramedLeftAlignedTextIsOpaqueAndTheFontStaysCurrent) {
    EXPECT_EQ(box(0, 0, 9, 8, "ab", 0, 1), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 9, 8, kLegend),
              "BBBBBBBBB\n"
              "B.......B\n"
              "B.##_##_B\n"
              "B.##_##_B\n"
              "B.##_##_B\n"
              "B.##_##_B\n"
              "B.......B\n"
              "BBBBBBBBB\n");
    uint16_t font = 0, table = 0;
    ASSERT_EQ(VR_GetFont(&font, &table), VR_OK);
    EXPECT_EQ(font, 1);
    EXPECT_EQ(table, 1);
}

TEST_F(TextBoxTest, LinePitchFollowsTheSpacing) {
    const struct {
        uint8_t spacing;
        int pitch;
    } cases[] = {{0, 16}, {1, 17}, {5, 24}};
    for (const auto &c : cases) {
        g_lines.clear();
        EXPECT_EQ(box(0, 0, 60, 100, "a\nb", 0, 0, c.spacing, 2), VR_OK);
        ASSERT_EQ(g_lines.size(), 2u);
        EXPECT_EQ(g_lines[1].y - g_lines[0].y, c.pitch) << int(c.spacing);
    }
}

TEST_F(TextBoxTest, BoxesTooSmallForText) {
    // Border 1 and font height 4 need 2 + 4 + 2 rows.
    EXPECT_EQ(box(0, 0, 30, 7, "ab", 0, 1), VR_OK);
    EXPECT_TRUE(g_lines.empty());
    EXPECT_EQ(box(0, 0, 30, 8, "ab", 0, 1), VR_OK);
    EXPECT_EQ(texts(), Texts{"ab"});

    // Narrower than 2b + 2: every line that fits is empty.
    g_lines.clear();
    EXPECT_EQ(box(0, 20, 3, 14, "ab", 0, 1), VR_OK);
    EXPECT_EQ(texts(), (Texts{"", ""}));

    // A font of height 0 in such a box neither advances nor consumes text;
    // the box still ends.
    g_lines.clear();
    EXPECT_EQ(box(0, 40, 3, 14, "ab", 0, 1, 0, 3), VR_OK);
    EXPECT_EQ(texts(), Texts{""});
}

TEST_F(TextBoxTest, JustifiedLinesReachTheInnerRightEdge) {
    // Width 30, border 1: lines start at the inner column 2 like left-aligned
    // ones; "ab cd ef" (24 wide) widens its two gaps by 1 each so its last
    // cell is column 27, the inner right edge. The first word carries
    // 3 + (30 - 24) / 3. The paragraph's last line stays left-aligned.
    EXPECT_EQ(box(0, 0, 30, 12, "ab cd ef gh", 3, 1), VR_OK);
    EXPECT_EQ(g_lines,
              (std::vector<Line>{{"ab ", 2, 2, 5}, {"cd ", 12, 2, 0}, {"ef", 22, 2, 0}, {"gh", 2, 6, 3}}));
    EXPECT_EQ(rects(), 3u);  // frame and two gaps
    EXPECT_EQ(fake::ascii(0, 2, 30, 2, kLegend),
              "B.##_##_____##_##_____##_##_.B\n"
              "B.##_##_____##_##_____##_##_.B\n");

    // A single word cannot be spread.
    g_lines.clear();
    EXPECT_EQ(box(0, 20, 30, 10, "abcdefghijk", 3, 1), VR_OK);
    EXPECT_EQ(g_lines[0], (Line{"abcdefghi", 2, 22, 3}));

    // Without a frame a justified box starts at its own left edge and spreads
    // to one column short of its right edge.
    g_lines.clear();
    EXPECT_EQ(box(40, 40, 30, 12, "ab cd ef gh", 3, 0), VR_OK);
    EXPECT_EQ(g_lines, (std::vector<Line>{
                           {"ab ", 40, 41, 5}, {"cd ", 52, 41, 0}, {"ef", 63, 41, 0}, {"gh", 40, 45, 3}}));
}

TEST_F(TextBoxTest, JustifiedLinesNeverTouchTheFrame) {
    // Frames 1 to 3 wide around a text of spread lines, paragraph ends and a
    // word that fills a whole line: the frame stays whole and the one-pixel
    // margin inside it stays untouched on the left and right.
    const char *text = "aa b cc dd e ff\ngggggggggg hh ii\njj kk";
    for (uint32_t border : {1u, 2u, 3u}) {
        SCOPED_TRACE(border);
        const int w = 40, h = 40, b = int(border), left = 50 * b;
        ASSERT_EQ(box(uint16_t(left), 0, w, h, text, 3, border), VR_OK);
        const std::string art = fake::ascii(uint16_t(left), 0, w, h, kLegend);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const char c = art[size_t(y * (w + 1) + x)];
                const bool frame = x < b || y < b || x >= w - b || y >= h - b;
                const bool margin = !frame && (x == b || x == w - b - 1 || y == b || y == h - b - 1);
                if (frame) {
                    ASSERT_EQ(c, 'B') << x << ", " << y;
                } else if (margin) {
                    ASSERT_EQ(c, '.') << x << ", " << y;
                }
            }
        EXPECT_NE(art.find('#'), std::string::npos);
    }
}

TEST_F(TextBoxTest, LongLinesAreCutToTheBuffer) {
    const std::string text(150, 'a');
    EXPECT_EQ(box(0, 0, 600, 20, text.c_str()), VR_OK);
    EXPECT_EQ(texts(), (Texts{std::string(107, 'a'), std::string(43, 'a')}));
}

TEST_F(TextBoxTest, Failures) {
    EXPECT_EQ(box(0, 0, 30, 20, "ab", 9, 1), VR_ERR_PARAM);  // after the frame
    EXPECT_EQ(rects(), 1u);
    EXPECT_TRUE(g_lines.empty());

    EXPECT_EQ(box(0, 0, 30, 20, "ab\ncd\x01"), VR_ERR_RANGE);  // lines before stay
    EXPECT_EQ(texts(), Texts{"ab"});

    fake::clearCalls();
    EXPECT_EQ(box(0, 0, 30, 20, "ab", 0, 1, 0, 0), VR_ERR_PARAM);
    EXPECT_EQ(box(0, 0, 30, 20, "ab", 0, 1, 0, 7), VR_ERR_FONT);
    const VR_Point at{0, 0};
    const VR_TextBoxParams bad{30, 20, 1, 9, 0, 0, kBorder, {}, 1, "ab"};
    EXPECT_EQ(VR_DrawTextBox(&at, &bad), VR_ERR_COLOUR_TABLE);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);

    // A framed box starting right of the window fails at its frame.
    EXPECT_EQ(box(320, 0, 30, 20, "ab", 0, 1), VR_ERR_RANGE);
}

}  // namespace
