// The 19 exports of libDDrv_Lumisim.so, driven directly with its headless
// window side (LUMISIM_HEADLESS=1 in the test environment).
#include <array>
#include <thread>
#include <vector>

#include "ini_dir_fixture.h"
#include "vr_versions.h"

namespace {

// What the graphic callback saw, call by call.
struct GraphicCall {
    uint32_t code;
    const VR_Point *position;
    const VR_Window *windowAddress;
    VR_Window window;
    void *params;
    VR_Status pixelStatus;  // of a DDrv_SetPixel made inside the callback
};
std::vector<GraphicCall> g_graphicCalls;
VR_Status g_graphicResult = 0;

VR_Status recordGraphic(uint32_t code, const VR_Point *position, const VR_Window *window, void *params) {
    g_graphicCalls.push_back(
        GraphicCall{code, position, window, *window, params, DDrv_SetPixel(pt(0, 0), colourOf(0x01020304))});
    return g_graphicResult;
}

// A renderer-like callback: fills the active window with the colour word
// that params points at, one pixel at a time.
VR_Status fillWindow(uint32_t, const VR_Point *, const VR_Window *w, void *params) {
    const VR_Colour c = colourOf(*static_cast<uint32_t *>(params));
    for (uint32_t y = w->y; y < uint32_t(w->y) + w->height; ++y)
        for (uint32_t x = w->x; x < uint32_t(w->x) + w->width; ++x)
            if (DDrv_SetPixel(pt(uint16_t(x), uint16_t(y)), c) != VR_OK) return 1;
    return VR_OK;
}

// Calls DDrv_GraphicFunction again from inside, as composite elements do.
int g_depth = 0;
int g_maxDepth = 0;
VR_Status nested(uint32_t code, const VR_Point *, const VR_Window *, void *) {
    g_maxDepth = std::max(g_maxDepth, ++g_depth);
    VR_Status s = code == 0 ? VR_Status(40) : DDrv_GraphicFunction(code - 1, nullptr, nullptr);
    --g_depth;
    return VR_Status(s + 1);
}

VR_DisplayInfo displayInfo() {
    VR_DisplayInfo info{};
    EXPECT_EQ(DDrv_GetDisplayInfo(&info), VR_OK);
    return info;
}

VR_Window activeWindow() {
    VR_Point origin{0xEEEE, 0xEEEE};
    VR_Size size{0xEEEE, 0xEEEE};
    EXPECT_EQ(DDrv_GetActiveWindow(&origin, &size), VR_OK);
    return VR_Window{origin.x, origin.y, size.width, size.height};
}

bool operator==(const VR_Window &a, const VR_Window &b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

class DriverTest : public IniDirTest {
  protected:
    void SetUp() override {
        IniDirTest::SetUp();
        g_graphicCalls.clear();
        g_graphicResult = 0;
    }
    static void init(DDrv_GraphicCallback graphic = recordGraphic) {
        ASSERT_EQ(DDrv_InitDriver(graphic, hardKey<1>), VR_OK);
    }
};

TEST_F(DriverTest, InitWithoutIniFileGivesTheDefaultPanel) {
    init();
    const VR_DisplayInfo info = displayInfo();
    EXPECT_EQ(info.xSize, 320);
    EXPECT_EQ(info.ySize, 240);
    EXPECT_EQ(info.displayWidth, 320);
    EXPECT_EQ(info.displayHeight, 240);
    EXPECT_EQ(info.crRed, 8);
    EXPECT_EQ(info.crGreen, 8);
    EXPECT_EQ(info.crBlue, 8);
    EXPECT_EQ(info.reserved, 0);
    EXPECT_EQ(info.orientation, 0);
    EXPECT_EQ(info.colourMode, 2);
    EXPECT_TRUE(activeWindow() == (VR_Window{0, 0, 320, 240}));
}

TEST_F(DriverTest, SwappedOrientationSwapsTheWindowButNotThePixelBounds) {
    writeIni("[DisplayParams]\nXSize=320\nYSize=240\nOrientation=1\n");
    init();
    const VR_DisplayInfo info = displayInfo();
    EXPECT_EQ(info.displayWidth, 240);
    EXPECT_EQ(info.displayHeight, 320);
    EXPECT_TRUE(activeWindow() == (VR_Window{0, 0, 240, 320}));
    EXPECT_EQ(DDrv_SetPixel(pt(239, 300), colourOf(1)), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_SetPixel(pt(300, 100), colourOf(1)), VR_OK);

    // Set only ever answers 0 and changes nothing.
    EXPECT_EQ(DDrv_SetOrientation(0), VR_OK);
    EXPECT_EQ(displayInfo().displayWidth, 240);
    EXPECT_EQ(displayInfo().orientation, 1);
}

TEST_F(DriverTest, EveryInitReadsTheFileAgain) {
    writeIni("[DisplayParams]\nXSize=65536\nCRRed=256\n");
    init();
    EXPECT_EQ(displayInfo().xSize, 320);
    EXPECT_EQ(displayInfo().crRed, 8);
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);

    writeIni("[DisplayParams]\nXSize=16\nYSize=8\nColourMode=1\nCRRed=5\n");
    init();
    const VR_DisplayInfo info = displayInfo();
    EXPECT_EQ(info.xSize, 16);
    EXPECT_EQ(info.ySize, 8);
    EXPECT_EQ(info.colourMode, 1);
    EXPECT_EQ(info.crRed, 0);
}

TEST_F(DriverTest, InitRefusesNullCallbacksButKeepsTheGraphicOne) {
    init();
    ASSERT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(7)), VR_OK);

    EXPECT_EQ(DDrv_InitDriver(nullptr, hardKey<1>), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GraphicFunction(0, nullptr, nullptr), VR_ERR_NO_CALLBACK);
    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(7)), VR_ERR_DRIVER);  // unbound now

    g_graphicResult = 33;
    EXPECT_EQ(DDrv_InitDriver(recordGraphic, nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GraphicFunction(0, nullptr, nullptr), 33);  // stored, though refused
    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(7)), VR_ERR_DRIVER);
}

