// A page switch clears the screen and draws every element of its list, in
// order, with the element's position and record, in one refresh.
#include <cstring>

#include "display_fixture.h"
#include "version_fields.h"

namespace demoria::test {
namespace {

// The graphic-function code each element type is drawn with.
uint32_t codeOf(int32_t type) {
    switch (type) {
        case kGimpImage:
            return VR_GF_GIMP;
        case kProgressBar:
            return VR_GF_PROGRESS_BAR;
        case kTextBox:
            return VR_GF_TEXT_BOX;
        case kRectangle:
            return VR_GF_RECT;
        case kCircle:
            return VR_GF_CIRCLE;
        case kLine:
            return VR_GF_LINE;
        case kVersionBox:
            return VR_GF_TEXT_BOX;
        case kRandomArea:
            return VR_GF_RECT;
        case kAnimatedBar:
            return VR_GF_PROGRESS_BAR;
    }
    return ~0u;
}

size_t lastIndexOf(fake::Fn fn) {
    size_t last = SIZE_MAX;
    for (size_t i = 0; i < fake::calls().size(); ++i)
        if (fake::calls()[i].fn == fn && fake::calls()[i].depth == 0) last = i;
    return last;
}

class PageSwitch : public DisplayTest, public ::testing::WithParamInterface<std::pair<int, int>> {};

TEST_P(PageSwitch, DrawsEachElementOfItsListInOrderWithItsValues) {
    auto [group, page] = GetParam();
    PageList list = pageList(group, page);
    ASSERT_NE(list, nullptr);
    for (ScreenElement *const *it = list; *it; ++it) (*it)->dirty = 0;  // the switch must mark them

    show(group, page);

    std::vector<fake::Call> drawn = topLevelGraphics();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn[0].code, uint32_t(VR_GF_CLEAR));
    size_t i = 1;
    for (ScreenElement *const *it = list; *it; ++it, ++i) {
        const ScreenElement &e = **it;
        ASSERT_LT(i, drawn.size()) << "element " << i << " not drawn";
        EXPECT_EQ(drawn[i].code, codeOf(e.type)) << "element " << i;
        if (e.type != kLine) {  // a line is drawn from its record alone
            EXPECT_EQ(drawn[i].point.x, e.x) << "element " << i;
            EXPECT_EQ(drawn[i].point.y, e.y) << "element " << i;
        }
        if (e.type != kRandomArea) {  // the frame's record is the draw pass's own
            EXPECT_EQ(drawn[i].ptr, e.params) << "element " << i;
        }
        EXPECT_EQ(e.dirty, 0u) << "element " << i << " left dirty";
    }
    EXPECT_EQ(drawn.size(), i) << "drawn more than the list holds";

    // Shown by a refresh after the last element, in the restored mode 0.
    size_t refresh = lastIndexOf(fake::Fn::Refresh);
    ASSERT_NE(refresh, SIZE_MAX);
    EXPECT_GT(refresh, lastIndexOf(fake::Fn::Graphic));
    int32_t mode = -1;
    VR_GetUpdateMode(&mode);
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(state.currentGroup, group);
}

INSTANTIATE_TEST_SUITE_P(AllPages, PageSwitch,
                         ::testing::Values(std::pair{1, 1}, std::pair{2, 1}, std::pair{2, 2}, std::pair{2, 3},
                                           std::pair{2, 4}, std::pair{2, 5}, std::pair{2, 6}, std::pair{2, 7},
                                           std::pair{2, 8}),
                         [](const auto &info) {
                             return "Group" + std::to_string(info.param.first) + "Page" +
                                    std::to_string(info.param.second);
                         });

TEST_F(DisplayTest, TitlePageIsWhiteAndFeaturePagesAreBlack) {
    show(1, 1);
    EXPECT_TRUE(fake::written(319, 0));
    EXPECT_EQ(fake::pixel(319, 0), word(255, 255, 255));
    show(2, 7);
    EXPECT_EQ(fake::pixel(319, 0), word(0, 0, 0));
}

TEST_F(DisplayTest, VersionBoxShowsTheLibraryVersionAsTwoDigitFields) {
    show(2, 2);
    const auto *box = static_cast<const VR_TextBoxParams *>(sharedVersionBox.params);
    ASSERT_NE(box->text, nullptr);
    EXPECT_EQ(box->text, kLibraryFields);
}

TEST_F(DisplayTest, PagesThatDoNotExistDrawNothingAndOnlyKnownGroupsAreRecorded) {
    show(1, 1);
    fake::clearCalls();
    show(2, 9);
    EXPECT_EQ(state.currentGroup, 2);
    show(2, 0);
    show(1, 2);
    EXPECT_EQ(state.currentGroup, 1);
    show(3, 1);
    show(0, 1);
    EXPECT_EQ(state.currentGroup, 1) << "group 3 and group 0 change nothing";
    EXPECT_EQ(fake::count(fake::Fn::Graphic), 0u);
    EXPECT_EQ(fake::count(fake::Fn::Refresh), 0u);
    EXPECT_EQ(fake::pixel(319, 0), word(255, 255, 255)) << "the title page stays";
}

TEST_F(DisplayTest, RandomAreaGetsAYellowOnePixelFrameAndStartsTheLoop) {
    show(2, 3);
    const uint32_t yellow = word(255, 255, 0), black = word(0, 0, 0);
    EXPECT_EQ(fake::ascii(159, 49, 4, 4, {{yellow, 'Y'}, {black, ' '}}),
              "    \n"
              " YYY\n"
              " Y  \n"
              " Y  \n");
    EXPECT_EQ(fake::pixel(299, 199), yellow) << "frame is 140 x 150";
    EXPECT_EQ(fake::pixel(298, 198), black);
    EXPECT_EQ(state.randomActive, 1);
    EXPECT_EQ(state.randomCount, 0);
    EXPECT_EQ(state.areaOrigin.x, 161);
    EXPECT_EQ(state.areaOrigin.y, 51);
    EXPECT_EQ(state.areaSize.width, 138);
    EXPECT_EQ(state.areaSize.height, 148);
    EXPECT_EQ(posted.codes, std::vector<int32_t>{MSG_RANDOM_RECT});
}

TEST_F(DisplayTest, OnlyThePagesAfterTheAnimatedPagesEndTheirLoops) {
    show(2, 3);
    show(2, 6);
    EXPECT_EQ(posted.codes, (std::vector<int32_t>{MSG_RANDOM_RECT, MSG_ANIMATE}));
    show(2, 5);
    show(2, 8);
    EXPECT_EQ(state.randomActive, 1);
    EXPECT_EQ(state.animActive, 1);
    show(2, 4);
    EXPECT_EQ(state.randomActive, 0);
    EXPECT_EQ(state.animActive, 1);
    show(2, 7);
    EXPECT_EQ(state.animActive, 0);
}

}  // namespace
}  // namespace demoria::test
