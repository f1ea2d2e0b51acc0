// DDrv_Fbdev: the 19 driver functions on a Linux frame-buffer device. The
// panel is the device's visible area; pixels go straight into its mapped
// memory in the device's own layout, so a refresh has nothing to send.
#include <bit>
#include <cstdio>
#include <cstring>
#include <string>

#include "DDrv.h"
#include "fb_device.h"
#include "fb_settings.h"

// The per-pixel path reads the colour word's bytes and the point's halves by
// shifting.
static_assert(std::endian::native == std::endian::little);

namespace {

struct Driver {
    DDrv_GraphicCallback graphic = nullptr;
    DDrv_HardKeyCallback hardKey = nullptr;
    VR_Window activeWindow{};
    fbdev::Settings settings;
    fbdev::FbDevice device;
    VR_DisplayInfo info{};
};

Driver g_driver;

// The per-pixel path reads only these. The bounds are 0 x 0 while unbound,
// so the one bounds test also refuses every call without a device.
uint8_t *g_origin = nullptr;
uint32_t g_stride = 0, g_width = 0, g_height = 0;
fbdev::PixelFormat g_format;
fbdev::PackTables g_pack;
fbdev::Layout g_layout = fbdev::Layout::Generic;

bool swapsAxes(int32_t orientation) {
    return !(orientation == 0 || orientation == 2 || orientation == 4 || orientation == 6);
}

VR_DisplayInfo describe(const fbdev::FbDevice &d, int32_t orientation) {
    VR_DisplayInfo info{};
    info.xSize = d.width;
    info.ySize = d.height;
    info.displayWidth = swapsAxes(orientation) ? d.height : d.width;
    info.displayHeight = swapsAxes(orientation) ? d.width : d.height;
    info.crRed = d.format.red.length;
    info.crGreen = d.format.green.length;
    info.crBlue = d.format.blue.length;
    info.orientation = orientation;
    info.colourMode = 2;
    return info;
}

uint8_t *pixelAt(VR_Point p) {
    return g_origin + size_t(p.y) * g_stride + size_t(p.x) * g_format.bytesPerPixel;
}

// Out of line, so that the common layouts' paths keep their registers and
// return on their own.
[[gnu::noinline]] VR_Status setThroughTables(uint8_t *at, VR_Colour colour) {
    g_format.store(at, g_pack.pack(colour));
    return VR_OK;
}

}  // namespace

extern "C" DDRV_API VR_Status DDrv_DeInitDriver(void) {
    g_width = g_height = 0;
    g_origin = nullptr;
    fbdev::closeDevice(g_driver.device);
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    // A second initialisation releases the device first; a refused one
    // leaves the driver unbound.
    DDrv_DeInitDriver();
    auto &d = g_driver;
    d.graphic = graphic;
    if (graphic == nullptr || hardKey == nullptr) return VR_ERR_DRIVER;
    d.hardKey = hardKey;
    d.settings = fbdev::readSettings();
    std::string error;
    if (!fbdev::openDevice(d.settings.device, d.device, error)) {
        std::fprintf(stderr, "DDrv_Fbdev: %s\n", error.c_str());
        return VR_ERR_DRIVER;
    }
    d.info = describe(d.device, d.settings.orientation);
    d.activeWindow = VR_Window{0, 0, d.info.displayWidth, d.info.displayHeight};
    g_origin = d.device.origin;
    g_stride = d.device.stride;
    g_format = d.device.format;
    g_pack.build(g_format);
    g_layout = fbdev::commonLayout(g_format);
    g_width = d.device.width;
    g_height = d.device.height;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_SetPixel(VR_Point point, VR_Colour colour) {
    // x is the point's low half, y its high half (one 32-bit word).
    const uint32_t xy = std::bit_cast<uint32_t>(point);
    const size_t x = xy & 0xFFFFu, y = xy >> 16;
    if (x >= g_width || y >= g_height) return VR_ERR_DRIVER;
    // The common layouts straight from the colour word (byte 0 reserved,
    // then red, green, blue) with a constant pixel size, RGB565 tested
    // first: on this path every instruction shows. Every other layout goes
    // through the tables.
    uint8_t *const row = g_origin + y * g_stride;
    const uint32_t word = std::bit_cast<uint32_t>(colour);
    if (g_layout == fbdev::Layout::Rgb565) {
        const uint16_t v = uint16_t((word & 0xF800u) | ((word >> 13) & 0x07E0u) | (word >> 27));
        std::memcpy(row + x * 2, &v, 2);
        return VR_OK;
    }
    if (g_layout == fbdev::Layout::Xrgb8888) {
        // Byte 0 of the word lands in the unused top byte (X), or under the
        // transparency bits, which opaque sets.
        const uint32_t v = __builtin_bswap32(word) | g_format.opaque;
        std::memcpy(row + x * 4, &v, 4);
        return VR_OK;
    }
    if (g_layout == fbdev::Layout::Xbgr8888) {
        const uint32_t v = (word >> 8) | g_format.opaque;
        std::memcpy(row + x * 4, &v, 4);
        return VR_OK;
    }
    return setThroughTables(row + x * g_format.bytesPerPixel, colour);
}

extern "C" DDRV_API VR_Status DDrv_GetPixel(VR_Point point, VR_Colour *colour) {
    if (colour == nullptr || point.x >= g_width || point.y >= g_height) return VR_ERR_DRIVER;
    *colour = g_format.unpack(g_format.load(pixelAt(point)));
    return VR_OK;
}

// The mapped memory is the screen (deferred-I/O drivers pick writes up by
// themselves), so there is nothing to send.
extern "C" DDRV_API VR_Status DDrv_RefreshDisplay(void) { return VR_OK; }
extern "C" DDRV_API VR_Status DDrv_RefreshDisplayArea(const VR_Point *, const VR_Size *) { return VR_OK; }

extern "C" DDRV_API VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params) {
    const DDrv_GraphicCallback graphic = g_driver.graphic;
    if (graphic == nullptr) return VR_ERR_NO_CALLBACK;
    return graphic(code, position, &g_driver.activeWindow, params);
}