TEST_F(DriverTest, PixelBoundsAreTheConfiguredPanel) {
    writeIni("[DisplayParams]\nXSize=7\nYSize=5\n");
    init();
    const uint32_t marker = 0x5A5A5A5A;
    EXPECT_EQ(DDrv_SetPixel(pt(6, 4), colourOf(marker)), VR_OK);
    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(marker)), VR_OK);
    // Just outside: x = XSize would be pixel (0, 1) in a buffer without
    // bounds, y = YSize past its end.
    EXPECT_EQ(DDrv_SetPixel(pt(7, 0), colourOf(1)), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_SetPixel(pt(0, 5), colourOf(1)), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_SetPixel(pt(65535, 65535), colourOf(1)), VR_ERR_DRIVER);

    VR_Colour out = colourOf(0xDEADBEEF);
    EXPECT_EQ(DDrv_GetPixel(pt(7, 0), &out), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GetPixel(pt(0, 5), &out), VR_ERR_DRIVER);
    EXPECT_EQ(wordOf(out), 0xDEADBEEFu);  // untouched
    EXPECT_EQ(DDrv_GetPixel(pt(0, 0), nullptr), VR_ERR_DRIVER);

    ASSERT_EQ(DDrv_GetPixel(pt(0, 1), &out), VR_OK);
    EXPECT_EQ(wordOf(out), 0u);  // fresh panels are black
}

TEST_F(DriverTest, EveryPixelKeepsItsOwnExactWord) {
    writeIni("[DisplayParams]\nXSize=7\nYSize=5\nOrientation=1\n");
    init();
    const auto wordAt = [](uint32_t x, uint32_t y) { return 0xA0000000u | (y << 16) | (x << 8) | 0xAB; };
    for (uint16_t y = 0; y < 5; ++y)
        for (uint16_t x = 0; x < 7; ++x) ASSERT_EQ(DDrv_SetPixel(pt(x, y), colourOf(wordAt(x, y))), VR_OK);
    for (uint16_t y = 0; y < 5; ++y)
        for (uint16_t x = 0; x < 7; ++x) {
            VR_Colour out{};
            ASSERT_EQ(DDrv_GetPixel(pt(x, y), &out), VR_OK);
            EXPECT_EQ(wordOf(out), wordAt(x, y)) << x << "," << y;
            EXPECT_EQ(out.reserved, 0xAB);  // byte 0 travels unchanged
        }
}

