// Lookups in the current font, used by text drawing, measuring and the
// text box. All of them answer 4 while there is no current font.
#pragma once

#include <cstdint>

#include "VRLib.h"

namespace vr {

// Height of the current font: 0; 1 for a null out; 4 without a font.
VR_Status fontHeight(uint8_t *out);

// Advance of character c (glyph width + 1): 0; 6 when c lies outside the
// font's range; 1 for a null out; 4 without a font.
VR_Status charAdvance(uint8_t c, uint8_t *out);

// Measures text as VR_GetStringDimension does: width is the 16-bit sum of
// the advances (up to an offending character, with status 6), height the
// font height. 1 for a null pointer, 4 without a font.
VR_Status measureText(const char *text, VR_Size *out);

}  // namespace vr
