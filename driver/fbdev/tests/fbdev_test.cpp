// DDrv_Fbdev against the stand-in device (preloaded): every pixel layout
// the driver supports, compared byte for byte with the device memory, the
// library drawing through it, and the failures a real device can give.
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "DDrv.h"
#include "VRLib.h"
#include "fb_standin.h"
#include "temp_folder.h"

namespace {

void noKey(uint32_t, uint32_t) {}
VR_Status noGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return VR_OK; }

// The stand-in's functions, found in the preloaded library.
struct Standin {
    decltype(&fb_standin_configure) configure;
    decltype(&fb_standin_memory) memory;
    decltype(&fb_standin_open_count) openCount;
};

const Standin &standin() {
    static const Standin s{
        reinterpret_cast<decltype(&fb_standin_configure)>(dlsym(RTLD_DEFAULT, "fb_standin_configure")),
        reinterpret_cast<decltype(&fb_standin_memory)>(dlsym(RTLD_DEFAULT, "fb_standin_memory")),
        reinterpret_cast<decltype(&fb_standin_open_count)>(dlsym(RTLD_DEFAULT, "fb_standin_open_count"))};
    return s;
}

class FbdevTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(standin().configure, nullptr) << "run with LD_PRELOAD=libfb_standin.so";
        unsetenv("DDRV_FBDEV_DEVICE");
    }
    void TearDown() override {
        DDrv_DeInitDriver();
        EXPECT_EQ(standin().openCount(), 0) << "the device was left open";
    }

    static void configure(FbStandinConfig c) { standin().configure(&c); }
    static std::vector<uint8_t> memory() {
        size_t length = 0;
        const uint8_t *m = standin().memory(&length);
        return {m, m + length};
    }
};

// A pixel layout, and the bytes colour (0x12, 0x34, 0x56) must become.
struct Layout {
    const char *name;
    uint32_t bpp;
    int bgr, transp;
    uint32_t stride;  // 0: packed rows
    std::vector<uint8_t> bytes;
    uint8_t bitsRed, bitsGreen, bitsBlue;
};

// Worked out by hand: RGB565 of (0x12, 0x34, 0x56) is 00010 001101 01010 =
// 0x11AA, BGR565 is 01010 001101 00010 = 0x51A2; stored little-endian.
const Layout kLayouts[] = {
    {"RGB565", 16, 0, 0, 0, {0xAA, 0x11}, 5, 6, 5},
    {"BGR565", 16, 1, 0, 0, {0xA2, 0x51}, 5, 6, 5},
    {"RGB565, padded rows", 16, 0, 0, 7 * 2 + 6, {0xAA, 0x11}, 5, 6, 5},
    {"RGB888", 24, 0, 0, 0, {0x56, 0x34, 0x12}, 8, 8, 8},
    {"BGR888, padded rows", 24, 1, 0, 7 * 3 + 3, {0x12, 0x34, 0x56}, 8, 8, 8},
    {"XRGB8888", 32, 0, 0, 0, {0x56, 0x34, 0x12, 0x00}, 8, 8, 8},
    {"XBGR8888, padded rows", 32, 1, 0, 7 * 4 + 8, {0x12, 0x34, 0x56, 0x00}, 8, 8, 8},
    {"ARGB8888 (opaque)", 32, 0, 1, 0, {0x56, 0x34, 0x12, 0xFF}, 8, 8, 8},
};

TEST_F(FbdevTest, EveryLayoutStoresTheKernelsBytesAtTheRightPlace) {
    const uint32_t w = 7, h = 5;
    const VR_Colour colour{0, 0x12, 0x34, 0x56};
    for (const Layout &l : kLayouts) {
        SCOPED_TRACE(l.name);
        configure({nullptr, l.bpp, w, h, l.stride, l.bgr, l.transp, nullptr});
        ASSERT_EQ(DDrv_InitDriver(noGraphic, noKey), VR_OK);
        const uint32_t bytes = l.bpp / 8, stride = l.stride ? l.stride : w * bytes;

        const VR_Point corners[] = {
            {0, 0}, {uint16_t(w - 1), 0}, {0, uint16_t(h - 1)}, {uint16_t(w - 1), uint16_t(h - 1)}};
        for (VR_Point p : corners) EXPECT_EQ(DDrv_SetPixel(p, colour), VR_OK);
        // Outside the visible area, into the row padding: refused.
        EXPECT_EQ(DDrv_SetPixel(VR_Point{uint16_t(w), 0}, colour), VR_ERR_DRIVER);
        EXPECT_EQ(DDrv_SetPixel(VR_Point{0, uint16_t(h)}, colour), VR_ERR_DRIVER);

        const std::vector<uint8_t> mem = memory();
        ASSERT_EQ(mem.size(), size_t(stride) * h);
        std::vector<uint8_t> expected(mem.size(), 0xEE);
        for (VR_Point p : corners)
            std::copy(l.bytes.begin(), l.bytes.end(), expected.begin() + p.y * stride + p.x * bytes);
        EXPECT_EQ(mem, expected);

        VR_Colour back{};
        ASSERT_EQ(DDrv_GetPixel(VR_Point{uint16_t(w - 1), uint16_t(h - 1)}, &back), VR_OK);
        EXPECT_EQ(back.red >> (8 - l.bitsRed), 0x12 >> (8 - l.bitsRed));
        EXPECT_EQ(back.green >> (8 - l.bitsGreen), 0x34 >> (8 - l.bitsGreen));
        EXPECT_EQ(back.blue >> (8 - l.bitsBlue), 0x56 >> (8 - l.bitsBlue));

        VR_DisplayInfo info{};
        ASSERT_EQ(DDrv_GetDisplayInfo(&info), VR_OK);
        EXPECT_EQ(info.xSize, w);
        EXPECT_EQ(info.ySize, h);
        EXPECT_EQ(info.displayWidth, w);
        EXPECT_EQ(info.crRed, l.bitsRed);
        EXPECT_EQ(info.crGreen, l.bitsGreen);
        EXPECT_EQ(info.crBlue, l.bitsBlue);
        DDrv_DeInitDriver();
    }
}

