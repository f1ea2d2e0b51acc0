// Progress messages set and redraw only the progress bars of the shown
// group, with truncated percentages.
#include "display_fixture.h"

namespace demoria::test {
namespace {

const VR_ProgressBarParams &bar(const ScreenElement &e) {
    return *static_cast<VR_ProgressBarParams *>(e.params);
}

TEST_F(DisplayTest, FeatureProgressRedrawsOnlyTheTwoSharedBarsWhateverPageIsShown) {
    show(2, 5);
    fake::clearCalls();
    progress({5800, 6000, 24000, 48000});

    std::vector<fake::Call> drawn = topLevelGraphics();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].code, uint32_t(VR_GF_PROGRESS_BAR));
    EXPECT_EQ(drawn[0].ptr, sharedPageBar.params);
    EXPECT_EQ(drawn[0].point.y, 10);
    EXPECT_EQ(drawn[1].ptr, sharedCycleBar.params);
    EXPECT_EQ(drawn[1].point.y, 20);
    EXPECT_EQ(bar(sharedPageBar).percent, 96) << "5800 / 6000 is truncated, not rounded";
    EXPECT_EQ(bar(sharedCycleBar).percent, 50);
    EXPECT_EQ(sharedVersionBox.dirty, 0u);
}

TEST_F(DisplayTest, TitleProgressFillsTheSingleTitleBar) {
    show(1, 1);
    fake::clearCalls();
    progress({9800, 10000, 0, 0});
    std::vector<fake::Call> drawn = topLevelGraphics();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].code, uint32_t(VR_GF_PROGRESS_BAR));
    EXPECT_EQ(drawn[0].point.x, 10);
    EXPECT_EQ(drawn[0].point.y, 210);
    EXPECT_EQ(static_cast<const VR_ProgressBarParams *>(drawn[0].ptr)->percent, 98);
}

TEST_F(DisplayTest, ProgressBeforeAnyPageDrawsNothing) {
    ASSERT_EQ(state.currentGroup, 0);
    uint8_t before = bar(sharedPageBar).percent;
    progress({3000, 6000, 3000, 48000});
    EXPECT_EQ(fake::count(fake::Fn::Graphic), 0u);
    EXPECT_EQ(bar(sharedPageBar).percent, before);
}

TEST_F(DisplayTest, MalformedProgressIsHeldToTheBarsRange) {
    show(2, 1);
    progress({100, 0, -5, 48000});  // a zero total must not divide
    EXPECT_EQ(bar(sharedPageBar).percent, 0);
    EXPECT_EQ(bar(sharedCycleBar).percent, 0);
    progress({7000, 6000, 2000000000, 48000});  // above 100 % and a product beyond 32 bits
    EXPECT_EQ(bar(sharedPageBar).percent, 100);
    EXPECT_EQ(bar(sharedCycleBar).percent, 100);
}

}  // namespace
}  // namespace demoria::test
