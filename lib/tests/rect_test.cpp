// Rectangles: border, the six fill patterns, clipping to the active window,
// statuses and the area refresh of automatic mode.
#include <string>
#include <vector>

#include "active_window.h"
#include "lib_fixture.h"
#include "pixel_calls.h"

namespace {

const VR_Colour kBorder = rgb(200, 0, 0);
const VR_Colour kOne = rgb(0, 0, 200);
const VR_Colour kZero = rgb(0, 200, 0);
const std::map<uint32_t, char> kLegend{{word(kBorder), 'B'}, {word(kOne), '#'}, {word(kZero), '-'}};

VR_RectParams rect(uint16_t w, uint16_t h, uint16_t border, int32_t pattern) {
    return VR_RectParams{w, h, kBorder, kOne, kZero, border, 0, pattern};
}

class RectTest : public LibTest {
  protected:
    void SetUp() override {
        LibTest::SetUp();
        ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    }
    VR_Status draw(uint16_t x, uint16_t y, const VR_RectParams &r) {
        VR_Point p{x, y};
        return VR_DrawRect(&p, &r);
    }
};

// Row-major list of every point of [x, x+w) x [y, y+h), optionally without
// the interior [x+b, x+w-b) x [y+b, y+h-b).
std::vector<XY> rowMajor(int x, int y, int w, int h, int skipInteriorBorder = -1) {
    std::vector<XY> out;
    for (int row = y; row < y + h; ++row)
        for (int col = x; col < x + w; ++col) {
            const int b = skipInteriorBorder;
            if (b >= 0 && col >= x + b && col < x + w - b && row >= y + b && row < y + h - b) continue;
            out.emplace_back(col, row);
        }
    return out;
}

// ------------------------------------------------------------ fill patterns

struct PatternCase {
    int pattern;
    const char *art;  // 12 x 9 around a 10 x 7 rectangle at (1, 1), border 1
};

const PatternCase kPatternCases[] = {
    {VR_FILL_COLOUR1,
     "............\n"
     ".BBBBBBBBBB.\n"
     ".B########B.\n"
     ".B########B.\n"
     ".B########B.\n"
     ".B########B.\n"
     ".B########B.\n"
     ".BBBBBBBBBB.\n"
     "............\n"},
    {VR_FILL_COLOUR0,
     "............\n"
     ".BBBBBBBBBB.\n"
     ".B--------B.\n"
     ".B--------B.\n"
     ".B--------B.\n"
     ".B--------B.\n"
     ".B--------B.\n"
     ".BBBBBBBBBB.\n"
     "............\n"},
    {VR_FILL_CHECKER,
     "............\n"
     ".BBBBBBBBBB.\n"
     ".B#-#-#-#-B.\n"
     ".B-#-#-#-#B.\n"
     ".B#-#-#-#-B.\n"
     ".B-#-#-#-#B.\n"
     ".B#-#-#-#-B.\n"
     ".BBBBBBBBBB.\n"
     "............\n"},
    {VR_FILL_HATCH,
     "............\n"
     ".BBBBBBBBBB.\n"
     ".B#--##--#B.\n"
     ".B--#---#-B.\n"
     ".B-#---#--B.\n"
     ".B#--##--#B.\n"
     ".B#--##--#B.\n"
     ".BBBBBBBBBB.\n"
     "............\n"},
    {VR_FILL_STRIPES,
     "............\n"
     ".BBBBBBBBBB.\n"
     ".B##--##--B.\n"
     ".B#--##--#B.\n"
     ".B--##--##B.\n"
     ".B-##--##-B.\n"
     ".B##--##--B.\n"
     ".BBBBBBBBBB.\n"
     "............\n"},
    {VR_FILL_FRAME_ONLY,
     "............\n"
     ".BBBBBBBBBB.\n"
     ".B........B.\n"
     ".B........B.\n"
     ".B........B.\n"
     ".B........B.\n"
     ".B........B.\n"
     ".BBBBBBBBBB.\n"
     "............\n"},
};

TEST_F(RectTest, EachPatternDrawsItsCellsAnchoredAtTheInteriorInRowOrder) {
    for (const PatternCase &c : kPatternCases) {
        SCOPED_TRACE("pattern " + std::to_string(c.pattern));
        fake::reset(320, 240);
        EXPECT_EQ(draw(1, 1, rect(10, 7, 1, c.pattern)), VR_OK);
        EXPECT_EQ(fake::ascii(0, 0, 12, 9, kLegend), c.art);
        // Each pixel exactly once, rows top to bottom, columns left to right.
        EXPECT_EQ(pixelCalls(), rowMajor(1, 1, 10, 7, c.pattern == VR_FILL_FRAME_ONLY ? 1 : -1));
    }
}

TEST_F(RectTest, FrameOnlyLeavesTheInteriorUnchanged) {
    fake::setPixelDirect(3, 3, 0x12345678);
    EXPECT_EQ(draw(1, 1, rect(5, 5, 1, VR_FILL_FRAME_ONLY)), VR_OK);
    EXPECT_EQ(fake::pixel(3, 3), 0x12345678u);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 16u);
}

