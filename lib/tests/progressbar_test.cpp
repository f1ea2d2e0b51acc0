// Progress bars: frame, fill rule, style, one refresh, update mode kept.
#include "lib_fixture.h"

namespace {

const VR_Colour kFrame = rgb(255, 255, 255), kBack = rgb(0, 0, 128), kBar = rgb(0, 200, 0);
const std::map<uint32_t, char> kLegend{{word(kFrame), 'F'}, {word(kBack), 'b'}, {word(kBar), 'X'}};

VR_Status drawBar(uint16_t x, uint16_t y, uint16_t w, uint16_t h, uint8_t percent, uint32_t style = 2) {
    const VR_Point at{x, y};
    const VR_ProgressBarParams bar{w, h, style, kFrame, kBack, kBar, percent, {}};
    return VR_DrawProgressBar(&at, &bar);
}

size_t rects() {
    size_t n = 0;
    for (const fake::Call &c : fake::callsOf(fake::Fn::Graphic)) n += c.code == VR_GF_RECT;
    return n;
}

int32_t mode() {
    int32_t m = -1;
    VR_GetUpdateMode(&m);
    return m;
}

using ProgressBarTest = LibTest;

TEST_F(ProgressBarTest, FillsInsideTheFrameWithARingOfBackground) {
    EXPECT_EQ(drawBar(0, 0, 8, 5, 50), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 8, 5, kLegend), "FFFFFFFF\nFbbbbbbF\nFbXbbbbF\nFbbbbbbF\nFFFFFFFF\n");
    EXPECT_EQ(drawBar(0, 10, 8, 5, 100), VR_OK);
    EXPECT_EQ(fake::ascii(0, 10, 8, 5, kLegend), "FFFFFFFF\nFbbbbbbF\nFbXXXXbF\nFbbbbbbF\nFFFFFFFF\n");
    EXPECT_EQ(drawBar(0, 20, 8, 5, 0), VR_OK);
    EXPECT_EQ(fake::ascii(0, 20, 8, 5, kLegend), "FFFFFFFF\nFbbbbbbF\nFbbbbbbF\nFbbbbbbF\nFFFFFFFF\n");
}

TEST_F(ProgressBarTest, FillIsTruncatedInDoublePrecision) {
    // W = 102: fill = P / 100.0 * 100, truncated; 29 % is just below 29.
    const struct {
        uint8_t percent;
        int fill;
    } cases[] = {{29, 28}, {57, 56}, {58, 57}, {50, 50}};
    for (const auto &c : cases) {
        fake::reset();
        ASSERT_EQ(drawBar(10, 10, 102, 6, c.percent), VR_OK);
        // The filled part spans columns 11 .. 10 + fill; its last column is ring.
        EXPECT_EQ(fake::pixel(uint16_t(10 + c.fill - 1), 12), word(kBar)) << int(c.percent);
        EXPECT_EQ(fake::pixel(uint16_t(10 + c.fill), 12), word(kBack)) << int(c.percent);
    }
}

TEST_F(ProgressBarTest, PercentAboveHundredDrawsAsHundred) {
    EXPECT_EQ(drawBar(0, 0, 8, 5, 100), VR_OK);
    const std::string full = fake::ascii(0, 0, 8, 5, kLegend);
    fake::reset();
    EXPECT_EQ(drawBar(0, 0, 8, 5, 250), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 8, 5, kLegend), full);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 40u);  // nothing beyond the frame
}

TEST_F(ProgressBarTest, RefreshesOnceAndRestoresTheUpdateMode) {
    for (int32_t m : {0, 1}) {
        ASSERT_EQ(VR_SetUpdateMode(m), VR_OK);
        fake::clearCalls();
        EXPECT_EQ(drawBar(5, 5, 30, 8, 40), VR_OK);
        EXPECT_EQ(fake::count(fake::Fn::Refresh), 1u);
        EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);  // parts drawn in mode 1
        EXPECT_EQ(fake::calls().back().fn, fake::Fn::Refresh);
        EXPECT_EQ(rects(), 3u);
        EXPECT_EQ(mode(), m);
    }
}

TEST_F(ProgressBarTest, StylesAndDegenerateBars) {
    for (uint32_t style : {1u, 3u, 4u}) {  // frame only, still one refresh
        fake::reset();
        EXPECT_EQ(drawBar(0, 0, 6, 4, 50, style), VR_OK);
        EXPECT_EQ(fake::ascii(0, 0, 6, 4, kLegend), "FFFFFF\nF....F\nF....F\nFFFFFF\n");
        EXPECT_EQ(fake::count(fake::Fn::Refresh), 1u);
    }
    // An unknown style: 1 after the frame, no refresh, mode as before.
    fake::clearCalls();
    EXPECT_EQ(drawBar(0, 0, 6, 4, 50, 7), VR_ERR_PARAM);
    EXPECT_EQ(rects(), 1u);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
    EXPECT_EQ(mode(), 0);

    // Less than 2 pixels wide or high: the frame alone.
    for (auto [w, h] : {std::pair{1, 5}, std::pair{5, 1}, std::pair{0, 0}}) {
        fake::clearCalls();
        EXPECT_EQ(drawBar(40, 40, uint16_t(w), uint16_t(h), 50), VR_OK);
        EXPECT_EQ(rects(), 1u);
        EXPECT_EQ(fake::count(fake::Fn::SetPixel), size_t(w * h));
    }

    // A bar starting right of the window fails at its frame.
    fake::clearCalls();
    EXPECT_EQ(drawBar(320, 0, 6, 4, 50), VR_ERR_RANGE);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
    EXPECT_EQ(mode(), 0);
    EXPECT_EQ(VR_DrawProgressBar(nullptr, nullptr), VR_ERR_PARAM);
}

}  // namespace
