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

// With 3 bytes per pixel, transparency is blended over the background.
// Throws ReadError for a missing or unreadable file and for an image wider
// or higher than 65535 pixels.
Image readPng(const std::string &path, int bytesPerPixel, const uint8_t background[3]);

// Writes pixels as a PNG (the contact sheet and the tests use it).
void writePng(const std::string &path, const Image &image);

}  // namespace imgconv
