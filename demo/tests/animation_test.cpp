// The two self-posting loops of DispCtlr: random rectangles inside the
// framed area of page 3 and the animated bar of page 6.
#include "display_fixture.h"

namespace demoria::test {
namespace {

// A scripted stand-in for rand().
struct Script {
    static inline std::vector<int> values;
    static inline size_t next = 0;
    static int draw() { return values.at(next++); }
    static void set(std::vector<int> v) {
        values = std::move(v);
        next = 0;
    }
};

class RandomRects : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        show(2, 3);
        posted.codes.clear();
        fake::clearCalls();
        state.random = Script::draw;
    }
    // The rectangle of one step: the top-level code 0.
    fake::Call rectOfStep() {
        for (const fake::Call &c : topLevelGraphics())
            if (c.code == VR_GF_RECT) return c;
        ADD_FAILURE() << "no rectangle drawn";
        return {};
    }
};

TEST_F(RandomRects, StepDrawsTheCountAndAClippedRectangleThenPostsTheNext) {
    // Corner (141, 31); border 10, 20, 30; fill 255, 100, 1.
    Script::set({0, 0, 9, 19, 29, 254, 354, 0});
    const uint32_t yellow = word(255, 255, 0), border = word(10, 20, 30), fill = word(255, 100, 1);
    handleDisplayMessage(state, CtlrMessage{MSG_RANDOM_RECT, nullptr});

    std::vector<fake::Call> drawn = topLevelGraphics();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].code, uint32_t(VR_GF_STRING));
    EXPECT_EQ(drawn[0].point.x, 160);
    EXPECT_EQ(drawn[0].point.y, 210);
    EXPECT_EQ(drawn[1].point.x, 141);
    EXPECT_EQ(drawn[1].point.y, 31);
    // The 60 x 30 rectangle reaches into the area from above and left; the
    // frame around the area stays untouched.
    EXPECT_EQ(fake::ascii(159, 57, 44, 5, {{yellow, 'Y'}, {border, 'B'}, {fill, 'f'}, {word(0, 0, 0), ' '}}),
              " Y" + std::string(39, 'f') + "B  \n" +      //
                  " Y" + std::string(39, 'f') + "B  \n" +  //
                  " Y" + std::string(39, 'f') + "B  \n" +  //
                  " Y" + std::string(40, 'B') + "  \n" +   //
                  " Y" + std::string(42, ' ') + "\n");
    EXPECT_EQ(state.randomCount, 1);
    EXPECT_EQ(posted.codes, std::vector<int32_t>{MSG_RANDOM_RECT});
    VR_Window w = fake::activeWindow();
    EXPECT_EQ(w.x, 0);
    EXPECT_EQ(w.width, 320) << "active window restored";
    EXPECT_EQ(w.height, 240);
    EXPECT_GE(fake::count(fake::Fn::Refresh), 1u);
}

TEST_F(RandomRects, CornersSpanFromTwentyBeforeTheAreaToItsFarEdge) {
    // x = ((r mod 299) + 1) * 158 / 299 + 141, y = ((r mod 199) + 1) * 168 / 199 + 31
    Script::set({298, 198, 0, 0, 0, 0, 0, 0, 299 + 149, 199 + 99, 254, 255, 509, 0, 1, 2});
    handleDisplayMessage(state, CtlrMessage{MSG_RANDOM_RECT, nullptr});
    fake::Call far = rectOfStep();
    EXPECT_EQ(far.point.x, 299);
    EXPECT_EQ(far.point.y, 199);
    fake::clearCalls();
    handleDisplayMessage(state, CtlrMessage{MSG_RANDOM_RECT, nullptr});
    fake::Call middle = rectOfStep();
    EXPECT_EQ(middle.point.x, 150 * 158 / 299 + 141);
    EXPECT_EQ(middle.point.y, 100 * 168 / 199 + 31);
    EXPECT_EQ(state.randomCount, 2);
}

TEST_F(RandomRects, AStepQueuedWhenPageFourComesIsConsumedAndEndsTheLoop) {
    show(2, 4);
    posted.codes.clear();
    fake::clearCalls();
    handleDisplayMessage(state, CtlrMessage{MSG_RANDOM_RECT, nullptr});
    EXPECT_EQ(fake::calls().size(), 0u);
    EXPECT_TRUE(posted.codes.empty());
    // Showing page 3 again restarts the count.
    show(2, 3);
    EXPECT_EQ(state.randomCount, 0);
    EXPECT_EQ(state.randomActive, 1);
}

class Animation : public DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        for (ScreenElement *const *it = pageList(2, 6); *it; ++it)
            if ((*it)->type == kAnimatedBar) animated = *it;
        ASSERT_NE(animated, nullptr);
        bar().percent = 20;  // its value at program start
    }
    VR_ProgressBarParams &bar() { return *static_cast<VR_ProgressBarParams *>(animated->params); }
    void step() { handleDisplayMessage(state, CtlrMessage{MSG_ANIMATE, nullptr}); }
    ScreenElement *animated = nullptr;
};

TEST_F(Animation, StepsByTwoFromTwentyAndWrapsBeforeOneHundred) {
    show(2, 6);
    EXPECT_EQ(posted.codes, std::vector<int32_t>{MSG_ANIMATE});
    fake::clearCalls();
    step();
    EXPECT_EQ(bar().percent, 22);
    std::vector<fake::Call> drawn = topLevelGraphics();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].code, uint32_t(VR_GF_PROGRESS_BAR));
    EXPECT_EQ(drawn[0].point.x, 30);
    EXPECT_EQ(drawn[0].point.y, 170);
    EXPECT_EQ(drawn[0].ptr, &bar());
    EXPECT_EQ(posted.codes.size(), 2u);

    bar().percent = 98;
    step();
    EXPECT_EQ(bar().percent, 0) << "never 100";
    bar().percent = 99;
    step();
    EXPECT_EQ(bar().percent, 0) << "99 + 2 wraps as well";
    int32_t mode = -1;
    VR_GetUpdateMode(&mode);
    EXPECT_EQ(mode, 0);
}

TEST_F(Animation, PageSevenEndsTheLoopAndTheNextShowingResumesWhereItStopped) {
    show(2, 6);
    step();
    step();
    show(2, 7);
    posted.codes.clear();
    fake::clearCalls();
    step();
    EXPECT_EQ(fake::calls().size(), 0u);
    EXPECT_TRUE(posted.codes.empty());
    EXPECT_EQ(bar().percent, 24);

    show(2, 6);
    fake::clearCalls();
    step();
    EXPECT_EQ(bar().percent, 26);
}

TEST_F(Animation, NoStepBeforeAnAnimatedBarWasDrawn) {
    step();
    EXPECT_EQ(fake::calls().size(), 0u);
    EXPECT_TRUE(posted.codes.empty());
    EXPECT_EQ(bar().percent, 20);
}

}  // namespace
}  // namespace demoria::test
