// How the driver logic uses its window side: which display-window
// operations each export makes, in which order, and what happens when the
// window cannot come up.
#include <chrono>
#include <future>

#include "headless_window.h"
#include "ini_dir_fixture.h"
#include "scripted_window.h"

namespace {

using Events = std::vector<std::string>;

VR_Status drawNothing(uint32_t, const VR_Point *, const VR_Window *, void *) { return 0; }

class WindowProtocolTest : public IniDirTest {
  protected:
    void SetUp() override {
        IniDirTest::SetUp();
        DDrv_DeInitDriver();
        scripted::reset();
    }
    static const Events &events() { return scripted::script().events; }
};

TEST_F(WindowProtocolTest, InitStartsOneWindowAndShutdownClosesBeforeDestroying) {
    ASSERT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK);
    EXPECT_EQ(events(), (Events{"create 1", "start 1"}));
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    EXPECT_EQ(events(), (Events{"create 1", "start 1", "close 1", "destroy 1"}));
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    EXPECT_EQ(events().size(), 4u);  // nothing left to close
}

TEST_F(WindowProtocolTest, RefusedArgumentsStartNoWindow) {
    EXPECT_EQ(DDrv_InitDriver(nullptr, hardKey<1>), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_InitDriver(drawNothing, nullptr), VR_ERR_DRIVER);
    EXPECT_TRUE(events().empty());
}

TEST_F(WindowProtocolTest, WindowThatCannotComeUpGives258AndLeavesTheDriverUnbound) {
    scripted::script().failStart = true;
    EXPECT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_ERR_DRIVER);
    EXPECT_EQ(events(), (Events{"create 1", "start 1", "destroy 1"}));
    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(1)), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_RefreshDisplay(), VR_OK);
    EXPECT_EQ(events().size(), 3u);

    scripted::reset();
    scripted::script().throwOnCreate = true;
    EXPECT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(1)), VR_ERR_DRIVER);

    scripted::reset();
    EXPECT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK);  // and it recovers
}

TEST_F(WindowProtocolTest, RefreshShowsTheFrameBufferAndGraphicFunctionsOnlyInvalidate) {
    writeIni("[DisplayParams]\nXSize=3\nYSize=2\n");
    ASSERT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK);
    ASSERT_EQ(DDrv_SetPixel(pt(2, 1), colourOf(0x00112233)), VR_OK);
    ASSERT_EQ(DDrv_GraphicFunction(0, nullptr, nullptr), VR_OK);
    EXPECT_TRUE(scripted::script().shown.empty());

    ASSERT_EQ(DDrv_RefreshDisplay(), VR_OK);
    EXPECT_EQ(scripted::script().shown, (std::vector<uint32_t>{0, 0, 0, 0, 0, 0x00112233}));
    const VR_Point origin{0, 0};
    const VR_Size size{1, 1};
    ASSERT_EQ(DDrv_RefreshDisplayArea(&origin, &size), VR_OK);
    EXPECT_EQ(events(), (Events{"create 1", "start 1", "invalidate 1", "refresh 1", "refresh 1"}));
}

TEST_F(WindowProtocolTest, UnboundGraphicFunctionRequestsNoRepaint) {
    ASSERT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK);
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    scripted::reset();
    EXPECT_EQ(DDrv_GraphicFunction(0, nullptr, nullptr), VR_OK);
    EXPECT_EQ(DDrv_RefreshDisplay(), VR_OK);
    EXPECT_TRUE(events().empty());
}

TEST_F(WindowProtocolTest, SecondInitShutsTheRunningWindowDownFirst) {
    ASSERT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK);
    ASSERT_EQ(DDrv_InitDriver(drawNothing, hardKey<2>), VR_OK);
    EXPECT_EQ(events(), (Events{"create 1", "start 1", "close 1", "destroy 1", "create 2", "start 2"}));

    // Also when the second one is refused: the old window does not linger.
    ASSERT_EQ(DDrv_InitDriver(nullptr, hardKey<2>), VR_ERR_DRIVER);
    EXPECT_EQ(events().back(), "destroy 2");
}

TEST_F(WindowProtocolTest, CallbackThatShutsTheDriverDownIsSurvived) {
    const auto shutDownInside = [](uint32_t, const VR_Point *, const VR_Window *, void *) -> VR_Status {
        return DDrv_DeInitDriver() + 7;
    };
    ASSERT_EQ(DDrv_InitDriver(shutDownInside, hardKey<1>), VR_OK);
    EXPECT_EQ(DDrv_GraphicFunction(0, nullptr, nullptr), 7);
    EXPECT_EQ(events(), (Events{"create 1", "start 1", "close 1", "destroy 1"}));
}

TEST(HeadlessWindowTest, IsUpAfterStartWithAZeroedFrameBufferAndDownAfterClose) {
    lumisim::HeadlessWindow w;
    EXPECT_FALSE(w.isUp());
    lumisim::DisplayParams p{};
    p.info.xSize = 5;
    p.info.ySize = 3;
    const std::atomic<bool> notCancelled{false};
    ASSERT_TRUE(w.start(p, hardKey<1>, notCancelled));
    EXPECT_TRUE(w.isUp());
    ASSERT_NE(w.frameBuffer(), nullptr);
    for (int i = 0; i < 15; ++i) EXPECT_EQ(w.frameBuffer()[i], 0u) << i;
    EXPECT_EQ(w.swapHardKey(hardKey<2>), &hardKey<1>);
    w.refresh();
    w.invalidate();
    EXPECT_TRUE(w.isUp());
    w.close();
    EXPECT_FALSE(w.isUp());
}

// A program asked to end while its start waits for the window (behind a
// message box) shuts the driver down from another thread: the start gives
// up with 258, and the driver is left unbound.
TEST_F(WindowProtocolTest, ShutdownFromAnotherThreadMakesAWaitingStartGiveUp) {
    scripted::script().startWaits = true;
    auto start = std::async(std::launch::async, [] { return DDrv_InitDriver(drawNothing, hardKey<1>); });
    // Asked until the start has returned, as a caller that cannot know
    // whether the start has begun yet must.
    const auto giveUpBy = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    while (start.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
        ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
        ASSERT_LT(std::chrono::steady_clock::now(), giveUpBy) << "the start does not give up";
    }
    EXPECT_EQ(start.get(), VR_ERR_DRIVER);
    EXPECT_EQ(events(), (Events{"create 1", "start 1", "destroy 1"}));
    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(1)), VR_ERR_DRIVER);

    scripted::reset();
    EXPECT_EQ(DDrv_InitDriver(drawNothing, hardKey<1>), VR_OK) << "a cancel must not outlive its start";
}

}  // namespace