TEST_F(DriverTest, FixedAnswersOfTheOtherExports) {
    VR_Version version{9, 9, 9};
    EXPECT_EQ(DDrv_GetVersion(&version), VR_OK);
    EXPECT_EQ(version.major, DDRV_LUMISIM_VERSION_MAJOR);
    EXPECT_EQ(version.minor, DDRV_LUMISIM_VERSION_MINOR);
    EXPECT_EQ(version.patch, DDRV_LUMISIM_VERSION_PATCH);
    EXPECT_EQ(DDrv_GetVersion(nullptr), VR_ERR_DRIVER);

    EXPECT_EQ(DDrv_SetBL(0xFFFFFFFF), VR_ERR_DRIVER_UNSUPPORTED);
    std::array<uint8_t, 4> bl{0xAA, 0xAA, 0xAA, 0xAA};
    uint32_t record;
    std::memcpy(&record, bl.data(), 4);
    EXPECT_EQ(DDrv_GetBL(&record), VR_OK);
    std::memcpy(bl.data(), &record, 4);
    EXPECT_EQ(bl, (std::array<uint8_t, 4>{0xAA, 0, 0, 0}));
    EXPECT_EQ(DDrv_GetBL(nullptr), VR_ERR_DRIVER);

    EXPECT_EQ(DDrv_SetDisplayContrast(77), VR_OK);
    EXPECT_EQ(DDrv_SetDisplayBrightness(77), VR_OK);
    uint8_t contrast = 0x55, brightness = 0x55;
    EXPECT_EQ(DDrv_GetDisplayContrast(&contrast), VR_OK);
    EXPECT_EQ(DDrv_GetDisplayBrightness(&brightness), VR_OK);
    EXPECT_EQ(contrast, 0);
    EXPECT_EQ(brightness, 0);
    EXPECT_EQ(DDrv_GetDisplayContrast(nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GetDisplayBrightness(nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GetDisplayInfo(nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_SetOrientation(1), VR_OK);
}

TEST_F(DriverTest, ActiveWindowIsTakenAsGivenAndSurvivesShutdown) {
    init();
    const VR_Point origin{5, 6};
    const VR_Size huge{1000, 2000};  // larger than the panel: not checked here
    EXPECT_EQ(DDrv_SetActiveWindow(&origin, &huge), VR_OK);
    EXPECT_TRUE(activeWindow() == (VR_Window{5, 6, 1000, 2000}));

    EXPECT_EQ(DDrv_SetActiveWindow(nullptr, &huge), VR_ERR_DRIVER);
    const VR_Point other{1, 1};
    EXPECT_EQ(DDrv_SetActiveWindow(&other, nullptr), VR_ERR_DRIVER);
    EXPECT_TRUE(activeWindow() == (VR_Window{5, 6, 1000, 2000}));

    VR_Point p{};
    VR_Size s{};
    EXPECT_EQ(DDrv_GetActiveWindow(nullptr, &s), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GetActiveWindow(&p, nullptr), VR_ERR_DRIVER);

    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    EXPECT_TRUE(activeWindow() == (VR_Window{5, 6, 1000, 2000}));
    init();
    EXPECT_TRUE(activeWindow() == (VR_Window{0, 0, 320, 240}));
}

TEST_F(DriverTest, HardKeyCallbacksSwapInOrder) {
    ASSERT_EQ(DDrv_InitDriver(recordGraphic, hardKey<1>), VR_OK);
    EXPECT_EQ(DDrv_SetHardKeyCallback(hardKey<2>), &hardKey<1>);
    EXPECT_EQ(DDrv_SetHardKeyCallback(hardKey<3>), &hardKey<2>);

    // Unbound, the driver keeps the callback itself and swaps as usual.
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    EXPECT_EQ(DDrv_SetHardKeyCallback(hardKey<4>), &hardKey<3>);
    EXPECT_EQ(DDrv_SetHardKeyCallback(nullptr), &hardKey<4>);

    // A new initialisation hands its own callback to the window.
    ASSERT_EQ(DDrv_InitDriver(recordGraphic, hardKey<5>), VR_OK);
    EXPECT_EQ(DDrv_SetHardKeyCallback(hardKey<6>), &hardKey<5>);
}

TEST_F(DriverTest, GraphicFunctionCallsBackWithTheActiveWindow) {
    init();
    const VR_Point origin{3, 4};
    const VR_Size size{10, 20};
    ASSERT_EQ(DDrv_SetActiveWindow(&origin, &size), VR_OK);

    const VR_Point position{7, 8};
    int params = 0;
    g_graphicResult = 0xBEEF;  // all 16 bits come back
    EXPECT_EQ(DDrv_GraphicFunction(12345, &position, &params), 0xBEEF);
    g_graphicResult = 9;
    EXPECT_EQ(DDrv_GraphicFunction(2, nullptr, nullptr), 9);

    ASSERT_EQ(g_graphicCalls.size(), 2u);
    const GraphicCall &first = g_graphicCalls[0];
    EXPECT_EQ(first.code, 12345u);
    EXPECT_EQ(first.position, &position);
    EXPECT_EQ(first.params, &params);
    EXPECT_TRUE(first.window == (VR_Window{3, 4, 10, 20}));
    EXPECT_EQ(first.pixelStatus, VR_OK);
    EXPECT_EQ(g_graphicCalls[1].position, nullptr);
    EXPECT_EQ(g_graphicCalls[1].params, nullptr);
    // The driver's own window, not a copy: one address for every call.
    EXPECT_EQ(g_graphicCalls[1].windowAddress, first.windowAddress);
}

TEST_F(DriverTest, GraphicFunctionDrawsThroughThePixelExports) {
    writeIni("[DisplayParams]\nXSize=6\nYSize=4\n");
    init(fillWindow);
    const VR_Point origin{1, 1};
    const VR_Size size{3, 2};
    ASSERT_EQ(DDrv_SetActiveWindow(&origin, &size), VR_OK);
    uint32_t colour = 0x00FF8000;
    ASSERT_EQ(DDrv_GraphicFunction(3, nullptr, &colour), VR_OK);
    EXPECT_EQ(DDrv_RefreshDisplay(), VR_OK);

    std::string picture;
    for (uint16_t y = 0; y < 4; ++y) {
        for (uint16_t x = 0; x < 6; ++x) {
            VR_Colour c{};
            ASSERT_EQ(DDrv_GetPixel(pt(x, y), &c), VR_OK);
            picture += wordOf(c) == colour ? '#' : wordOf(c) == 0 ? '.' : '?';
        }
        picture += '\n';
    }
    EXPECT_EQ(picture,
              "......\n"
              ".###..\n"
              ".###..\n"
              "......\n");
}

TEST_F(DriverTest, NestedGraphicFunctionsAreAccepted) {
    init(nested);
    g_maxDepth = 0;
    EXPECT_EQ(DDrv_GraphicFunction(3, nullptr, nullptr), 44);  // 40 + one per level
    EXPECT_EQ(g_maxDepth, 4);
}

TEST_F(DriverTest, CallsWhileUnboundAreHarmless) {
    init();
    ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
    EXPECT_EQ(DDrv_DeInitDriver(), VR_OK);

    EXPECT_EQ(DDrv_SetPixel(pt(0, 0), colourOf(1)), VR_ERR_DRIVER);
    VR_Colour out = colourOf(0xDEADBEEF);
    EXPECT_EQ(DDrv_GetPixel(pt(0, 0), &out), VR_ERR_DRIVER);
    EXPECT_EQ(wordOf(out), 0xDEADBEEFu);
    EXPECT_EQ(DDrv_RefreshDisplay(), VR_OK);
    const VR_Point origin{0, 0};
    const VR_Size size{1, 1};
    EXPECT_EQ(DDrv_RefreshDisplayArea(&origin, &size), VR_OK);
    EXPECT_EQ(DDrv_RefreshDisplayArea(nullptr, nullptr), VR_OK);

    // The kept callback is still called; its pixels find no panel.
    g_graphicResult = 5;
    EXPECT_EQ(DDrv_GraphicFunction(1, nullptr, nullptr), 5);
    ASSERT_EQ(g_graphicCalls.size(), 1u);
    EXPECT_EQ(g_graphicCalls[0].pixelStatus, VR_ERR_DRIVER);

    // Exports that need no panel work as always.
    EXPECT_EQ(displayInfo().xSize, 320);
    VR_Version version{};
    EXPECT_EQ(DDrv_GetVersion(&version), VR_OK);
}

TEST_F(DriverTest, SecondInitReplacesTheRunningPanel) {
    writeIni("[DisplayParams]\nXSize=7\nYSize=5\n");
    init();
    ASSERT_EQ(DDrv_SetPixel(pt(1, 1), colourOf(0x11223344)), VR_OK);

    writeIni("[DisplayParams]\nXSize=9\nYSize=4\n");
    ASSERT_EQ(DDrv_InitDriver(recordGraphic, hardKey<2>), VR_OK);
    EXPECT_EQ(displayInfo().xSize, 9);
    EXPECT_EQ(DDrv_SetPixel(pt(8, 3), colourOf(1)), VR_OK);
    EXPECT_EQ(DDrv_SetPixel(pt(8, 4), colourOf(1)), VR_ERR_DRIVER);
    VR_Colour out{};
    ASSERT_EQ(DDrv_GetPixel(pt(1, 1), &out), VR_OK);
    EXPECT_EQ(wordOf(out), 0u);  // a new frame buffer
    EXPECT_EQ(DDrv_SetHardKeyCallback(hardKey<3>), &hardKey<2>);
}

TEST_F(DriverTest, RepeatedInitAndShutdownCycles) {
    writeIni("[DisplayParams]\nXSize=32\nYSize=16\n");
    for (uint16_t cycle = 0; cycle < 50; ++cycle) {
        SCOPED_TRACE(cycle);
        ASSERT_EQ(DDrv_InitDriver(recordGraphic, hardKey<1>), VR_OK);
        const VR_Point p = pt(cycle % 32, cycle % 16);
        ASSERT_EQ(DDrv_SetPixel(p, colourOf(cycle + 1u)), VR_OK);
        VR_Colour out{};
        ASSERT_EQ(DDrv_GetPixel(p, &out), VR_OK);
        EXPECT_EQ(wordOf(out), cycle + 1u);
        ASSERT_EQ(DDrv_RefreshDisplay(), VR_OK);
        ASSERT_EQ(DDrv_DeInitDriver(), VR_OK);
        ASSERT_EQ(DDrv_SetPixel(p, colourOf(1)), VR_ERR_DRIVER);
    }
}

// The driver is not re-entrant across threads, but successive callers on
// different threads (serialised by join) must see each other's work.
TEST_F(DriverTest, SerialisedCallersOnDifferentThreads) {
    writeIni("[DisplayParams]\nXSize=8\nYSize=8\n");
    std::thread([] {
        ASSERT_EQ(DDrv_InitDriver(recordGraphic, hardKey<1>), VR_OK);
        ASSERT_EQ(DDrv_SetPixel(pt(2, 3), colourOf(0xCAFE)), VR_OK);
    }).join();
    std::thread([] {
        VR_Colour out{};
        ASSERT_EQ(DDrv_GetPixel(pt(2, 3), &out), VR_OK);
        EXPECT_EQ(wordOf(out), 0xCAFEu);
        EXPECT_EQ(DDrv_RefreshDisplay(), VR_OK);
        EXPECT_EQ(DDrv_SetHardKeyCallback(hardKey<2>), &hardKey<1>);
    }).join();
    EXPECT_EQ(DDrv_DeInitDriver(), VR_OK);
}

}  // namespace
