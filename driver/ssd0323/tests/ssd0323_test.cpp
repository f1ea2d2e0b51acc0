// DDrv_SSD0323 against a recording port that also models the controller's
// display RAM (column and row windows, horizontal increment), so each test
// sees both the bytes on the wire and the picture they leave.
#include <gtest/gtest.h>

#include <vector>

#include "DDrv.h"
#include "DDrv_SSD0323.h"
#include "ssd0323_grey.h"

namespace {

struct Port {
    bool openFails = false;
    std::vector<std::vector<uint8_t>> commands;
    size_t dataBytes = 0;
    // The controller's RAM, 64 byte columns x 80 rows, and its window.
    uint8_t ram[80][64] = {};
    int col = 0, colStart = 0, colEnd = 63, row = 0, rowStart = 0, rowEnd = 79;

    void command(const uint8_t *b, size_t n) {
        commands.emplace_back(b, b + n);
        if (b[0] == 0x15 && n == 3) col = colStart = b[1], colEnd = b[2];
        if (b[0] == 0x75 && n == 3) row = rowStart = b[1], rowEnd = b[2];
    }
    void data(const uint8_t *b, size_t n) {
        dataBytes += n;
        for (size_t i = 0; i < n; ++i) {
            ram[row][col] = b[i];
            if (++col > colEnd) {
                col = colStart;
                if (++row > rowEnd) row = rowStart;
            }
        }
    }
    void reset() { *this = Port{}; }
};
Port port;

}  // namespace

extern "C" {
int DDrv_SSD0323_PortOpen(void) { return port.openFails ? -1 : 0; }
void DDrv_SSD0323_PortCommand(const uint8_t *bytes, size_t count) { port.command(bytes, count); }
void DDrv_SSD0323_PortData(const uint8_t *bytes, size_t count) { port.data(bytes, count); }
}

namespace {

VR_Status graphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return 77; }
void keyA(uint32_t, uint32_t) {}
void keyB(uint32_t, uint32_t) {}

std::vector<std::pair<uint32_t, uint32_t>> keys;
void recordKey(uint32_t key, uint32_t pressed) { keys.emplace_back(key, pressed); }

constexpr VR_Colour kWhite{0, 255, 255, 255};

class Ssd0323 : public ::testing::Test {
  protected:
    void SetUp() override {
        port.reset();
        ASSERT_EQ(DDrv_InitDriver(graphic, keyA), VR_OK);
    }
    void TearDown() override { DDrv_DeInitDriver(); }
    // Commands sent since the last call.
    std::vector<std::vector<uint8_t>> sent() {
        auto c = port.commands;
        port.commands.clear();
        port.dataBytes = 0;
        return c;
    }
};

using Bytes = std::vector<uint8_t>;

TEST(Ssd0323Grey, LumaToSixteenLevelsAndBack) {
    struct Case {
        VR_Colour colour;
        uint8_t level;
    } cases[] = {
        {{0, 0, 0, 0}, 0},       {{0, 255, 255, 255}, 15}, {{0, 255, 0, 0}, 4},     {{0, 0, 255, 0}, 9},
        {{0, 0, 0, 255}, 1},     {{0, 128, 128, 128}, 8},  {{0, 127, 127, 127}, 7}, {{0, 16, 16, 16}, 1},
        {{0xAA, 15, 15, 15}, 0},  // the reserved byte is not read
    };
    for (const Case &c : cases) {
        EXPECT_EQ(DDrv_SSD0323_GreyLevel(c.colour), c.level)
            << int(c.colour.red) << " " << int(c.colour.green);
        // A level's own colour maps back to it, so reading and redrawing is stable.
        EXPECT_EQ(DDrv_SSD0323_GreyLevel(DDrv_SSD0323_GreyColour(c.level)), c.level);
    }
    const VR_Colour mid = DDrv_SSD0323_GreyColour(8);
    EXPECT_EQ(mid.red, 136);
    EXPECT_EQ(mid.blue, 136);
}

TEST_F(Ssd0323, InitialisesSwitchesOnAndClearsThePanel) {
    port.reset();
    port.ram[10][10] = 0x5A;
    ASSERT_EQ(DDrv_InitDriver(graphic, keyA), VR_OK);
    const auto c = sent();
    ASSERT_GE(c.size(), 4u);
    EXPECT_EQ(c.front(), Bytes{0xAE});
    EXPECT_EQ(c.back(), Bytes{0xAF});
    EXPECT_EQ(port.ram[10][10], 0);
    EXPECT_NE(std::find(c.begin(), c.end(), Bytes{0xA0, 0x52}), c.end());  // horizontal increment
    EXPECT_NE(std::find(c.begin(), c.end(), Bytes{0xA8, 63}), c.end());    // 64 rows
}

