// The library core: initialisation and its resets, the update mode, single
// pixels, the background colour, versions, the pass-through controls, the
// drawing wrappers, the dispatcher and nested graphic functions.
#include <functional>
#include <vector>

#include "lib_fixture.h"
#include "pixel_calls.h"
#include "vr_versions.h"

namespace {

using fake::Fn;

const VR_Font kFontData[1] = {0};
const VR_ColourTable kTable{0, 0, nullptr};

// Fills both registries; returns false if any slot was already taken.
bool fillRegistries() {
    bool ok = true;
    for (uint16_t id = 1; id <= 10; ++id) {
        ok &= VR_RegisterFont(kFontData) == id;
        ok &= VR_RegisterColourTable(&kTable) == id;
    }
    return ok;
}

int32_t mode() {
    int32_t m = 12345;
    EXPECT_EQ(VR_GetUpdateMode(&m), VR_OK);
    return m;
}

// --------------------------------------------------------- initialisation

using InitTest = LibTest;

TEST_F(InitTest, BindsTheRendererAndTheHardKeyCallback) {
    EXPECT_EQ(fake::graphicCallback(), &StdGraphicFunctions);
    EXPECT_EQ(fake::hardKeyCallback(), &ignoreHardKey);
    fake::forceStatus(Fn::Init, 300);
    EXPECT_EQ(VR_InitVRLib(ignoreHardKey), 300);
    EXPECT_EQ(fake::count(Fn::Init), 1u);
}

TEST_F(InitTest, ResetsModeAndBothRegistriesWhateverTheDriverAnswers) {
    ASSERT_TRUE(fillRegistries());
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    ASSERT_EQ(VR_SetBkColor(rgb(1, 2, 3)), VR_OK);

    EXPECT_EQ(VR_InitVRLib(nullptr), VR_ERR_DRIVER);  // refused by the driver
    EXPECT_EQ(mode(), 0);
    EXPECT_TRUE(fillRegistries());  // every slot was free again
    VR_Colour bk{};
    EXPECT_EQ(VR_GetBkColor(&bk), VR_OK);
    EXPECT_EQ(word(bk), word(rgb(1, 2, 3)));  // not reset
}

TEST_F(InitTest, DeInitForwardsAndKeepsTheLibraryState) {
    ASSERT_EQ(VR_RegisterFont(kFontData), 1);
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    ASSERT_EQ(VR_SetBkColor(rgb(7, 7, 7)), VR_OK);
    fake::forceStatus(Fn::DeInit, 301);
    EXPECT_EQ(VR_DeInitVRLib(), 301);
    EXPECT_EQ(fake::count(Fn::DeInit), 1u);
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(VR_UnregisterFont(1), VR_OK);  // still registered

    ASSERT_EQ(VR_RegisterFont(kFontData), 1);
    EXPECT_EQ(VR_InitVRLib(ignoreHardKey), VR_OK);
    EXPECT_EQ(VR_UnregisterFont(1), VR_ERR_NOT_REGISTERED);
    VR_Colour bk{};
    EXPECT_EQ(VR_GetBkColor(&bk), VR_OK);
    EXPECT_EQ(word(bk), word(rgb(7, 7, 7)));
}

// ------------------------------------------------------------ update mode

using UpdateModeTest = LibTest;

TEST_F(UpdateModeTest, TwoOrMoreIsRefusedAndTheModeKept) {
    EXPECT_EQ(mode(), 0);
    EXPECT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    EXPECT_EQ(VR_SetUpdateMode(2), VR_ERR_RANGE);
    EXPECT_EQ(VR_SetUpdateMode(INT32_MAX), VR_ERR_RANGE);
    EXPECT_EQ(mode(), 1);
    EXPECT_EQ(VR_SetUpdateMode(-1), VR_OK);
    EXPECT_EQ(mode(), -1);
    EXPECT_EQ(VR_SetUpdateMode(INT32_MIN), VR_OK);
    EXPECT_EQ(mode(), INT32_MIN);
    EXPECT_EQ(VR_GetUpdateMode(nullptr), VR_ERR_PARAM);
    EXPECT_TRUE(fake::calls().empty());
}

// -------------------------------------------------------- single pixels

using SetPixelTest = LibTest;

TEST_F(SetPixelTest, AutomaticModeRefreshesTheOnePixelAfterASuccessfulSet) {
    EXPECT_EQ(VR_SetPixel(VR_Point{12, 34}, rgb(1, 2, 3)), VR_OK);
    EXPECT_EQ(callKinds(), (std::vector<Fn>{Fn::SetPixel, Fn::RefreshArea}));
    const fake::Call r = fake::calls()[1];
    EXPECT_EQ(r.point.x, 12);
    EXPECT_EQ(r.point.y, 34);
    EXPECT_EQ(r.size.width, 1);
    EXPECT_EQ(r.size.height, 1);
    EXPECT_EQ(fake::pixel(12, 34), word(rgb(1, 2, 3)));

    fake::forceStatus(Fn::RefreshArea, 301);  // the refresh's status is not returned
    EXPECT_EQ(VR_SetPixel(VR_Point{1, 1}, rgb(1, 2, 3)), VR_OK);
}

TEST_F(SetPixelTest, RefusedPixelReturnsTheDriverStatusWithoutRefresh) {
    EXPECT_EQ(VR_SetPixel(VR_Point{320, 0}, rgb(1, 2, 3)), VR_ERR_DRIVER);
    fake::forceStatus(Fn::SetPixel, 300);
    EXPECT_EQ(VR_SetPixel(VR_Point{3, 3}, rgb(1, 2, 3)), 300);
    EXPECT_EQ(fake::count(Fn::RefreshArea), 0u);
}

TEST_F(SetPixelTest, ManualModesRequestNoRefresh) {
    for (int32_t m : {1, -1}) {
        ASSERT_EQ(VR_SetUpdateMode(m), VR_OK);
        EXPECT_EQ(VR_SetPixel(VR_Point{5, 6}, rgb(1, 2, 3)), VR_OK);
    }
    EXPECT_EQ(callKinds(), (std::vector<Fn>{Fn::SetPixel, Fn::SetPixel}));
}

TEST_F(SetPixelTest, IgnoresTheActiveWindowAndKeepsTheWordExact) {
    VR_Point o{100, 100};
    VR_Size s{5, 5};
    ASSERT_EQ(VR_SetActiveWindow(&o, &s), VR_OK);
    const VR_Colour c{0xEE, 1, 2, 3};
    EXPECT_EQ(VR_SetPixel(VR_Point{2, 239}, c), VR_OK);
    VR_Colour back{};
    EXPECT_EQ(VR_GetPixel(VR_Point{2, 239}, &back), VR_OK);
    EXPECT_EQ(word(back), word(c));
}

// ------------------------------------------------ background and versions

using BackgroundTest = LibTest;

TEST_F(BackgroundTest, StoresAndReadsTheColourWithoutTheDriver) {
    const VR_Colour c{0x11, 0x22, 0x33, 0x44};
    EXPECT_EQ(VR_SetBkColor(c), VR_OK);
    VR_Colour out{};
    EXPECT_EQ(VR_GetBkColor(&out), VR_OK);
    EXPECT_EQ(word(out), word(c));
    EXPECT_EQ(VR_GetBkColor(nullptr), VR_ERR_PARAM);
    EXPECT_TRUE(fake::calls().empty());
}

using VersionsTest = LibTest;

TEST_F(VersionsTest, WritesTheLibraryVersionAndTheDriversStatus) {
    VR_Version lib{}, drv{};
    EXPECT_EQ(VR_GetVersions(&lib, &drv), VR_OK);
    EXPECT_EQ(lib.major, VRLIB_VERSION_MAJOR);
    EXPECT_EQ(lib.minor, VRLIB_VERSION_MINOR);
    EXPECT_EQ(lib.patch, VRLIB_VERSION_PATCH);
    EXPECT_EQ(drv.major, 9);  // the fake driver's version
    EXPECT_EQ(drv.patch, 7);
    fake::forceStatus(Fn::GetVersion, 303);
    EXPECT_EQ(VR_GetVersions(&lib, &drv), 303);
}

TEST_F(VersionsTest, EitherNullGives1AndTouchesNothing) {
    VR_Version lib{7, 7, 7}, drv{7, 7, 7};
    EXPECT_EQ(VR_GetVersions(nullptr, &drv), VR_ERR_PARAM);
    EXPECT_EQ(VR_GetVersions(&lib, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(lib.major, 7);
    EXPECT_EQ(drv.major, 7);
    EXPECT_TRUE(fake::calls().empty());
}

// -------------------------------------------------------- pass-throughs

using PassThroughTest = LibTest;

TEST_F(PassThroughTest, EachControlCallsItsDriverFunctionAndReturnsItsStatus) {
    VR_Colour colour{};
    uint32_t bl = 0;
    VR_DisplayInfo info{};
    uint8_t byte = 0;
    VR_Point p{1, 2};
    VR_Size s{3, 4};
    const std::vector<std::pair<Fn, std::function<VR_Status()>>> cases{
        {Fn::GetPixel,
         [&] {
             return VR_GetPixel(VR_Point{1, 1}, &colour);
         }},
        {Fn::SetBL, [&] { return VR_SetBL(0x01020304); }},
        {Fn::GetBL, [&] { return VR_GetBL(&bl); }},
        {Fn::GetDisplayInfo, [&] { return VR_GetDisplayInfo(&info); }},
        {Fn::SetOrientation, [&] { return VR_SetOrientation(-3); }},
        {Fn::Refresh, [&] { return VR_RefreshDisplay(); }},
        {Fn::RefreshArea, [&] { return VR_RefreshDisplayArea(&p, &s); }},
        {Fn::SetContrast, [&] { return VR_SetDisplayContrast(0xAB); }},
        {Fn::GetContrast, [&] { return VR_GetDisplayContrast(&byte); }},
        {Fn::SetBrightness, [&] { return VR_SetDisplayBrightness(0xCD); }},
        {Fn::GetBrightness, [&] { return VR_GetDisplayBrightness(&byte); }},
        {Fn::SetActiveWindow, [&] { return VR_SetActiveWindow(&p, &s); }},
        {Fn::GetActiveWindow, [&] { return VR_GetActiveWindow(&p, &s); }},
    };
    VR_Status forced = 400;
    for (const auto &[fn, call] : cases) {
        SCOPED_TRACE(int(fn));
        fake::clearCalls();
        fake::forceStatus(fn, ++forced);
        EXPECT_EQ(call(), forced);
        EXPECT_EQ(callKinds(), std::vector<Fn>{fn});
    }
}

TEST_F(PassThroughTest, ArgumentsReachTheDriverUnchanged) {
    VR_SetBL(0x01020304);
    VR_SetOrientation(-3);
    VR_SetDisplayContrast(0xAB);
    VR_SetDisplayBrightness(0xCD);
    const auto &c = fake::calls();
    ASSERT_EQ(c.size(), 4u);
    EXPECT_EQ(c[0].setting, 0x01020304u);
    EXPECT_EQ(c[1].setting, uint32_t(-3));
    EXPECT_EQ(c[2].setting, 0xABu);  // the byte widened with zeros
    EXPECT_EQ(c[3].setting, 0xCDu);

    VR_Point p{7, 8};
    VR_Size s{9, 10};
    ASSERT_EQ(VR_SetActiveWindow(&p, &s), VR_OK);
    VR_Point p2{};
    VR_Size s2{};
    ASSERT_EQ(VR_GetActiveWindow(&p2, &s2), VR_OK);
    EXPECT_EQ(p2.x, 7);
    EXPECT_EQ(p2.y, 8);
    EXPECT_EQ(s2.width, 9);
    EXPECT_EQ(s2.height, 10);
}

TEST_F(PassThroughTest, NullChecksAreTheDriversExceptForTheBacklight) {
    EXPECT_EQ(VR_GetBL(nullptr), VR_ERR_PARAM);
    EXPECT_TRUE(fake::calls().empty());
    VR_Size s{1, 1};
    EXPECT_EQ(VR_GetDisplayInfo(nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(VR_SetActiveWindow(nullptr, &s), VR_ERR_DRIVER);
    EXPECT_EQ(VR_GetPixel(VR_Point{0, 0}, nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(fake::calls().size(), 3u);
}

void otherHardKey(uint32_t, uint32_t) {}

TEST_F(PassThroughTest, HardKeyCallbackReturnsTheOneBefore) {
    EXPECT_EQ(VR_SetHardKeyCallback(otherHardKey), &ignoreHardKey);
    EXPECT_EQ(VR_SetHardKeyCallback(nullptr), &otherHardKey);
    EXPECT_EQ(fake::count(Fn::SetHardKey), 2u);
}

// ------------------------------------------------------ drawing wrappers

// A stand-in renderer that records what the driver hands it.
struct Seen {
    uint32_t code = 0xFFFF;
    const VR_Point *pos = nullptr;
    const void *params = nullptr;
    uint8_t symbol = 0;
    VR_StringSizedParams sized{};
};
Seen g_seen;

VR_Status spy(uint32_t code, const VR_Point *pos, const VR_Window *, void *params) {
    g_seen.code = code;
    g_seen.pos = pos;
    g_seen.params = params;
    if (code == VR_GF_SYMBOL) g_seen.symbol = *static_cast<const uint8_t *>(params);
    if (code == VR_GF_STRING_SIZED) g_seen.sized = *static_cast<const VR_StringSizedParams *>(params);
    return 500 + VR_Status(code);
}

class WrapperTest : public LibTest {
  protected:
    void SetUp() override {
        LibTest::SetUp();
        ASSERT_EQ(DDrv_InitDriver(spy, ignoreHardKey), VR_OK);
        g_seen = Seen{};
    }
};

TEST_F(WrapperTest, EachDrawingCallIsOneGraphicFunctionWithItsCode) {
    VR_Point p{1, 2};
    VR_RectParams rect{};
    VR_LineParams line{};
    VR_CircleParams circle{};
    VR_Bitmap bitmap{};
    VR_GIMPBitmap gimp{};
    VR_StringParams str{};
    VR_ProgressBarParams bar{};
    VR_TextBoxParams box{};
    struct Case {
        uint32_t code;
        const VR_Point *pos;
        const void *params;
        std::function<VR_Status()> call;
    };
    const std::vector<Case> cases{
        {VR_GF_RECT, &p, &rect, [&] { return VR_DrawRect(&p, &rect); }},
        {VR_GF_LINE, nullptr, &line, [&] { return VR_DrawLine(&line); }},
        {VR_GF_CIRCLE, &p, &circle, [&] { return VR_DrawCircle(&p, &circle); }},
        {VR_GF_BITMAP, &p, &bitmap, [&] { return VR_DrawBitmap(&p, &bitmap); }},
        {VR_GF_GIMP, &p, &gimp, [&] { return VR_DrawGIMPBitmap(&p, &gimp); }},
        {VR_GF_STRING, &p, &str, [&] { return VR_DrawString(&p, &str); }},
        {VR_GF_PROGRESS_BAR, &p, &bar, [&] { return VR_DrawProgressBar(&p, &bar); }},
        {VR_GF_TEXT_BOX, &p, &box, [&] { return VR_DrawTextBox(&p, &box); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.code);
        fake::clearCalls();
        EXPECT_EQ(c.call(), 500 + c.code);  // the renderer's status, unchanged
        EXPECT_EQ(g_seen.code, c.code);
        EXPECT_EQ(g_seen.pos, c.pos);
        EXPECT_EQ(g_seen.params, c.params);  // the caller's record, not a copy
        EXPECT_EQ(callKinds(), std::vector<Fn>{Fn::Graphic});
    }
}

TEST_F(WrapperTest, SymbolAndSizedStringTravelInLocalRecords) {
    VR_Point p{3, 4};
    EXPECT_EQ(VR_DrawSymbol(&p, 0xC4), 500 + VR_GF_SYMBOL);
    EXPECT_EQ(g_seen.pos, &p);
    EXPECT_EQ(g_seen.symbol, 0xC4);

    const char *text = "Hallo", *suffix = "...";
    EXPECT_EQ(VR_DrawStringSized(&p, text, 0xBEEF, suffix), 500 + VR_GF_STRING_SIZED);
    EXPECT_EQ(g_seen.sized.text, text);
    EXPECT_EQ(g_seen.sized.maxWidth, 0xBEEF);
    EXPECT_EQ(g_seen.sized.suffix, suffix);
}

TEST_F(WrapperTest, ClearScreenPassesTheBackgroundColour) {
    ASSERT_EQ(VR_SetBkColor(rgb(9, 9, 9)), VR_OK);
    VR_Status s = VR_ClearScreen();
    EXPECT_EQ(s, 500 + VR_GF_CLEAR);
    EXPECT_EQ(g_seen.pos, nullptr);
    ASSERT_NE(g_seen.params, nullptr);
    EXPECT_EQ(word(*static_cast<const VR_Colour *>(g_seen.params)), word(rgb(9, 9, 9)));
    EXPECT_EQ(fake::count(Fn::Refresh), 0u);  // the clear failed
}

// ------------------------------------------------------------- dispatch

using DispatchTest = LibTest;

TEST_F(DispatchTest, UnknownCodesGive9AndDrawNothing) {
    VR_RectParams rect{4, 4, {}, {}, {}, 0, 0, 0};
    VR_Point p{0, 0};
    VR_Window w{0, 0, 320, 240};
    for (uint32_t code : {11u, 12u, 0x100u, 0x80000000u, 0xFFFFFFFFu})
        EXPECT_EQ(StdGraphicFunctions(code, &p, &w, &rect), VR_ERR_CODE) << code;
    EXPECT_EQ(DDrv_GraphicFunction(11, &p, &rect), VR_ERR_CODE);
    EXPECT_EQ(callKinds(), std::vector<Fn>{Fn::Graphic});
}

// --------------------------------------------------------- nested calls

// A composite element as the UI renderers build them: inside its own
// graphic function it switches to manual mode, draws through the exported
// calls, refreshes once and restores the mode.
VR_Status composite(uint32_t code, const VR_Point *pos, const VR_Window *win, void *params) {
    if (code != VR_GF_PROGRESS_BAR) return StdGraphicFunctions(code, pos, win, params);
    int32_t saved = 0;
    VR_GetUpdateMode(&saved);
    VR_SetUpdateMode(VR_UPDATE_MANUAL);
    const VR_RectParams frame{3, 2, rgb(1, 1, 1), {}, {}, 1, 0, VR_FILL_FRAME_ONLY};
    const VR_LineParams bar{pos->x, pos->y, uint16_t(pos->x + 1), pos->y, rgb(2, 2, 2)};
    const VR_Status s = VR_DrawRect(pos, &frame);
    VR_DrawLine(&bar);
    VR_RefreshDisplay();
    VR_SetUpdateMode(saved);
    return s;
}

using NestingTest = LibTest;

TEST_F(NestingTest, GraphicFunctionsNestThroughTheDriver) {
    ASSERT_EQ(DDrv_InitDriver(composite, ignoreHardKey), VR_OK);
    fake::clearCalls();
    VR_Point p{10, 10};
    const VR_ProgressBarParams outer{};
    EXPECT_EQ(VR_DrawProgressBar(&p, &outer), VR_OK);

    std::vector<std::pair<Fn, int>> seq;
    for (const fake::Call &c : fake::calls()) seq.emplace_back(c.fn, c.depth);
    const std::vector<std::pair<Fn, int>> expected{
        {Fn::Graphic, 0},                                         // the composite
        {Fn::Graphic, 1},                                         // its rectangle
        {Fn::SetPixel, 2}, {Fn::SetPixel, 2}, {Fn::SetPixel, 2},  // row 10
        {Fn::SetPixel, 2}, {Fn::SetPixel, 2}, {Fn::SetPixel, 2},  // row 11
        {Fn::Graphic, 1},  {Fn::SetPixel, 2}, {Fn::SetPixel, 2},  // its line
        {Fn::Refresh, 1}};                                        // one refresh
    EXPECT_EQ(seq, expected);
    EXPECT_EQ(mode(), 0);  // restored
    EXPECT_EQ(fake::ascii(10, 10, 3, 2, {{word(rgb(1, 1, 1)), 'f'}, {word(rgb(2, 2, 2)), 'b'}}),
              "bbf\nfff\n");
}

}  // namespace