extern "C" DDRV_API VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    if (origin == nullptr || size == nullptr) return VR_ERR_DRIVER;
    g_driver.activeWindow = VR_Window{origin->x, origin->y, size->width, size->height};
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    if (origin == nullptr || size == nullptr) return VR_ERR_DRIVER;
    const VR_Window &w = g_driver.activeWindow;
    *origin = VR_Point{w.x, w.y};
    *size = VR_Size{w.width, w.height};
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    if (info == nullptr) return VR_ERR_DRIVER;
    *info = g_driver.info;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetVersion(VR_Version *version) {
    if (version == nullptr) return VR_ERR_DRIVER;
    // From vrlib_add_driver(... VERSION) in CMakeLists.txt.
    *version = VR_Version{DDRV_VERSION_MAJOR, DDRV_VERSION_MINOR, DDRV_VERSION_PATCH};
    return VR_OK;
}

// The orientation is the configured one; the kernel's rotation is set with
// fbcon or the device tree, not here.
extern "C" DDRV_API VR_Status DDrv_SetOrientation(int32_t) { return VR_OK; }

// Frame-buffer devices have no backlight, contrast or brightness control
// of their own (the backlight lives in /sys/class/backlight).
extern "C" DDRV_API VR_Status DDrv_SetBL(uint32_t) { return VR_ERR_DRIVER_UNSUPPORTED; }

extern "C" DDRV_API VR_Status DDrv_GetBL(uint32_t *backlight) {
    if (backlight == nullptr) return VR_ERR_DRIVER;
    auto *bytes = reinterpret_cast<unsigned char *>(backlight);
    bytes[1] = bytes[2] = bytes[3] = 0;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_SetDisplayContrast(uint32_t) { return VR_OK; }
extern "C" DDRV_API VR_Status DDrv_SetDisplayBrightness(uint32_t) { return VR_OK; }

extern "C" DDRV_API VR_Status DDrv_GetDisplayContrast(uint8_t *contrast) {
    if (contrast == nullptr) return VR_ERR_DRIVER;
    *contrast = 0;
    return VR_OK;
}

extern "C" DDRV_API VR_Status DDrv_GetDisplayBrightness(uint8_t *brightness) {
    if (brightness == nullptr) return VR_ERR_DRIVER;
    *brightness = 0;
    return VR_OK;
}

// No keys on a frame buffer: the callback is kept and never called.
extern "C" DDRV_API DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback hardKey) {
    const DDrv_HardKeyCallback previous = g_driver.hardKey;
    g_driver.hardKey = hardKey;
    return previous;
}
