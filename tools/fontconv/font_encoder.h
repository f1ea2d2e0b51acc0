// Encodes a glyph set as a VR_Font byte array:
//
//   0  length, 2 bytes, most significant first (the whole array)
//   2  0
//   3  height          4  flags: 0x01 plain, 0x81 run-length
//   5  first           6  last
//   7  width table, one byte per character
// plain:       one bit stream, least significant bit first, every glyph
//              column-major, no padding between glyphs
// run-length:  unit, run table (3 bytes), size table (glyph sizes in
//              units), then per glyph a byte-aligned stream of 3-bit tokens
//              (2-bit run code, low bit first, then the pixel); code 0 is a
//              run of 1 pixel, codes 1..3 the run table's lengths.
#pragma once

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

#include "glyph_set.h"

namespace fontconv {

using RunTable = std::array<uint8_t, 3>;

struct EncodeError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::vector<uint8_t> encodePlain(const GlyphSet &set);

// Throws EncodeError when a glyph needs more than 255 units or the font
// more than 65535 bytes.
std::vector<uint8_t> encodeRunLength(const GlyphSet &set, uint8_t unit, const RunTable &runs);

// The run table (ascending, entries 2..128) that makes the run-length font
// smallest with the given unit; ties go to the smallest entries. Throws
// EncodeError when no table fits every glyph into 255 units.
RunTable smallestRunTable(const GlyphSet &set, uint8_t unit);

// The number of bytes a glyph's token stream takes (before unit padding).
size_t runLengthBytes(const Glyph &glyph, const RunTable &runs);

}  // namespace fontconv