TEST_F(Ssd0323, RefusesNullCallbacksAndAFailedPort) {
    EXPECT_EQ(DDrv_InitDriver(nullptr, keyA), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GraphicFunction(0, nullptr, nullptr), VR_ERR_NO_CALLBACK);
    EXPECT_EQ(DDrv_InitDriver(graphic, nullptr), VR_ERR_DRIVER);
    DDrv_DeInitDriver();
    port.openFails = true;
    EXPECT_EQ(DDrv_InitDriver(graphic, keyA), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_RefreshDisplay(), VR_ERR_DRIVER);  // nothing is sent to a port that is not open
}

TEST_F(Ssd0323, PacksTwoPixelsPerByteLeftInTheHighNibble) {
    ASSERT_EQ(DDrv_SetPixel(VR_Point{4, 3}, kWhite), VR_OK);
    ASSERT_EQ(DDrv_SetPixel(VR_Point{5, 3}, VR_Colour{0, 128, 128, 128}), VR_OK);
    ASSERT_EQ(DDrv_SetPixel(VR_Point{127, 63}, VR_Colour{0, 255, 0, 0}), VR_OK);
    EXPECT_EQ(DDrv_SetPixel(VR_Point{128, 0}, kWhite), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_SetPixel(VR_Point{0, 64}, kWhite), VR_ERR_DRIVER);
    sent();
    ASSERT_EQ(DDrv_RefreshDisplay(), VR_OK);
    EXPECT_EQ(port.ram[3][2], 0xF8);
    EXPECT_EQ(port.ram[63][63], 0x04);
    EXPECT_EQ(port.dataBytes, 64u * 64u);

    VR_Colour c{};
    ASSERT_EQ(DDrv_GetPixel(VR_Point{5, 3}, &c), VR_OK);
    EXPECT_EQ(c.red, 136);
    EXPECT_EQ(c.green, 136);
    EXPECT_EQ(DDrv_GetPixel(VR_Point{5, 64}, &c), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_GetPixel(VR_Point{5, 3}, nullptr), VR_ERR_DRIVER);
}

TEST_F(Ssd0323, AreaRefreshSendsOnlyItsRowsAndByteColumns) {
    for (uint16_t y = 0; y < 64; ++y)
        for (uint16_t x = 0; x < 128; ++x) DDrv_SetPixel(VR_Point{x, y}, kWhite);
    sent();
    struct Case {
        VR_Point at;
        VR_Size size;
        int c0, c1, r0, r1;  // expected window; c0 < 0: nothing sent
    } cases[] = {
        {{10, 5}, {8, 3}, 5, 8, 5, 7},          // even edges
        {{11, 5}, {2, 1}, 5, 6, 5, 5},          // odd edges widen to whole bytes
        {{0, 0}, {1, 1}, 0, 0, 0, 0},           // one pixel
        {{120, 60}, {50, 50}, 60, 63, 60, 63},  // cut at the panel's edge
        {{128, 0}, {4, 4}, -1, 0, 0, 0},        // wholly outside
        {{3, 3}, {0, 5}, -1, 0, 0, 0},          // empty
    };
    for (const Case &k : cases) {
        port.reset();
        ASSERT_EQ(DDrv_RefreshDisplayArea(&k.at, &k.size), VR_OK);
        const auto c = sent();
        if (k.c0 < 0) {
            EXPECT_TRUE(c.empty()) << k.at.x;
            continue;
        }
        ASSERT_EQ(c.size(), 2u);
        EXPECT_EQ(c[0], (Bytes{0x15, uint8_t(k.c0), uint8_t(k.c1)}));
        EXPECT_EQ(c[1], (Bytes{0x75, uint8_t(k.r0), uint8_t(k.r1)}));
        // Exactly the window's bytes travelled and landed inside it.
        int lit = 0;
        for (auto &row : port.ram)
            for (uint8_t b : row) lit += b == 0xFF;
        EXPECT_EQ(lit, (k.c1 - k.c0 + 1) * (k.r1 - k.r0 + 1));
    }
    const VR_Point at{0, 0};
    EXPECT_EQ(DDrv_RefreshDisplayArea(nullptr, nullptr), VR_ERR_DRIVER);
    EXPECT_EQ(DDrv_RefreshDisplayArea(&at, nullptr), VR_ERR_DRIVER);
}