TEST_F(FbdevTest, FullIntensityReadsBackAsFullIntensity) {
    configure({nullptr, 16, 4, 4, 0, 0, 0, nullptr});
    ASSERT_EQ(DDrv_InitDriver(noGraphic, noKey), VR_OK);
    ASSERT_EQ(DDrv_SetPixel(VR_Point{1, 1}, VR_Colour{0, 255, 255, 255}), VR_OK);
    VR_Colour back{};
    ASSERT_EQ(DDrv_GetPixel(VR_Point{1, 1}, &back), VR_OK);
    EXPECT_EQ(back.red, 255);
    EXPECT_EQ(back.green, 255);
    EXPECT_EQ(back.blue, 255);
}

TEST_F(FbdevTest, TheLibraryClearsExactlyTheVisibleArea) {
    const uint32_t w = 320, h = 240, stride = 320 * 2 + 64;
    configure({nullptr, 16, w, h, stride, 0, 0, nullptr});
    ASSERT_EQ(VR_InitVRLib(noKey), VR_OK);
    ASSERT_EQ(VR_SetBkColor(VR_Colour{0, 0x12, 0x34, 0x56}), VR_OK);
    ASSERT_EQ(VR_ClearScreen(), VR_OK);
    const std::vector<uint8_t> mem = memory();
    size_t wrong = 0;
    for (uint32_t y = 0; y < h; ++y)
        for (uint32_t x = 0; x < stride; ++x) {
            const uint8_t want = x >= w * 2 ? 0xEE : (x % 2 ? 0x11 : 0xAA);
            wrong += mem[size_t(y) * stride + x] != want;
        }
    EXPECT_EQ(wrong, 0u);
    EXPECT_EQ(VR_DeInitVRLib(), VR_OK);
}

TEST_F(FbdevTest, DeviceComesFromTheEnvironmentBeforeTheIniFile) {
    const vrtest::TempFolder folder("fbdev", vrtest::TempFolder::Enter::Yes);
    std::ofstream("Fbdev.ini") << "[Fbdev]\nDevice=/dev/fb6\nOrientation=1\n";

    configure({"/dev/fb6", 32, 8, 6, 0, 0, 0, nullptr});
    EXPECT_EQ(DDrv_InitDriver(noGraphic, noKey), VR_OK) << "the INI file's device";
    VR_DisplayInfo info{};
    DDrv_GetDisplayInfo(&info);
    EXPECT_EQ(info.orientation, 1);
    EXPECT_EQ(info.displayWidth, 6) << "orientation 1 swaps width and height";
    EXPECT_EQ(info.displayHeight, 8);
    VR_Point origin{};
    VR_Size size{};
    DDrv_GetActiveWindow(&origin, &size);
    EXPECT_EQ(size.width, 6);
    EXPECT_EQ(size.height, 8);
    DDrv_DeInitDriver();

    setenv("DDRV_FBDEV_DEVICE", "/dev/fb7", 1);
    testing::internal::CaptureStderr();
    EXPECT_EQ(DDrv_InitDriver(noGraphic, noKey), VR_ERR_DRIVER) << "the environment wins over the INI file";
    EXPECT_NE(testing::internal::GetCapturedStderr().find("/dev/fb7"), std::string::npos);
    configure({"/dev/fb7", 32, 8, 6, 0, 0, 0, nullptr});
    EXPECT_EQ(DDrv_InitDriver(noGraphic, noKey), VR_OK);
}

// A device that cannot be used: 258, one line naming it and the cause, and
// nothing left open.
TEST_F(FbdevTest, UnusableDevicesAreRefusedWithOneClearLine) {
    struct Case {
        FbStandinConfig config;
        const char *message;
    } cases[] = {
        {{nullptr, 16, 8, 8, 0, 0, 0, "open"},
         "DDrv_Fbdev: cannot open /dev/fb0: No such file or directory\n"},
        {{nullptr, 16, 8, 8, 0, 0, 0, "ioctl"},
         "DDrv_Fbdev: /dev/fb0: cannot read the screen information (not a frame-buffer device?): "
         "Inappropriate "
         "ioctl for device\n"},
        {{nullptr, 16, 8, 8, 0, 0, 0, "mmap"},
         "DDrv_Fbdev: cannot map the memory of /dev/fb0: Invalid argument\n"},
        {{nullptr, 8, 8, 8, 0, 0, 0, nullptr},
         "DDrv_Fbdev: /dev/fb0: 8 bits per pixel are not supported (16, 24 or 32)\n"},
        {{nullptr, 16, 8, 8, 8, 0, 0, nullptr},
         "DDrv_Fbdev: /dev/fb0: the reported memory (64 bytes, rows of 8) does not hold the visible 8 x 8 "
         "pixels\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.message);
        configure(c.config);
        testing::internal::CaptureStderr();
        EXPECT_EQ(DDrv_InitDriver(noGraphic, noKey), VR_ERR_DRIVER);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), c.message);
        EXPECT_EQ(standin().openCount(), 0);
        EXPECT_EQ(DDrv_SetPixel(VR_Point{0, 0}, VR_Colour{}), VR_ERR_DRIVER) << "unbound after a refusal";
    }
}

}  // namespace
