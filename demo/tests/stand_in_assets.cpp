// Stand-ins for the generated fonts and images: the ranges and heights of
// the real fonts' recipes with every glyph 0 wide (each character one paper
// column), and images of two pixels, so that tests can tell each image's
// place.
#include "assets.h"
#include "demoria_recipe.h"

namespace {
// Header (length, unnamed, height, flags, first, last), then the zero width
// table: plain encoding, no glyph bits.
constexpr int n(int first, int last) { return 7 + last - first + 1; }
}  // namespace

#define STAND_IN_FONT(id, height, first, last, ...) \
    const VR_Font Demoria_Font##id[n(first, last)] = {0, n(first, last), 0, height, 0x01, first, last};

// Raw rows of 3-byte pixels: image k is k red, then blue, 2 x 1 pixels.
#define STAND_IN_IMAGE(k, ...)                                               \
    static const uint8_t Demoria_Image##k##Pixels[6] = {k, 0, 0, 0, 0, 255}; \
    const VR_GIMPBitmap Demoria_Image##k = {                                 \
        {'G', 'M'}, 0, 0, 2, 1, 3, {255, 255, 255, 255}, {}, Demoria_Image##k##Pixels};

extern "C" {
DEMORIA_FONT_RECIPES(STAND_IN_FONT)
DEMORIA_IMAGE_RECIPES(STAND_IN_IMAGE)
}
