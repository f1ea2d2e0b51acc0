// The floor of the one-call-per-pixel design: a pixel store in a separate
// shared library behind the same bounds test as the driver's, so a
// benchmark can set each primitive's cost beside the bare call cost.
#pragma once

#include <cstdint>

#include "VRLib.h"

extern "C" {
__attribute__((visibility("default"))) void floor_init(uint16_t w, uint16_t h);
__attribute__((visibility("default"))) VR_Status floor_set_pixel(VR_Point p, VR_Colour c);
__attribute__((visibility("default"))) VR_Status floor_get_pixel(VR_Point p, VR_Colour *c);
}
