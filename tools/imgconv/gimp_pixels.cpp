#include "gimp_pixels.h"

#include <cstring>

namespace imgconv {

namespace {

constexpr size_t kMaxPacket = 127;

bool samePixel(const uint8_t *a, const uint8_t *b, int bpp) { return std::memcmp(a, b, size_t(bpp)) == 0; }

}  // namespace

std::vector<uint8_t> encodeRunLength(const std::vector<uint8_t> &pixels, int bpp) {
    const size_t count = pixels.size() / size_t(bpp);
    const uint8_t *px = pixels.data();
    std::vector<uint8_t> out;
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < kMaxPacket && samePixel(px + (i + run) * bpp, px + i * bpp, bpp))
            ++run;
        if (run >= 2) {
            out.push_back(uint8_t(128 + run));
            out.insert(out.end(), px + i * bpp, px + (i + 1) * bpp);
            i += run;
            continue;
        }
        // Literal pixels up to the next pair of equal ones.
        size_t n = 1;
        while (i + n < count && n < kMaxPacket &&
               !(i + n + 1 < count && samePixel(px + (i + n) * bpp, px + (i + n + 1) * bpp, bpp))) {
            ++n;
        }
        out.push_back(uint8_t(n));
        out.insert(out.end(), px + i * bpp, px + (i + n) * bpp);
        i += n;
    }
    return out;
}

size_t runLengthBytes(const uint8_t *data, size_t pixelCount, int bpp) {
    size_t at = 0, placed = 0;
    while (placed < pixelCount) {
        const uint8_t n = data[at++];
        size_t pixels = n & 0x7F;
        if (pixels == 0) pixels = 256;
        if (placed + pixels > pixelCount) {
            throw DecodeError("a packet at byte " + std::to_string(at - 1) + " runs past the pixel count");
        }
        placed += pixels;
        at += (n & 0x80) ? size_t(bpp) : pixels * bpp;
    }
    return at;
}

std::vector<uint8_t> decodeRunLength(const uint8_t *data, size_t size, size_t pixelCount, int bpp) {
    std::vector<uint8_t> out;
    out.reserve(pixelCount * bpp);
    size_t at = 0;
    while (out.size() < pixelCount * bpp) {
        if (at >= size) throw DecodeError("the packets end before the last pixel");
        const uint8_t n = data[at++];
        size_t pixels = n & 0x7F;
        if (pixels == 0) pixels = 256;
        const bool run = n & 0x80;
        const size_t bytes = run ? size_t(bpp) : pixels * bpp;
        if (size - at < bytes) throw DecodeError("a packet reaches past the end of the data");
        if (out.size() / bpp + pixels > pixelCount) {
            throw DecodeError("a packet at byte " + std::to_string(at - 1) + " runs past the pixel count");
        }
        for (size_t k = 0; k < pixels; ++k) {
            const uint8_t *src = data + at + (run ? 0 : k * bpp);
            out.insert(out.end(), src, src + bpp);
        }
        at += bytes;
    }
    if (at != size) throw DecodeError(std::to_string(size - at) + " bytes follow the last pixel");
    return out;
}

}  // namespace imgconv
