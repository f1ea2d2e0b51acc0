// DDrv_SSD0323: the 19 driver functions for a 128 x 64 SSD0323 OLED.
//
// The frame buffer mirrors the controller's display RAM: 4 bits per pixel,
// two pixels a byte (the left one in the high nibble), 64 bytes a row, 4 KB
// in all. Drawing only changes the frame buffer; a refresh sends a column
// and row window to the controller and then just the bytes inside it.
#include <cstring>
#include <initializer_list>

#include "DDrv.h"
#include "DDrv_SSD0323.h"
#include "ssd0323_grey.h"

namespace {

constexpr int kWidth = DDRV_SSD0323_WIDTH, kHeight = DDRV_SSD0323_HEIGHT;
constexpr int kRowBytes = kWidth / 2;

// Controller commands (each followed by its argument bytes).
enum : uint8_t {
    kSetColumns = 0x15,      // first, last byte column (0..63)
    kSetRows = 0x75,         // first, last row (0..79)
    kSetContrast = 0x81,     // contrast current, 0..127
    kCurrentQuarter = 0x84,  // segment current range: brightness
    kCurrentHalf = 0x85,
    kCurrentFull = 0x86,
    kRemap = 0xA0,          // address increment and nibble order
    kNormalDisplay = 0xA4,  // show the RAM (not all on, all off or inverted)
    kMultiplex = 0xA8,      // rows driven, minus one
    kDisplayOff = 0xAE,
    kDisplayOn = 0xAF,
};
// Horizontal address increment (so a window fills row by row), nibble remap
// (the left pixel in the high nibble), COM remap and split for the panel's
// wiring of its rows.
constexpr uint8_t kRemapValue = 0x52;

struct Driver {
    DDrv_GraphicCallback graphic;
    // Read by the board's key interrupt as well.
    DDrv_HardKeyCallback volatile hardKey;
    VR_Window window;
    volatile bool ready;
    uint8_t contrast = 0x80;
    uint8_t brightness = 0xFF;
};
Driver g{};
// Apart from the settings, so that it lies in zeroed RAM rather than taking
// 4 KB of initial values from flash.
uint8_t g_frame[kHeight][kRowBytes];

void command(std::initializer_list<uint8_t> bytes) { DDrv_SSD0323_PortCommand(bytes.begin(), bytes.size()); }

// Contrast 0..255 to the controller's 7-bit contrast current.
void sendContrast() { command({kSetContrast, uint8_t(g.contrast >> 1)}); }

// Brightness in three steps of the segment current range.
void sendBrightness() {
    command({g.brightness < 85 ? kCurrentQuarter : g.brightness < 170 ? kCurrentHalf : kCurrentFull});
}

bool inside(VR_Point p) { return p.x < kWidth && p.y < kHeight; }

// Sends the pixels of [x0, x1) x [y0, y1), widened to whole bytes.
void transfer(int x0, int y0, int x1, int y1) {
    const int c0 = x0 / 2, c1 = (x1 - 1) / 2;
    command({kSetColumns, uint8_t(c0), uint8_t(c1)});
    command({kSetRows, uint8_t(y0), uint8_t(y1 - 1)});
    for (int y = y0; y < y1; ++y) DDrv_SSD0323_PortData(&g_frame[y][c0], size_t(c1 - c0 + 1));
}

}  // namespace

extern "C" {

VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    // A failed initialisation leaves the panel down: nothing more is sent.
    g.ready = false;
    g.graphic = graphic;
    if (!graphic || !hardKey) return VR_ERR_DRIVER;
    g.hardKey = hardKey;
    g.window = VR_Window{0, 0, kWidth, kHeight};
    if (DDrv_SSD0323_PortOpen() != 0) return VR_ERR_DRIVER;
    command({kDisplayOff});
    command({kRemap, kRemapValue});
    command({kMultiplex, kHeight - 1});
    command({kNormalDisplay});
    sendContrast();
    sendBrightness();
    // Start from a black panel rather than whatever the RAM held.
    std::memset(g_frame, 0, sizeof g_frame);
    g.ready = true;
    transfer(0, 0, kWidth, kHeight);
    command({kDisplayOn});
    return VR_OK;
}

VR_Status DDrv_DeInitDriver(void) {
    if (g.ready) command({kDisplayOff});
    g.ready = false;
    return VR_OK;
}