TEST_F(RectTest, WideBorderAnchorsThePatternInsideIt) {
    EXPECT_EQ(draw(0, 0, rect(9, 8, 2, VR_FILL_STRIPES)), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 9, 8, kLegend),
              "BBBBBBBBB\n"
              "BBBBBBBBB\n"
              "BB##--#BB\n"
              "BB#--##BB\n"
              "BB--##-BB\n"
              "BB-##--BB\n"
              "BBBBBBBBB\n"
              "BBBBBBBBB\n");
}

TEST_F(RectTest, WithoutBorderThePatternFillsEverything) {
    EXPECT_EQ(draw(0, 0, rect(3, 2, 0, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(draw(0, 3, rect(3, 2, 0, VR_FILL_COLOUR0)), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 3, 5, kLegend), "###\n###\n...\n---\n---\n");
}

// ------------------------------------------------ too small for a pattern

TEST_F(RectTest, RectangleNotWiderAndTallerThanTwiceTheBorderIsAllBorder) {
    // 6 is not greater than 2 x 3.
    EXPECT_EQ(draw(0, 0, rect(10, 6, 3, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 11, 7, kLegend),
              "BBBBBBBBBB.\n"
              "BBBBBBBBBB.\n"
              "BBBBBBBBBB.\n"
              "BBBBBBBBBB.\n"
              "BBBBBBBBBB.\n"
              "BBBBBBBBBB.\n"
              "...........\n");
    EXPECT_EQ(pixelCalls(), rowMajor(0, 0, 10, 6));
}

TEST_F(RectTest, SmallestPatternedRectangleHasOneInteriorPixel) {
    EXPECT_EQ(draw(0, 0, rect(3, 3, 1, VR_FILL_COLOUR0)), VR_OK);
    EXPECT_EQ(draw(4, 0, rect(2, 3, 1, VR_FILL_COLOUR0)), VR_OK);  // width 2 = 2 x 1: border only
    EXPECT_EQ(fake::ascii(0, 0, 6, 3, kLegend), "BBB.BB\nB-B.BB\nBBB.BB\n");
}

TEST_F(RectTest, ZeroSizeDrawsNothing) {
    EXPECT_EQ(draw(5, 5, rect(0, 4, 0, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(draw(5, 5, rect(4, 0, 0, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

// --------------------------------------------------------------- clipping

TEST_F(RectTest, ClippedAtLeftAndTopKeepsThePatternAnchor) {
    vrtest::setWindow(3, 2, 20, 20);
    // The rectangle starts left of and above the window: accepted.
    EXPECT_EQ(draw(1, 0, rect(8, 7, 1, VR_FILL_CHECKER)), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 10, 8, kLegend),
              "..........\n"
              "..........\n"
              "...#-#-#B.\n"
              "...-#-#-B.\n"
              "...#-#-#B.\n"
              "...-#-#-B.\n"
              "...BBBBBB.\n"
              "..........\n");
    EXPECT_EQ(pixelCalls(), rowMajor(3, 2, 6, 5));
}

TEST_F(RectTest, ClippedAtRightAndBottom) {
    vrtest::setWindow(0, 0, 6, 4);
    EXPECT_EQ(draw(2, 1, rect(8, 7, 1, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 10, 8, kLegend),
              "..........\n"
              "..BBBB....\n"
              "..B###....\n"
              "..B###....\n"
              "..........\n"
              "..........\n"
              "..........\n"
              "..........\n");
    EXPECT_EQ(pixelCalls(), rowMajor(2, 1, 4, 3));
}

TEST_F(RectTest, BorderOnlyRectangleIsClippedToo) {
    vrtest::setWindow(2, 2, 2, 2);
    EXPECT_EQ(draw(0, 0, rect(5, 5, 3, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(pixelCalls(), rowMajor(2, 2, 2, 2));
}

TEST_F(RectTest, RectangleWhollyLeftOfTheWindowDrawsNothingAndSucceeds) {
    vrtest::setWindow(50, 50, 10, 10);
    EXPECT_EQ(draw(10, 55, rect(40, 3, 1, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

TEST_F(RectTest, StartRightOfOrBelowTheWindowIsRefusedWith6) {
    vrtest::setWindow(10, 20, 30, 40);
    EXPECT_EQ(draw(40, 20, rect(4, 4, 1, VR_FILL_COLOUR1)), VR_ERR_RANGE);
    EXPECT_EQ(draw(10, 60, rect(4, 4, 1, VR_FILL_COLOUR1)), VR_ERR_RANGE);
    EXPECT_EQ(draw(39, 59, rect(4, 4, 1, VR_FILL_COLOUR1)), VR_OK);  // the last pixel inside
    EXPECT_EQ(pixelCalls(), (std::vector<XY>{{39, 59}}));
}

TEST_F(RectTest, RectanglePastTheLastCoordinateIsCutThereNotWrapped) {
    vrtest::setWindow(65520, 0, 65535, 10);
    EXPECT_EQ(draw(65530, 0, rect(20, 1, 0, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(pixelCalls(), rowMajor(65530, 0, 6, 1));
}

// --------------------------------------------------------------- statuses

TEST_F(RectTest, NullArgumentsGive1) {
    VR_Point p{0, 0};
    VR_RectParams r = rect(4, 4, 1, VR_FILL_COLOUR1);
    VR_Window w{0, 0, 320, 240};
    EXPECT_EQ(VR_DrawRect(nullptr, &r), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawRect(&p, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_RECT, &p, nullptr, &r), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_RECT, &p, &w, &r), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 16u);  // only the last call drew
}

TEST_F(RectTest, PatternOutside0To5Gives7BeforeThePositionCheck) {
    EXPECT_EQ(draw(0, 0, rect(4, 4, 1, 6)), VR_ERR_PATTERN);
    EXPECT_EQ(draw(0, 0, rect(4, 4, 1, -1)), VR_ERR_PATTERN);
    EXPECT_EQ(draw(400, 0, rect(4, 4, 1, 6)), VR_ERR_PATTERN);
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_AUTO), VR_OK);
    EXPECT_EQ(draw(0, 0, rect(4, 4, 1, 6)), VR_ERR_PATTERN);
    EXPECT_EQ(draw(400, 0, rect(4, 4, 1, VR_FILL_COLOUR1)), VR_ERR_RANGE);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
}

TEST_F(RectTest, RefusedPixelsAreIgnored) {
    fake::forceStatus(fake::Fn::SetPixel, 300);
    EXPECT_EQ(draw(318, 0, rect(4, 2, 0, VR_FILL_COLOUR1)), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 4u);  // every pixel inside the window tried
}

// --------------------------------------------------------- refresh rules

TEST_F(RectTest, AutomaticModeRefreshesTheRectangleAreaAndReturnsItsStatus) {
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_AUTO), VR_OK);
    EXPECT_EQ(draw(7, 9, rect(30, 20, 2, VR_FILL_HATCH)), VR_OK);
    const auto refreshes = fake::callsOf(fake::Fn::RefreshArea);
    ASSERT_EQ(refreshes.size(), 1u);
    EXPECT_EQ(refreshes[0].point.x, 7);
    EXPECT_EQ(refreshes[0].point.y, 9);
    EXPECT_EQ(refreshes[0].size.width, 30);
    EXPECT_EQ(refreshes[0].size.height, 20);
    EXPECT_EQ(fake::calls().back().fn, fake::Fn::RefreshArea);  // after the last pixel
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);

    fake::forceStatus(fake::Fn::RefreshArea, 301);
    EXPECT_EQ(draw(7, 9, rect(3, 3, 0, VR_FILL_COLOUR1)), 301);
}

TEST_F(RectTest, ManualModeRequestsNoRefresh) {
    fake::forceStatus(fake::Fn::RefreshArea, 301);
    EXPECT_EQ(draw(7, 9, rect(30, 20, 2, VR_FILL_HATCH)), VR_OK);
    ASSERT_EQ(VR_SetUpdateMode(-5), VR_OK);
    EXPECT_EQ(draw(7, 9, rect(30, 20, 2, VR_FILL_HATCH)), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
}

}  // namespace