TEST_F(Ssd0323, ContrastAndBrightnessReachTheController) {
    sent();
    uint8_t v = 0;
    ASSERT_EQ(DDrv_SetDisplayContrast(200), VR_OK);
    EXPECT_EQ(sent(), (std::vector<Bytes>{{0x81, 100}}));
    ASSERT_EQ(DDrv_GetDisplayContrast(&v), VR_OK);
    EXPECT_EQ(v, 200);
    EXPECT_EQ(DDrv_SetDisplayContrast(256), VR_ERR_DRIVER);
    EXPECT_TRUE(sent().empty());

    for (auto [value, cmd] :
         {std::pair{0u, 0x84}, {84u, 0x84}, {85u, 0x85}, {169u, 0x85}, {170u, 0x86}, {255u, 0x86}}) {
        ASSERT_EQ(DDrv_SetDisplayBrightness(value), VR_OK);
        EXPECT_EQ(sent(), (std::vector<Bytes>{{uint8_t(cmd)}})) << value;
    }
    ASSERT_EQ(DDrv_GetDisplayBrightness(&v), VR_OK);
    EXPECT_EQ(v, 255);
    EXPECT_EQ(DDrv_GetDisplayContrast(nullptr), VR_ERR_DRIVER);

    // Set while the panel is down: kept and sent with the next initialisation.
    DDrv_DeInitDriver();
    EXPECT_EQ(sent(), (std::vector<Bytes>{{0xAE}}));
    ASSERT_EQ(DDrv_SetDisplayContrast(10), VR_OK);
    EXPECT_TRUE(sent().empty());
    ASSERT_EQ(DDrv_InitDriver(graphic, keyA), VR_OK);
    const auto c = sent();
    EXPECT_NE(std::find(c.begin(), c.end(), Bytes{0x81, 5}), c.end());
}

TEST_F(Ssd0323, DescribesThePanelAndPassesTheRestThrough) {
    VR_DisplayInfo info{};
    ASSERT_EQ(DDrv_GetDisplayInfo(&info), VR_OK);
    EXPECT_EQ(info.xSize, 128);
    EXPECT_EQ(info.ySize, 64);
    EXPECT_EQ(info.displayWidth, 128);
    EXPECT_EQ(info.displayHeight, 64);
    EXPECT_EQ(info.crRed, 4);
    EXPECT_EQ(info.crGreen, 4);
    EXPECT_EQ(info.crBlue, 4);

    uint32_t bl = 0xAAAAAAAA;
    EXPECT_EQ(DDrv_SetBL(1), VR_ERR_DRIVER_UNSUPPORTED);
    ASSERT_EQ(DDrv_GetBL(&bl), VR_OK);
    EXPECT_EQ(bl, 0xAAu);

    EXPECT_EQ(DDrv_GraphicFunction(3, nullptr, nullptr), 77);
    EXPECT_EQ(DDrv_SetHardKeyCallback(keyB), keyA);
    EXPECT_EQ(DDrv_SetHardKeyCallback(keyA), keyB);

    const VR_Point at{5, 6};
    const VR_Size size{300, 7};
    ASSERT_EQ(DDrv_SetActiveWindow(&at, &size), VR_OK);
    VR_Point gotAt{};
    VR_Size gotSize{};
    ASSERT_EQ(DDrv_GetActiveWindow(&gotAt, &gotSize), VR_OK);
    EXPECT_EQ(gotAt.y, 6);
    EXPECT_EQ(gotSize.width, 300);
    EXPECT_EQ(DDrv_SetActiveWindow(nullptr, &size), VR_ERR_DRIVER);
}

TEST_F(Ssd0323, KeysReachTheHardKeyCallbackOnlyWhileUp) {
    keys.clear();
    DDrv_SetHardKeyCallback(recordKey);
    DDrv_SSD0323_KeyEvent(4, 1);
    DDrv_SSD0323_KeyEvent(4, 0);
    EXPECT_EQ(keys, (std::vector<std::pair<uint32_t, uint32_t>>{{4, 1}, {4, 0}}));

    DDrv_DeInitDriver();
    DDrv_SSD0323_KeyEvent(0, 1);
    EXPECT_EQ(keys.size(), 2u);  // a key pressed while the panel is down goes nowhere
}

}  // namespace