VR_Status DDrv_SetPixel(VR_Point point, VR_Colour colour) {
    if (!inside(point)) return VR_ERR_DRIVER;
    uint8_t &byte = g_frame[point.y][point.x / 2];
    const uint8_t level = DDrv_SSD0323_GreyLevel(colour);
    byte = point.x % 2 ? uint8_t((byte & 0xF0) | level) : uint8_t((byte & 0x0F) | level << 4);
    return VR_OK;
}

VR_Status DDrv_GetPixel(VR_Point point, VR_Colour *colour) {
    if (!colour || !inside(point)) return VR_ERR_DRIVER;
    const uint8_t byte = g_frame[point.y][point.x / 2];
    *colour = DDrv_SSD0323_GreyColour(point.x % 2 ? byte & 0x0F : byte >> 4);
    return VR_OK;
}

// An OLED has no backlight.
VR_Status DDrv_SetBL(uint32_t) { return VR_ERR_DRIVER_UNSUPPORTED; }

VR_Status DDrv_GetBL(uint32_t *backlight) {
    if (!backlight) return VR_ERR_DRIVER;
    *backlight &= 0xFF;
    return VR_OK;
}

VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    if (!info) return VR_ERR_DRIVER;
    *info = VR_DisplayInfo{kWidth, kHeight, kWidth, kHeight, 4, 4, 4, 0, 0, 2};
    return VR_OK;
}

// The panel is mounted one way; orientation is accepted and ignored.
VR_Status DDrv_SetOrientation(int32_t) { return VR_OK; }

VR_Status DDrv_GetVersion(VR_Version *version) {
    if (!version) return VR_ERR_DRIVER;
    *version = VR_Version{1, 0, 0};
    return VR_OK;
}

VR_Status DDrv_RefreshDisplay(void) {
    if (!g.ready) return VR_ERR_DRIVER;
    transfer(0, 0, kWidth, kHeight);
    return VR_OK;
}

// Only the area's rows and byte columns travel; an area reaching beyond the
// panel is cut at its edge, one wholly outside sends nothing.
VR_Status DDrv_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size) {
    if (!origin || !size || !g.ready) return VR_ERR_DRIVER;
    const int x0 = origin->x, y0 = origin->y;
    const int x1 = x0 + size->width < kWidth ? x0 + size->width : kWidth;
    const int y1 = y0 + size->height < kHeight ? y0 + size->height : kHeight;
    if (x0 < x1 && y0 < y1) transfer(x0, y0, x1, y1);
    return VR_OK;
}

VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *position, void *params) {
    if (!g.graphic) return VR_ERR_NO_CALLBACK;
    return g.graphic(code, position, &g.window, params);
}

// 0..255, sent as the controller's 0..127; kept for the next
// initialisation while the panel is down.
VR_Status DDrv_SetDisplayContrast(uint32_t contrast) {
    if (contrast > 0xFF) return VR_ERR_DRIVER;
    g.contrast = uint8_t(contrast);
    if (g.ready) sendContrast();
    return VR_OK;
}

VR_Status DDrv_GetDisplayContrast(uint8_t *contrast) {
    if (!contrast) return VR_ERR_DRIVER;
    *contrast = g.contrast;
    return VR_OK;
}

// 0..84 a quarter, 85..169 half, 170..255 the full segment current.
VR_Status DDrv_SetDisplayBrightness(uint32_t brightness) {
    if (brightness > 0xFF) return VR_ERR_DRIVER;
    g.brightness = uint8_t(brightness);
    if (g.ready) sendBrightness();
    return VR_OK;
}

VR_Status DDrv_GetDisplayBrightness(uint8_t *brightness) {
    if (!brightness) return VR_ERR_DRIVER;
    *brightness = g.brightness;
    return VR_OK;
}

// Kept and handed back; DDrv_SSD0323_KeyEvent calls it.
DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback hardKey) {
    const DDrv_HardKeyCallback before = g.hardKey;
    g.hardKey = hardKey;
    return before;
}

void DDrv_SSD0323_KeyEvent(uint32_t key, uint32_t pressed) {
    // One read of the pointer: the application may swap it meanwhile.
    const DDrv_HardKeyCallback hardKey = g.hardKey;
    if (g.ready && hardKey) hardKey(key, pressed);
}

VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    if (!origin || !size) return VR_ERR_DRIVER;
    g.window = VR_Window{origin->x, origin->y, size->width, size->height};
    return VR_OK;
}

VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    if (!origin || !size) return VR_ERR_DRIVER;
    *origin = VR_Point{g.window.x, g.window.y};
    *size = VR_Size{g.window.width, g.window.height};
    return VR_OK;
}

}  // extern "C"
