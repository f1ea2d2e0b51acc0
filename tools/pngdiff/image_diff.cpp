#include "image_diff.h"

#include <algorithm>
#include <cstring>

namespace pngdiff {

namespace {

const uint8_t *pixelAt(const imgconv::Image &img, int x, int y) {
    if (x >= img.width || y >= img.height) return nullptr;
    return &img.pixels[(size_t(y) * img.width + x) * 4];
}

}  // namespace

Difference compare(const imgconv::Image &expected, const imgconv::Image &actual) {
    Difference d;
    const int w = std::max(expected.width, actual.width), h = std::max(expected.height, actual.height);
    d.total = uint64_t(w) * h;
    d.picture.width = w;
    d.picture.height = h;
    d.picture.bytesPerPixel = 3;
    d.picture.pixels.resize(size_t(d.total) * 3);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t *e = pixelAt(expected, x, y), *a = pixelAt(actual, x, y);
            uint8_t *out = &d.picture.pixels[(size_t(y) * w + x) * 3];
            if (e && a && std::memcmp(e, a, 4) == 0) {
                // A faded grey of the expected picture keeps the layout readable.
                const uint8_t grey = uint8_t(192 + (e[0] * 77 + e[1] * 150 + e[2] * 29) / 256 / 4);
                out[0] = out[1] = out[2] = grey;
                continue;
            }
            out[0] = 255;
            out[1] = out[2] = 0;
            if (d.pixels++ == 0) {
                d.firstX = x;
                d.firstY = y;
            }
        }
    return d;
}

}  // namespace pngdiff
