// GIMP's pixel arrays as VR_GIMPBitmap carries them: raw rows, or
// run-length packets. A packet starts with a count byte n: n >= 128 is one
// pixel repeated n - 128 times, n < 128 is n literal pixels; the packets
// cover the pixels row after row, going on across row ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace imgconv {

struct DecodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Packets of at most 127 pixels, so that no count byte is 0 or 128 (which
// stand for 256 pixels). Runs of two or more equal pixels become run packets.
std::vector<uint8_t> encodeRunLength(const std::vector<uint8_t> &pixels, int bytesPerPixel);

// The number of bytes the packets of pixelCount pixels take, read from
// data as far as they go. Throws DecodeError when a packet runs past the
// pixel count. For arrays whose size the caller does not know.
size_t runLengthBytes(const uint8_t *data, size_t pixelCount, int bytesPerPixel);

// Expands packets back into exactly pixelCount pixels. Throws DecodeError
// when a packet runs past the pixel count, the data ends early, or bytes
// are left over after the last pixel.
std::vector<uint8_t> decodeRunLength(const uint8_t *data, size_t size, size_t pixelCount, int bytesPerPixel);

}  // namespace imgconv
