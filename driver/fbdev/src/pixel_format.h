// How a VR_Colour becomes the bytes of one frame-buffer pixel and back, for
// the true-colour layouts the kernel describes with a bit offset and length
// per channel (RGB565, BGR565, 24 and 32 bits in either channel order).
#pragma once

#include <cstdint>
#include <cstring>

#include "VRLib.h"

namespace fbdev {

struct Channel {
    uint8_t offset = 0;  // lowest bit of the channel in the pixel value
    uint8_t length = 0;  // bits, 0..8
};

struct PixelFormat {
    uint8_t bytesPerPixel = 0;  // 2, 3 or 4
    Channel red, green, blue;
    uint32_t opaque = 0;  // the transparency bits, all set, when the pixel has them

    // The pixel value of a colour: each channel's high bits at its offset.
    uint32_t pack(VR_Colour c) const {
        return uint32_t(c.red >> (8 - red.length)) << red.offset |
               uint32_t(c.green >> (8 - green.length)) << green.offset |
               uint32_t(c.blue >> (8 - blue.length)) << blue.offset | opaque;
    }

    // The colour of a pixel value; each channel's bits are repeated into the
    // low bits, so full intensity reads back as 255. Byte 0 reads 0.
    VR_Colour unpack(uint32_t value) const {
        return VR_Colour{0, widen(value, red), widen(value, green), widen(value, blue)};
    }

    static uint8_t widen(uint32_t value, Channel ch) {
        if (ch.length == 0) return 0;
        uint32_t v = (value >> ch.offset) & ((1u << ch.length) - 1u);
        uint32_t out = 0;
        for (int shift = 8 - ch.length; shift > -int(ch.length); shift -= ch.length)
            out |= shift >= 0 ? v << shift : v >> -shift;
        return uint8_t(out);
    }

    // Little-endian store and load of a pixel value of bytesPerPixel bytes.
    void store(uint8_t *at, uint32_t value) const {
        switch (bytesPerPixel) {
            case 2: {
                const uint16_t v = uint16_t(value);
                std::memcpy(at, &v, 2);
                break;
            }
            case 3:
                at[0] = uint8_t(value);
                at[1] = uint8_t(value >> 8);
                at[2] = uint8_t(value >> 16);
                break;
            default:
                std::memcpy(at, &value, 4);
                break;
        }
    }

    uint32_t load(const uint8_t *at) const {
        switch (bytesPerPixel) {
            case 2: {
                uint16_t v;
                std::memcpy(&v, at, 2);
                return v;
            }
            case 3:
                return uint32_t(at[0]) | uint32_t(at[1]) << 8 | uint32_t(at[2]) << 16;
            default: {
                uint32_t v;
                std::memcpy(&v, at, 4);
                return v;
            }
        }
    }
};

// Layouts the per-pixel path writes without the tables: RGB565 and 8 bits
// a channel in a 32-bit pixel, red high (XRGB, ARGB) or low (XBGR, ABGR).
enum class Layout : uint8_t { Generic, Rgb565, Xrgb8888, Xbgr8888 };

inline Layout commonLayout(const PixelFormat &f) {
    auto is = [](Channel c, uint8_t offset, uint8_t length) {
        return c.offset == offset && c.length == length;
    };
    if (f.bytesPerPixel == 2 && is(f.red, 11, 5) && is(f.green, 5, 6) && is(f.blue, 0, 5) && f.opaque == 0)
        return Layout::Rgb565;
    if (f.bytesPerPixel == 4 && is(f.green, 8, 8) && (f.opaque & 0x00FFFFFFu) == 0) {
        if (is(f.red, 16, 8) && is(f.blue, 0, 8)) return Layout::Xrgb8888;
        if (is(f.red, 0, 8) && is(f.blue, 16, 8)) return Layout::Xbgr8888;
    }
    return Layout::Generic;
}

// pack() as three table look-ups, for the per-pixel path: one value per
// channel byte, with the transparency bits folded into the red table.
struct PackTables {
    uint32_t red[256], green[256], blue[256];

    void build(const PixelFormat &f) {
        for (uint32_t v = 0; v < 256; ++v) {
            red[v] = f.pack(VR_Colour{0, uint8_t(v), 0, 0});
            green[v] = f.pack(VR_Colour{0, 0, uint8_t(v), 0}) & ~f.opaque;
            blue[v] = f.pack(VR_Colour{0, 0, 0, uint8_t(v)}) & ~f.opaque;
        }
    }
    uint32_t pack(VR_Colour c) const { return red[c.red] | green[c.green] | blue[c.blue]; }
};

}  // namespace fbdev
