// The frame-buffer view of the per-pixel exports: plain data of the
// caller's thread, read without any call through the display object.
#pragma once

#include <cstdint>

namespace lumisim {

// Points DDrv_SetPixel/DDrv_GetPixel at a frame buffer of width x height
// words.
void bindPixels(uint32_t *frameBuffer, uint16_t width, uint16_t height);
// Zero bounds: every point then lies outside and gives 258.
void unbindPixels();

}  // namespace lumisim
