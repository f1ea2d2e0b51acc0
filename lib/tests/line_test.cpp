// Lines: Bresenham's pixels in drawing order, straight runs, no clipping
// and no refresh.
#include <vector>

#include "lib_fixture.h"
#include "pixel_calls.h"

namespace {

const VR_Colour kInk = rgb(10, 20, 30);

std::vector<XY> line(uint16_t x0, uint16_t y0, uint16_t x1, uint16_t y1, VR_Status expect = VR_OK) {
    fake::clearCalls();
    VR_LineParams p{x0, y0, x1, y1, kInk};
    EXPECT_EQ(VR_DrawLine(&p), expect);
    return pixelCalls();
}

using LineTest = LibTest;

// ------------------------------------------------------------ Bresenham

TEST_F(LineTest, XMajorStepsTheMinorCoordinateOnAZeroError) {
    EXPECT_EQ(line(0, 0, 4, 2), (std::vector<XY>{{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}}));
    // Drawn from the other end the set differs.
    EXPECT_EQ(line(4, 2, 0, 0), (std::vector<XY>{{4, 2}, {3, 1}, {2, 1}, {1, 0}, {0, 0}}));
    EXPECT_EQ(line(4, 0, 0, 2), (std::vector<XY>{{4, 0}, {3, 1}, {2, 1}, {1, 2}, {0, 2}}));
}

TEST_F(LineTest, YMajorInBothDirections) {
    EXPECT_EQ(line(0, 0, 2, 5), (std::vector<XY>{{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}}));
    EXPECT_EQ(line(2, 5, 0, 0), (std::vector<XY>{{2, 5}, {2, 4}, {1, 3}, {1, 2}, {0, 1}, {0, 0}}));
    EXPECT_EQ(line(12, 10, 10, 15),
              (std::vector<XY>{{12, 10}, {12, 11}, {11, 12}, {11, 13}, {10, 14}, {10, 15}}));
}

TEST_F(LineTest, EqualExtentsGiveAPerfectDiagonal) {
    EXPECT_EQ(line(5, 8, 2, 5), (std::vector<XY>{{5, 8}, {4, 7}, {3, 6}, {2, 5}}));
    EXPECT_EQ(line(0, 3, 3, 0), (std::vector<XY>{{0, 3}, {1, 2}, {2, 1}, {3, 0}}));
}

TEST_F(LineTest, ShallowLineAsAsciiArt) {
    line(1, 1, 11, 4);
    EXPECT_EQ(fake::ascii(0, 0, 13, 6, {{word(kInk), '*'}}),
              ".............\n"
              ".**..........\n"
              "...***.......\n"
              "......****...\n"
              "..........**.\n"
              ".............\n");
}

TEST_F(LineTest, ColourReachesTheDriverUnchanged) {
    VR_LineParams p{3, 3, 5, 4, VR_Colour{0xAB, 1, 2, 3}};
    EXPECT_EQ(VR_DrawLine(&p), VR_OK);
    for (const fake::Call &c : fake::callsOf(fake::Fn::SetPixel)) EXPECT_EQ(c.colour, word(p.colour));
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 3u);
}

// A line longer than half the coordinate space still runs from its start
// to its end in rising x, stepping y evenly.
TEST_F(LineTest, VeryLongLineRunsFromStartToEndWithEvenSteps) {
    const std::vector<XY> pts = line(0, 0, 40000, 2);
    ASSERT_EQ(pts.size(), 40001u);
    int ySteps = 0;
    for (size_t i = 0; i < pts.size(); ++i) {
        ASSERT_EQ(pts[i].first, int(i));
        if (i > 0 && pts[i].second != pts[i - 1].second) {
            ASSERT_EQ(pts[i].second, pts[i - 1].second + 1);
            ++ySteps;
        }
    }
    EXPECT_EQ(ySteps, 2);
    // y steps where the ideal line crosses 0.5 and 1.5.
    EXPECT_EQ(pts[9999].second, 0);
    EXPECT_EQ(pts[10000].second, 1);
    EXPECT_EQ(pts[29999].second, 1);
    EXPECT_EQ(pts[30000].second, 2);
    EXPECT_EQ(pts.back(), XY(40000, 2));
}

// ----------------------------------------------------------- straight runs

TEST_F(LineTest, StraightRunsGoInRisingOrderBothEndsIncluded) {
    EXPECT_EQ(line(10, 10, 10, 10), (std::vector<XY>{{10, 10}}));
    EXPECT_EQ(line(5, 20, 1, 20), (std::vector<XY>{{1, 20}, {2, 20}, {3, 20}, {4, 20}, {5, 20}}));
    EXPECT_EQ(line(1, 20, 5, 20), (std::vector<XY>{{1, 20}, {2, 20}, {3, 20}, {4, 20}, {5, 20}}));
    EXPECT_EQ(line(3, 9, 3, 6), (std::vector<XY>{{3, 6}, {3, 7}, {3, 8}, {3, 9}}));
}

TEST_F(LineTest, RunsEndingAt65535StopThere) {
    EXPECT_EQ(line(7, 65535, 7, 65533), (std::vector<XY>{{7, 65533}, {7, 65534}, {7, 65535}}));
    EXPECT_EQ(line(65535, 4, 65534, 4), (std::vector<XY>{{65534, 4}, {65535, 4}}));
    EXPECT_EQ(line(65535, 65535, 65535, 65535), (std::vector<XY>{{65535, 65535}}));
}

// ------------------------------------------- window, statuses, refresh

TEST_F(LineTest, IsNotClippedToTheActiveWindow) {
    VR_Point o{100, 100};
    VR_Size s{10, 10};
    ASSERT_EQ(VR_SetActiveWindow(&o, &s), VR_OK);
    EXPECT_EQ(line(0, 0, 3, 0).size(), 4u);
    EXPECT_EQ(fake::ascii(0, 0, 5, 1, {{word(kInk), '*'}}), "****.\n");
}

TEST_F(LineTest, RefusedPixelsAreIgnored) {
    // Runs off the display's right edge: those pixels are refused.
    EXPECT_EQ(line(317, 5, 322, 7).size(), 6u);
    fake::forceStatus(fake::Fn::SetPixel, 300);
    EXPECT_EQ(line(0, 0, 4, 2).size(), 5u);
}

TEST_F(LineTest, NoRefreshInEitherMode) {
    line(0, 0, 30, 7);
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    line(0, 0, 30, 7);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
}

TEST_F(LineTest, NullRecordOrWindowGives1) {
    EXPECT_EQ(VR_DrawLine(nullptr), VR_ERR_PARAM);
    VR_LineParams p{0, 0, 3, 3, kInk};
    EXPECT_EQ(StdGraphicFunctions(VR_GF_LINE, nullptr, nullptr, &p), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    const auto g = fake::callsOf(fake::Fn::Graphic);
    ASSERT_EQ(g.size(), 1u);
    EXPECT_TRUE(g[0].nullArg);  // the position is never passed
}

}  // namespace
