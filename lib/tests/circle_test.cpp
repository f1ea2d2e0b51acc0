// Circles: the outline's pixels and their order, clipping to the window
// and to the coordinate space, the last pixel's status, the full refresh.
#include <algorithm>
#include <set>
#include <vector>

#include "active_window.h"
#include "lib_fixture.h"
#include "pixel_calls.h"

namespace {

const VR_Colour kInk = rgb(1, 2, 3);
const std::map<uint32_t, char> kLegend{{word(kInk), 'o'}};

class CircleTest : public LibTest {
  protected:
    VR_Status circle(uint16_t cx, uint16_t cy, uint16_t r) {
        VR_Point c{cx, cy};
        VR_CircleParams p{r, kInk};
        return VR_DrawCircle(&c, &p);
    }
};

std::set<XY> distinct(const std::vector<XY> &v) { return {v.begin(), v.end()}; }

// ----------------------------------------------------------- pixel sets

TEST_F(CircleTest, RadiusZeroIsRefusedWithoutDrawingOrRefreshing) {
    EXPECT_EQ(circle(50, 50, 0), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
}

TEST_F(CircleTest, RadiusOneIsTheFourAxisPoints) {
    EXPECT_EQ(circle(50, 50, 1), VR_OK);
    EXPECT_EQ(pixelCalls(), (std::vector<XY>{{50, 51}, {50, 49}, {51, 50}, {49, 50}}));
}

TEST_F(CircleTest, RadiusTwoInDrawingOrder) {
    EXPECT_EQ(circle(10, 10, 2), VR_OK);
    const std::vector<XY> expected{
        {10, 12}, {10, 8}, {12, 10}, {8, 10},                                       // axis points
        {11, 12}, {9, 12}, {11, 8},  {9, 8},  {12, 11}, {8, 11}, {12, 9}, {8, 9},   // x = 1, y = 2
        {12, 11}, {8, 11}, {12, 9},  {8, 9},  {11, 12}, {9, 12}, {11, 8}, {9, 8}};  // x = 2, y = 1
    EXPECT_EQ(pixelCalls(), expected);
    EXPECT_EQ(distinct(expected).size(), 12u);
    EXPECT_EQ(fake::ascii(8, 8, 5, 5, kLegend),
              ".ooo.\n"
              "o...o\n"
              "o...o\n"
              "o...o\n"
              ".ooo.\n");
}

TEST_F(CircleTest, RadiusThreeSetsSixteenPixels) {
    EXPECT_EQ(circle(10, 10, 3), VR_OK);
    EXPECT_EQ(distinct(pixelCalls()).size(), 16u);
    EXPECT_EQ(fake::ascii(7, 7, 7, 7, kLegend),
              "..ooo..\n"
              ".o...o.\n"
              "o.....o\n"
              "o.....o\n"
              "o.....o\n"
              ".o...o.\n"
              "..ooo..\n");
}

TEST_F(CircleTest, LargerCircleIsSymmetricAndClosed) {
    EXPECT_EQ(circle(50, 50, 20), VR_OK);
    const std::set<XY> pts = distinct(pixelCalls());
    for (const XY &p : pts) {
        const int dx = p.first - 50, dy = p.second - 50;
        EXPECT_TRUE(pts.count({50 - dx, 50 + dy}) && pts.count({50 + dx, 50 - dy}) &&
                    pts.count({50 + dy, 50 + dx}));
        const int d2 = dx * dx + dy * dy;
        EXPECT_GE(d2, 19 * 19);
        EXPECT_LE(d2, 21 * 21);
    }
    // Closed: every pixel has a neighbour on each side along the outline.
    for (const XY &p : pts) {
        int neighbours = 0;
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if ((dx || dy) && pts.count({p.first + dx, p.second + dy})) ++neighbours;
        EXPECT_GE(neighbours, 2);
    }
}

// --------------------------------------------------------------- clipping

TEST_F(CircleTest, NearTheTopLeftCornerOnlyPointsOnTheDisplayAreSet) {
    EXPECT_EQ(circle(1, 1, 3), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 5, 5, kLegend),
              "....o\n"
              "....o\n"
              "....o\n"
              "...o.\n"
              "ooo..\n");
    for (const XY &p : pixelCalls()) EXPECT_TRUE(p.first <= 4 && p.second <= 4);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 8u);  // (3, 3) is an octant border: set twice
}

