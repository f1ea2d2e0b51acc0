// How fuzz_face turns its input into a rasterising request: byte 0 picks
// the height, byte 1 the first of nine characters, the rest is the face.
// Shared with the regression test that replays the inputs it found.
#pragma once

#include <cstddef>
#include <cstdint>

#include "glyph_raster.h"

inline fontconv::RasterRequest faceRequest(const uint8_t *data, size_t size) {
    fontconv::RasterRequest request;
    request.fontBytes = std::span<const uint8_t>(data + 2, size - 2);
    request.height = 1 + data[0] % 24;
    request.first = uint8_t(0x20 + data[1] % 0x40);
    request.last = uint8_t(request.first + 8);
    return request;
}
