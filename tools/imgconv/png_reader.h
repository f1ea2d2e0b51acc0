// Reads a PNG file into 8-bit RGB or RGBA pixels.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace imgconv {

struct Image {
    int width = 0;
    int height = 0;
    int bytesPerPixel = 0;        // 3: R, G, B; 4: R, G, B, A
    std::vector<uint8_t> pixels;  // rows top to bottom, left to right
};

struct ReadError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Every PNG is read as sRGB-encoded samples brought to 8 bits per channel
// (16-bit ones scaled with rounding; no gamma is applied). With 3 bytes per
// pixel, transparency is blended over the background the way the library
// blends at run time. Throws ReadError for a missing or unreadable file,
// for an image wider or higher than 65535 pixels, and for one that claims
// more pixels than its data can hold (checked before anything is
// allocated for them).
Image readPng(const std::string &path, int bytesPerPixel, const uint8_t background[3]);

// The same for a PNG in memory; name stands for it in messages.
Image decodePng(const uint8_t *data, size_t size, const std::string &name, int bytesPerPixel,
                const uint8_t background[3]);

// Writes pixels as a PNG (the contact sheet and the tests use it).
void writePng(const std::string &path, const Image &image);

}  // namespace imgconv
