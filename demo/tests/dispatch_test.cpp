// DispCtlr's start-up and the dispatch of its messages.
#include "colour_tables.h"
#include "display_fixture.h"
#include "version_fields.h"

namespace demoria::test {
namespace {

TEST_F(DisplayTest, StartUpPrintsBothVersionsSelectsFontOneAndClears) {
    // The fake driver reports version 9.8.7.
    EXPECT_EQ(startupOutput, "Vantrel-Version: V" + kLibraryFields + "\nTreiber-Version:    V09.08.07\n");
    uint16_t font = 0, table = 0;
    EXPECT_EQ(VR_GetFont(&font, &table), VR_OK);
    EXPECT_EQ(font, 1);
    EXPECT_EQ(table, 1);
    // Ten fonts and two colour tables are in: the next get no slot and id 3.
    EXPECT_EQ(VR_RegisterFont(reinterpret_cast<const VR_Font *>("x")), 0);
    EXPECT_EQ(VR_RegisterColourTable(&kBlackOnWhite), 3);
}

TEST_F(DisplayTest, StartUpBindsTheDriverAndClearsTheWholeScreen) {
    fake::reset(320, 240);
    testing::internal::CaptureStdout();
    handleDisplayMessage(state, CtlrMessage{MSG_START, nullptr});
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(fake::count(fake::Fn::Init), 1u);
    std::vector<fake::Call> drawn = topLevelGraphics();
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].code, uint32_t(VR_GF_CLEAR));
    EXPECT_TRUE(fake::written(0, 0));
    EXPECT_TRUE(fake::written(319, 239));
}

TEST_F(DisplayTest, UnknownCodesAreConsumedWithoutEffectAndTheirPayloadsFreed) {
    show(2, 1);
    fake::clearCalls();
    // Codes of the action pipe and codes of nobody; a payload that came with
    // one is still freed (leak-checked under AddressSanitizer).
    EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{MSG_TICK, nullptr}));
    EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{0, std::malloc(8)}));
    EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{99, std::malloc(16)}));
    EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{-1, nullptr}));
    // A page request or progress without payload is dropped as well.
    EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{MSG_SHOW_PAGE, nullptr}));
    EXPECT_TRUE(handleDisplayMessage(state, CtlrMessage{MSG_PROGRESS, nullptr}));
    EXPECT_EQ(fake::calls().size(), 0u);
    EXPECT_TRUE(posted.codes.empty());
    // The next message is handled normally.
    show(2, 2);
    EXPECT_GT(fake::count(fake::Fn::Graphic), 0u);
}

TEST_F(DisplayTest, StopShutsTheLibraryDownAndEndsTheLoop) {
    EXPECT_FALSE(handleDisplayMessage(state, CtlrMessage{MSG_STOP, nullptr}));
    EXPECT_EQ(fake::count(fake::Fn::DeInit), 1u);
}

}  // namespace
}  // namespace demoria::test
