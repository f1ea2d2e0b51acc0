// Pixel-exact comparison of two pictures, and a picture of the differences
// that a reader can take in at a glance.
#pragma once

#include <cstdint>

#include "png_reader.h"

namespace pngdiff {

struct Difference {
    uint64_t pixels = 0;           // pixels that differ, counting those only one picture has
    uint64_t total = 0;            // pixels of the larger extent of both pictures
    int firstX = -1, firstY = -1;  // the first differing pixel in row order
    imgconv::Image picture;        // RGB: the expected picture faded, differing pixels red
};

// Compares red, green, blue and alpha of RGBA pictures; pictures of
// different sizes differ wherever only one of them has a pixel.
Difference compare(const imgconv::Image &expected, const imgconv::Image &actual);

}  // namespace pngdiff
