// Encodes a glyph set as a VR_Font byte array in the format of
// font_format.h (docs/font-format.md): flags 0x01 for plain fonts, 0x81 for
// run-length ones, the length field filled in.
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