TEST_F(CircleTest, PointsOutsideTheActiveWindowAreSkipped) {
    vrtest::setWindow(10, 10, 5, 5);
    EXPECT_EQ(circle(12, 12, 3), VR_OK);
    EXPECT_EQ(fake::ascii(9, 9, 7, 7, kLegend),
              ".......\n"
              ".o...o.\n"
              ".......\n"
              ".......\n"
              ".......\n"
              ".o...o.\n"
              ".......\n");
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 8u);
}

TEST_F(CircleTest, NothingWrapsAroundTheCoordinateSpace) {
    // A window reaching past 65535: points beyond it must not land at x = 0, 1.
    vrtest::setWindow(60000, 0, 65535, 100);
    EXPECT_EQ(circle(65533, 40, 3), VR_ERR_DRIVER);  // the display refuses them all
    EXPECT_FALSE(pixelCalls().empty());
    for (const XY &p : pixelCalls()) EXPECT_GE(p.first, 65530);
    // Far from the origin every point of the outline is set, the top one too.
    vrtest::setWindow(0, 0, 65535, 65535);
    circle(40000, 40000, 2);
    const std::set<XY> expected{{40000, 40002}, {40000, 39998}, {40002, 40000}, {39998, 40000},
                                {40001, 40002}, {39999, 40002}, {40001, 39998}, {39999, 39998},
                                {40002, 40001}, {39998, 40001}, {40002, 39999}, {39998, 39999}};
    EXPECT_EQ(distinct(pixelCalls()), expected);
}

// -------------------------------------------------- status and refresh

TEST_F(CircleTest, ReturnsTheStatusOfTheLastPixelSet) {
    // Only (100, 239) lies on the 320 x 240 display; the last point does not.
    vrtest::setWindow(0, 0, 400, 400);
    EXPECT_EQ(circle(100, 240, 1), VR_ERR_DRIVER);
    EXPECT_EQ(fake::ascii(99, 238, 3, 3, kLegend), "...\n.o.\n...\n");
    // Here (320, 100) is refused but the last point, (318, 100), is set.
    EXPECT_EQ(circle(319, 100, 1), VR_OK);
    fake::forceStatus(fake::Fn::SetPixel, 300);
    EXPECT_EQ(circle(50, 50, 5), 300);
}

TEST_F(CircleTest, WithNoPixelInsideTheWindowTheStatusIs0) {
    vrtest::setWindow(200, 200, 10, 10);
    EXPECT_EQ(circle(20, 20, 5), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

TEST_F(CircleTest, RequestsOneFullRefreshInEveryModeAfterItsPixels) {
    for (int32_t mode : {0, 1, -1}) {
        ASSERT_EQ(VR_SetUpdateMode(mode), VR_OK);
        fake::clearCalls();
        fake::forceStatus(fake::Fn::Refresh, 302);  // ignored
        EXPECT_EQ(circle(30, 30, 4), VR_OK);
        EXPECT_EQ(fake::count(fake::Fn::Refresh), 1u);
        EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
        EXPECT_EQ(fake::calls().back().fn, fake::Fn::Refresh);
    }
}

TEST_F(CircleTest, NullArgumentsGive1) {
    VR_Point c{5, 5};
    VR_CircleParams p{2, kInk};
    VR_Window w{0, 0, 320, 240};
    EXPECT_EQ(VR_DrawCircle(nullptr, &p), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawCircle(&c, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_CIRCLE, &c, nullptr, &p), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_CIRCLE, &c, &w, &p), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 20u);
}

}  // namespace
