// Pixels and the panel: round trips, edges, the display info, refreshes.
#include <vector>

#include "clause.h"

namespace drvcheck {

namespace {

// A colour per pixel that differs from its neighbours' in every channel's
// high bits, so a swap, a shift or a stale read shows; on a grey panel a
// grey that differs in its high bits.
VR_Colour colourAt(uint32_t x, uint32_t y, uint32_t salt, const CheckOptions &options) {
    uint32_t h = (x * 0x9E3779B1u) ^ (y * 0x85EBCA77u) ^ salt;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    if (options.grey) return VR_Colour{uint8_t(h), uint8_t(h >> 8), uint8_t(h >> 8), uint8_t(h >> 8)};
    return VR_Colour{uint8_t(h), uint8_t(h >> 8), uint8_t(h >> 16), uint8_t(h >> 24)};
}

uint32_t word(VR_Colour c) {
    return uint32_t(c.reserved) | c.red << 8 | c.green << 16 | uint32_t(c.blue) << 24;
}

// The channel bits a panel of the reported resolution keeps (0: not
// reported, taken as 8).
struct Resolution {
    uint8_t red, green, blue;
    explicit Resolution(const VR_DisplayInfo &info)
        : red(bits(info.crRed)), green(bits(info.crGreen)), blue(bits(info.crBlue)) {}
    static uint8_t bits(uint8_t cr) { return cr == 0 || cr > 8 ? 8 : cr; }
    static bool same(uint8_t a, uint8_t b, uint8_t n) { return (a >> (8 - n)) == (b >> (8 - n)); }
    bool same(VR_Colour a, VR_Colour b) const {
        return same(a.red, b.red, red) && same(a.green, b.green, green) && same(a.blue, b.blue, blue);
    }
};

void setAll(const DriverApi &d, const CheckOptions &options, const VR_DisplayInfo &info, uint32_t salt) {
    for (uint32_t y = 0; y < info.ySize; ++y)
        for (uint32_t x = 0; x < info.xSize; ++x) {
            const VR_Status s = d.SetPixel(VR_Point{uint16_t(x), uint16_t(y)}, colourAt(x, y, salt, options));
            expect(s == VR_OK, "DDrv_SetPixel(%u, %u) returned %u, expected 0", x, y, unsigned(s));
        }
}

// Compares the whole panel with colourAt(salt).
void expectAll(const DriverApi &d, const CheckOptions &options, const VR_DisplayInfo &info, uint32_t salt,
               const char *when) {
    const Resolution res(info);
    for (uint32_t y = 0; y < info.ySize; ++y)
        for (uint32_t x = 0; x < info.xSize; ++x) {
            VR_Colour got{};
            const VR_Status s = d.GetPixel(VR_Point{uint16_t(x), uint16_t(y)}, &got);
            expect(s == VR_OK, "DDrv_GetPixel(%u, %u) returned %u, expected 0", x, y, unsigned(s));
            const VR_Colour want = colourAt(x, y, salt, options);
            expect(res.same(got, want),
                   "%s: pixel (%u, %u) stored %08x, read %08x (compared to %u/%u/%u bits)", when, x, y,
                   word(want), word(got), res.red, res.green, res.blue);
        }
}

void roundTrip(const DriverApi &d, const CheckOptions &options) {
    bindDriver(d);
    const VR_DisplayInfo info = displayInfo(d);
    expect(info.xSize > 0 && info.ySize > 0, "the display info reports a panel of %u x %u", info.xSize,
           info.ySize);
    for (uint32_t salt : {0u, 0xA5A5A5A5u}) {
        setAll(d, options, info, salt);
        expectAll(d, options, info, salt, "set all, then read all");
    }
    d.DeInitDriver();
}

void edges(const DriverApi &d, const CheckOptions &options) {
    bindDriver(d);
    const VR_DisplayInfo info = displayInfo(d);
    const uint32_t w = info.xSize, h = info.ySize;
    setAll(d, options, info, 1);
    const VR_Point outside[] = {{uint16_t(w), 0},
                                {uint16_t(w), uint16_t(h - 1)},
                                {0, uint16_t(h)},
                                {uint16_t(w - 1), uint16_t(h)},
                                {uint16_t(w), uint16_t(h)},
                                {0xFFFF, 0},
                                {0, 0xFFFF},
                                {0xFFFF, 0xFFFF}};
    for (const VR_Point p : outside) {
        if (p.x < w && p.y < h) continue;  // a 65535-wide panel has no outside there
        VR_Status s = d.SetPixel(p, VR_Colour{0, 1, 2, 3});
        expect(s == VR_ERR_DRIVER,
               "DDrv_SetPixel(%u, %u) outside the %u x %u panel returned %u, expected 258", p.x, p.y, w, h,
               unsigned(s));
        VR_Colour out{9, 9, 9, 9};
        s = d.GetPixel(p, &out);
        expect(s == VR_ERR_DRIVER,
               "DDrv_GetPixel(%u, %u) outside the %u x %u panel returned %u, expected 258", p.x, p.y, w, h,
               unsigned(s));
        expect(word(out) == 0x09090909u, "DDrv_GetPixel(%u, %u) outside the panel wrote to its out record",
               p.x, p.y);
    }
    expectAll(d, options, info, 1, "after writes outside the panel");

    const VR_Point last{uint16_t(w - 1), uint16_t(h - 1)};
    const VR_Colour white{0, 255, 255, 255};
    VR_Status s = d.SetPixel(last, white);
    expect(s == VR_OK, "DDrv_SetPixel(%u, %u), the last pixel, returned %u, expected 0", last.x, last.y,
           unsigned(s));
    VR_Colour back{};
    s = d.GetPixel(last, &back);
    expect(s == VR_OK && back.red == 255 && back.blue == 255,
           "DDrv_GetPixel(%u, %u), the last pixel, did not read back", last.x, last.y);
    d.DeInitDriver();
}

bool swapsForOrientation(int32_t orientation) {
    return !(orientation == 0 || orientation == 2 || orientation == 4 || orientation == 6);
}

void displayInfoClause(const DriverApi &d, const CheckOptions &options) {
    bindDriver(d);
    VR_Status s = d.GetDisplayInfo(nullptr);
    expect(s == VR_ERR_DRIVER, "DDrv_GetDisplayInfo(null) returned %u, expected 258", unsigned(s));
    const VR_DisplayInfo info = displayInfo(d);
    expect(info.xSize > 0 && info.ySize > 0, "the panel size is %u x %u", info.xSize, info.ySize);
    if (options.expectWidth != 0)
        expect(info.xSize == options.expectWidth && info.ySize == options.expectHeight,
               "the panel is %u x %u, expected %u x %u", info.xSize, info.ySize, options.expectWidth,
               options.expectHeight);
    if (options.checkOrientation)
        expect(info.orientation == options.expectOrientation, "the orientation is %d, expected %d",
               info.orientation, options.expectOrientation);
    const bool swapped = swapsForOrientation(info.orientation);
    const uint16_t wantW = swapped ? info.ySize : info.xSize, wantH = swapped ? info.xSize : info.ySize;
    expect(info.displayWidth == wantW && info.displayHeight == wantH,
           "orientation %d of a %u x %u panel gives a display of %u x %u, the record says %u x %u",
           info.orientation, info.xSize, info.ySize, wantW, wantH, info.displayWidth, info.displayHeight);
    expect(info.crRed <= 8 && info.crGreen <= 8 && info.crBlue <= 8,
           "colour resolution %u/%u/%u: more than 8 bits a channel", info.crRed, info.crGreen, info.crBlue);
    expect(info.reserved == 0, "the reserved byte is %u, expected 0", info.reserved);

    s = d.SetOrientation(1);
    expect(s == VR_OK, "DDrv_SetOrientation(1) returned %u, expected 0", unsigned(s));
    const VR_DisplayInfo after = displayInfo(d);
    expect(after.xSize == info.xSize && after.ySize == info.ySize && after.orientation == info.orientation &&
               after.displayWidth == info.displayWidth,
           "DDrv_SetOrientation changed the display info; the orientation is the configured one");
    d.DeInitDriver();
}

void refresh(const DriverApi &d, const CheckOptions &options) {
    bindDriver(d);
    const VR_DisplayInfo info = displayInfo(d);
    setAll(d, options, info, 2);
    VR_Status s = d.RefreshDisplay();
    expect(s == VR_OK, "DDrv_RefreshDisplay returned %u, expected 0", unsigned(s));
    const VR_Point origin{0, 0}, one{uint16_t(info.xSize / 2), uint16_t(info.ySize / 2)};
    const VR_Size whole{info.xSize, info.ySize}, single{1, 1};
    s = d.RefreshDisplayArea(&origin, &whole);
    expect(s == VR_OK, "DDrv_RefreshDisplayArea over the whole panel returned %u, expected 0", unsigned(s));
    s = d.RefreshDisplayArea(&one, &single);
    expect(s == VR_OK, "DDrv_RefreshDisplayArea(%u, %u, 1 x 1) returned %u, expected 0", one.x, one.y,
           unsigned(s));
    // The rectangle hands its parameter record as the size.
    const VR_RectParams rect{4, 3, {}, {}, {}, 1, 0, VR_FILL_COLOUR1};
    s = d.RefreshDisplayArea(&origin, reinterpret_cast<const VR_Size *>(&rect));
    expect(s == VR_OK,
           "DDrv_RefreshDisplayArea with a rectangle's parameters as size returned %u, expected 0",
           unsigned(s));
    expectAll(d, options, info, 2, "after refreshing");
    d.DeInitDriver();
}

}  // namespace

void addPixelClauses(std::vector<Clause> &out) {
    out.push_back({"pixel-roundtrip",
                   "every pixel of the panel (xSize x ySize) takes a colour with status 0 and "
                   "gives it back: red, green and blue to the reported colour resolution",
                   roundTrip});
    out.push_back({"pixel-edges",
                   "the last column and row take pixels; x = xSize, y = ySize and 65535 give 258 for "
                   "setting and reading, change no pixel and leave the out record alone",
                   edges});
    out.push_back({"display-info",
                   "the display info has a non-zero size, display width and height equal to xSize "
                   "and ySize for orientations 0, 2, 4, 6 and swapped for all others, at most 8 bits "
                   "a channel, reserved 0; null gives 258; DDrv_SetOrientation returns 0 and "
                   "changes none of it",
                   displayInfoClause});
    out.push_back({"refresh",
                   "both refreshes return 0 within the time limit, for the whole panel, one pixel and a "
                   "size record that is a rectangle's parameters, and leave the pixels as they were",
                   refresh});
}

}  // namespace drvcheck
