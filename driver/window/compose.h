// The composition of the panel's frame buffer into the board picture: plain
// pixel logic, free of any window system, so it can be tested and measured
// on its own.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumisim {

// Red 255, green 255, blue 254 as a picture word (0xAARRGGBB, alpha
// opaque): the board picture is see-through where it holds this colour.
inline constexpr uint32_t kKeyColour = 0xFFFFFFFEu;

// One frame-buffer word as a picture word. The word carries red in byte 1,
// green in byte 2 and blue in byte 3; byte 0 plays no part. The key colour
// becomes white, so that the panel never turns see-through.
inline constexpr uint32_t panelPixel(uint32_t word) {
    const uint32_t rgb = ((word >> 8) & 0xFFu) << 16 | ((word >> 16) & 0xFFu) << 8 | (word >> 24);
    const uint32_t pixel = 0xFF000000u | rgb;
    return pixel | static_cast<uint32_t>(pixel == kKeyColour);
}

// A picture of 32-bit words 0xAARRGGBB, rows strideWords apart.
struct PictureView {
    uint32_t *pixels;
    int width;
    int height;
    std::ptrdiff_t strideWords;
};

// The panel: xSize x ySize frame-buffer words, row after row, placed with
// its upper left pixel at (xPos, yPos) of the picture.
struct PanelView {
    const uint32_t *words;
    int xSize;
    int ySize;
    int xPos;
    int yPos;
};

// Writes every panel pixel that falls inside the picture; columns and rows
// beyond the picture's edges are dropped.
void composePanel(const PictureView &picture, const PanelView &panel);

}  // namespace lumisim
