// Stand-ins for the generated fonts and images: the ranges and heights of
// the real fonts with every glyph 0 wide (each character one paper column),
// and images of two pixels, so that tests can tell each image's place.
#include "assets.h"

namespace {
// Header (length, unnamed, height, flags, first, last), then the zero width
// table: plain encoding, no glyph bits.
constexpr int n(int first, int last) { return 7 + last - first + 1; }
}  // namespace

#define STAND_IN_FONT(name, height, first, last) \
    const VR_Font name[n(first, last)] = {0, n(first, last), 0, height, 0x01, first, last}

extern "C" {

STAND_IN_FONT(Demoria_Font1, 29, 0x1F, 0xFF);
STAND_IN_FONT(Demoria_Font2, 22, 0x20, 0xFF);
STAND_IN_FONT(Demoria_Font3, 16, 0x1A, 0xFC);
STAND_IN_FONT(Demoria_Font4, 10, 0x20, 0x7E);
STAND_IN_FONT(Demoria_Font5, 19, 0x20, 0x7E);
STAND_IN_FONT(Demoria_Font6, 34, 0x20, 0x7E);
STAND_IN_FONT(Demoria_Font7, 37, 0x20, 0x7E);
STAND_IN_FONT(Demoria_Font8, 38, 0x20, 0x7E);
STAND_IN_FONT(Demoria_Font9, 38, 0x20, 0x7E);
STAND_IN_FONT(Demoria_Font10, 25, 0x20, 0x7E);

// Raw rows of 3-byte pixels: image k is k red, then blue, 2 x 1 pixels.
#define STAND_IN_IMAGE(name, k)                                  \
    static const uint8_t name##Pixels[6] = {k, 0, 0, 0, 0, 255}; \
    const VR_GIMPBitmap name = {{'G', 'M'}, 0, 0, 2, 1, 3, {255, 255, 255, 255}, {}, name##Pixels}

STAND_IN_IMAGE(Demoria_Image1, 1);
STAND_IN_IMAGE(Demoria_Image2, 2);
STAND_IN_IMAGE(Demoria_Image3, 3);
STAND_IN_IMAGE(Demoria_Image4, 4);
STAND_IN_IMAGE(Demoria_Image5, 5);
STAND_IN_IMAGE(Demoria_Image6, 6);
}
