// Clearing: exactly the active window in the background colour, row by
// row, stopping at the first refused pixel; the full refresh of
// automatic mode.
#include <vector>

#include "active_window.h"
#include "lib_fixture.h"
#include "pixel_calls.h"

namespace {

const VR_Colour kBack = VR_Colour{0x5A, 9, 8, 7};  // byte 0 travels too

class ClearTest : public LibTest {
  protected:
    void SetUp() override {
        LibTest::SetUp();
        ASSERT_EQ(VR_SetBkColor(kBack), VR_OK);
    }
};

TEST_F(ClearTest, FillsExactlyTheActiveWindowRowByRow) {
    vrtest::setWindow(2, 1, 3, 2);
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 7, 4, {{word(kBack), 'x'}}),
              ".......\n"
              "..xxx..\n"
              "..xxx..\n"
              ".......\n");
    EXPECT_EQ(pixelCalls(), (std::vector<XY>{{2, 1}, {3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}}));
    const auto g = fake::callsOf(fake::Fn::Graphic);
    ASSERT_EQ(g.size(), 1u);
    EXPECT_EQ(g[0].code, uint32_t(VR_GF_CLEAR));
    EXPECT_TRUE(g[0].nullArg);  // no position
}

TEST_F(ClearTest, WholeDisplayByDefault) {
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 320u * 240u);
    EXPECT_EQ(fake::pixel(319, 239), word(kBack));
    EXPECT_EQ(fake::pixel(0, 0), word(kBack));
}

TEST_F(ClearTest, AutomaticModeRefreshesTheWholeDisplayOnceAfterSuccess) {
    vrtest::setWindow(0, 0, 2, 2);
    fake::forceStatus(fake::Fn::Refresh, 302);  // not the clear's status
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    EXPECT_EQ(callKinds(),
              (std::vector<fake::Fn>{fake::Fn::Graphic, fake::Fn::SetPixel, fake::Fn::SetPixel,
                                     fake::Fn::SetPixel, fake::Fn::SetPixel, fake::Fn::Refresh}));
    EXPECT_EQ(fake::calls().back().depth, 0);  // requested by VR_ClearScreen, not inside the clear
}

TEST_F(ClearTest, ManualModeRequestsNoRefresh) {
    vrtest::setWindow(0, 0, 2, 2);
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 4u);
}

TEST_F(ClearTest, StopsAtTheFirstRefusedPixelAndReturnsItsStatus) {
    // The window runs past the display's right edge at (320, 0).
    vrtest::setWindow(318, 0, 4, 2);
    EXPECT_EQ(VR_ClearScreen(), VR_ERR_DRIVER);
    EXPECT_EQ(pixelCalls(), (std::vector<XY>{{318, 0}, {319, 0}, {320, 0}}));
    EXPECT_FALSE(fake::written(318, 1));
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);  // no refresh after a failure

    fake::clearCalls();
    fake::forceStatus(fake::Fn::SetPixel, 300);
    EXPECT_EQ(VR_ClearScreen(), 300);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 1u);
}

TEST_F(ClearTest, EmptyWindowSetsNoPixelAndSucceeds) {
    vrtest::setWindow(10, 10, 0, 5);
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    vrtest::setWindow(10, 10, 5, 0);
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 1u);  // automatic mode, success
}

TEST_F(ClearTest, ColourComesFromTheRecordAndPositionIsIgnored) {
    VR_Window w{1, 1, 2, 1};
    VR_Colour c = rgb(1, 1, 1);
    VR_Point ignored{100, 100};
    EXPECT_EQ(StdGraphicFunctions(VR_GF_CLEAR, &ignored, &w, &c), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 4, 2, {{word(c), 'c'}}), "....\n.cc.\n");
}

TEST_F(ClearTest, NullWindowOrColourGives1) {
    VR_Window w{0, 0, 2, 2};
    VR_Colour c = rgb(1, 1, 1);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_CLEAR, nullptr, nullptr, &c), VR_ERR_PARAM);
    EXPECT_EQ(StdGraphicFunctions(VR_GF_CLEAR, nullptr, &w, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 0u);
}

TEST_F(ClearTest, BackgroundColourAloneChangesNoPixel) {
    EXPECT_EQ(VR_SetBkColor(rgb(4, 5, 6)), VR_OK);
    EXPECT_TRUE(fake::calls().empty());
    EXPECT_EQ(VR_ClearScreen(), VR_OK);
    EXPECT_EQ(fake::pixel(7, 7), word(rgb(4, 5, 6)));
}

}  // namespace
