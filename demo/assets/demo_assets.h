// The demo's fonts and images as the asset tests walk them, with the
// recipe each was made from.
#pragma once

#include <cstdint>
#include <iterator>

#include "assets.h"
#include "demoria_recipe.h"

namespace demoria::test {

struct FontRecipe {
    int id, height, first, last;
    bool runLength;
    int runs[3];
};

struct ImageRecipe {
    int number, width, height;
    bool hasKey;
    uint8_t key[3];  // red, green, blue
};

#define DEMORIA_FONT_ROW(id, height, first, last, rle, r1, r2, r3) \
    {id, height, first, last, rle != 0, {r1, r2, r3}},
#define DEMORIA_FONT_POINTER(id, ...) Demoria_Font##id,
#define DEMORIA_IMAGE_ROW(number, width, height, hasKey, r, g, b) \
    {number, width, height, hasKey != 0, {r, g, b}},
#define DEMORIA_IMAGE_POINTER(number, ...) &Demoria_Image##number,

inline constexpr FontRecipe kFontRecipes[] = {DEMORIA_FONT_RECIPES(DEMORIA_FONT_ROW)};
inline const VR_Font *const kFonts[] = {DEMORIA_FONT_RECIPES(DEMORIA_FONT_POINTER)};
inline constexpr ImageRecipe kImageRecipes[] = {DEMORIA_IMAGE_RECIPES(DEMORIA_IMAGE_ROW)};
inline const VR_GIMPBitmap *const kImages[] = {DEMORIA_IMAGE_RECIPES(DEMORIA_IMAGE_POINTER)};

#undef DEMORIA_FONT_ROW
#undef DEMORIA_FONT_POINTER
#undef DEMORIA_IMAGE_ROW
#undef DEMORIA_IMAGE_POINTER

// White ink on black paper, as the demo draws all its text.
inline const VR_Colour kWhiteOnBlack[2] = {{0, 0, 0, 0}, {0, 255, 255, 255}};
inline const VR_ColourTable kTextColours = {2, 0, kWhiteOnBlack};

}  // namespace demoria::test
