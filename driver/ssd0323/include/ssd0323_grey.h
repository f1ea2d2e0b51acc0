/*
 * How DDrv_SSD0323 shows a 24-bit colour on its 16 grey levels, and which
 * colour DDrv_GetPixel gives back for a grey level. One definition for the
 * driver and for the host's golden pictures.
 *
 *   luma  = (77 R + 150 G + 29 B + 128) >> 8      (ITU-R BT.601 weights, 0..255)
 *   level = luma >> 4                              (0..15, equal steps of 16)
 *   back  = 17 x level in red, green and blue      (0, 17, ..., 255)
 *
 * Compiles as C99 and as C++.
 */
#ifndef SSD0323_GREY_H
#define SSD0323_GREY_H

#include <stdint.h>

#include "VRLib.h"

static inline uint8_t DDrv_SSD0323_GreyLevel(VR_Colour c) {
    const uint32_t luma = (77u * c.red + 150u * c.green + 29u * c.blue + 128u) >> 8;
    return (uint8_t)(luma >> 4);
}

static inline VR_Colour DDrv_SSD0323_GreyColour(uint8_t level) {
    const uint8_t v = (uint8_t)(17u * (level & 15u));
    VR_Colour c = {0, v, v, v};
    return c;
}

#endif /* SSD0323_GREY_H */
