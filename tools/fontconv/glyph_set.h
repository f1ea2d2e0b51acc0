// The one-bit glyphs of a font before encoding: every glyph has the font's
// height in rows and its own width in columns, pixels in column-major order
// (column 0 top to bottom, then column 1, ...), the order the VR_Font
// encodings store them in.
#pragma once

#include <cstdint>
#include <vector>

namespace fontconv {

struct Glyph {
    int width = 0;
    std::vector<uint8_t> ink;  // width * height entries, 1 = ink, 0 = paper

    bool at(int column, int row, int height) const { return ink[column * height + row] != 0; }
};

struct GlyphSet {
    int height = 0;
    uint8_t first = 0;
    uint8_t last = 0;
    std::vector<Glyph> glyphs;  // last - first + 1 glyphs, glyph i for character first + i
};

}  // namespace fontconv
