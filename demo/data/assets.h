/* The demo's fonts and images, generated at build time by the font and
 * image converters from the sources in demo/assets/. */
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

extern const VR_GIMPBitmap Demoria_Image1; /* title logo, 300 x 53, key white */
extern const VR_GIMPBitmap Demoria_Image2; /* architecture, 300 x 187 */
extern const VR_GIMPBitmap Demoria_Image3; /* bitmaps page, 218 x 100, key white */
extern const VR_GIMPBitmap Demoria_Image4; /* project 1, 77 x 55 */
extern const VR_GIMPBitmap Demoria_Image5; /* project 2, 73 x 55 */
extern const VR_GIMPBitmap Demoria_Image6; /* project 3, 91 x 55 */

#ifdef __cplusplus
}
#endif

#endif
