// A display driver that keeps its 128 x 64 panel in RAM and shows nothing:
// the same source on the desktop and on the microcontroller, so that both
// draw the test scene into identical frame buffers.
#pragma once

#include <cstdint>

#include "VRLib.h"

namespace vr::memdrv {

constexpr uint16_t kWidth = 128;
constexpr uint16_t kHeight = 64;

// Colour keeps every colour word as given; Grey stores what a 16-grey
// panel shows (the SSD0323 mapping), so reads give back the grey colour.
enum class Mode { Colour, Grey };
void setMode(Mode mode);

// The frame buffer, kWidth x kHeight words, row after row.
const VR_Colour *frame();

// FNV-1a over the frame buffer's bytes, pixel after pixel.
uint32_t checksum();

}  // namespace vr::memdrv
