/* The demo's fonts and images, generated at build time by the font and
 * image converters from the sources and recipes in demo/assets/. */
#ifndef DEMORIA_ASSETS_H
#define DEMORIA_ASSETS_H

#include "VRLib.h"

#ifdef __cplusplus
extern "C" {
#endif

extern const VR_Font Demoria_Font1[];
extern const VR_Font Demoria_Font2[];
extern const VR_Font Demoria_Font3[];
extern const VR_Font Demoria_Font4[];
extern const VR_Font Demoria_Font5[];
extern const VR_Font Demoria_Font6[];
extern const VR_Font Demoria_Font7[];
extern const VR_Font Demoria_Font8[];
extern const VR_Font Demoria_Font9[];
extern const VR_Font Demoria_Font10[];

extern const VR_GIMPBitmap Demoria_Image1; /* title logo */
extern const VR_GIMPBitmap Demoria_Image2; /* architecture */
extern const VR_GIMPBitmap Demoria_Image3; /* bitmaps page */
extern const VR_GIMPBitmap Demoria_Image4; /* project 1 */
extern const VR_GIMPBitmap Demoria_Image5; /* project 2 */
extern const VR_GIMPBitmap Demoria_Image6; /* project 3 */

#ifdef __cplusplus
}
#endif

#endif
