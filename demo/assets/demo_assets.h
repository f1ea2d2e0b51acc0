// The demo's fonts and images as the asset tests walk them.
#pragma once

#include "assets.h"

namespace demoria::test {

inline const VR_Font *const kFonts[10] = {Demoria_Font1, Demoria_Font2, Demoria_Font3, Demoria_Font4,
                                          Demoria_Font5, Demoria_Font6, Demoria_Font7, Demoria_Font8,
                                          Demoria_Font9, Demoria_Font10};

inline const VR_GIMPBitmap *const kImages[6] = {&Demoria_Image1, &Demoria_Image2, &Demoria_Image3,
                                                &Demoria_Image4, &Demoria_Image5, &Demoria_Image6};

// White ink on black paper, as the demo draws all its text.
inline const VR_Colour kWhiteOnBlack[2] = {{0, 0, 0, 0}, {0, 255, 255, 255}};
inline const VR_ColourTable kTextColours = {2, 0, kWhiteOnBlack};

}  // namespace demoria::test
