// The two glyph decoders of the VR_Font format (font_format.h).
//
// Glyph data is trusted once the header has passed vrfont::checkHeader: a
// font whose tables disagree with its data draws wrong glyphs. The decoders
// read no byte beyond what a well-formed glyph holds.
//
// Both decoders hand pixels to a sink `put(col, row, ink)` in column-major
// order (column 0 top to bottom, then column 1, ...). They are templates so
// that the sink inlines and the decoder state stays in registers.
#pragma once

#include <cstdint>

namespace vr {

// Where a glyph starts: the sum of the table entries (widths for plain,
// sizes for run-length) of every character from `first` up to, but not
// including, the character. The format has no offset table, so this is
// redone for every glyph drawn: idx one-byte additions (at most 255, about
// a cycle each), against width x height driver calls for the glyph's
// pixels. Callers scale it: plain bit position = sum * height, run-length
// byte offset = sum * unit. Fits in 32 bits (255 * 255 * 255).
inline uint32_t tableSumBefore(const uint8_t *table, uint32_t idx) {
    uint32_t sum = 0;
    for (uint32_t i = 0; i < idx; ++i) sum += table[i];
    return sum;
}

// Plain encoding: all glyphs form one bit stream without padding. Bits
// are taken least significant first (bit 0 of byte 0 is stream bit 0, bit
// 0 of byte 1 is stream bit 8); 1 = ink, 0 = paper. A glyph of width w
// starts at stream bit (sum of the widths before it) * height and holds
// w * height bits, column-major.
//
// Example, height 3, width 2, columns (ink, paper, ink) and (paper, ink,
// paper): stream bits 1 0 1 0 1 0, the single byte 0x15.
template <class Put>
inline void decodePlain(const uint8_t *stream, uint32_t startBit, uint32_t width, uint32_t height,
                        Put &&put) {
    const uint8_t *p = stream + (startBit >> 3);
    uint32_t bits = 0;                   // unread bits of the current byte, low bit next
    uint32_t left = 0;                   // how many of them remain
    if (uint32_t skip = startBit & 7) {  // glyph starts inside a byte
        bits = uint32_t(*p++) >> skip;
        left = 8 - skip;
    }
    for (uint32_t col = 0; col < width; ++col) {
        for (uint32_t row = 0; row < height; ++row) {
            if (left == 0) {  // load a byte only when a bit of it is needed
                bits = *p++;
                left = 8;
            }
            put(col, row, (bits & 1u) != 0);
            bits >>= 1;
            --left;
        }
    }
}

// Run-length encoding: a glyph starts on a byte boundary, at byte (sum of
// the sizes before it) * unit of the glyph data. Its bytes form an LSB-first
// bit stream of 3-bit tokens that may cross bytes:
//
//   token bit 0   run code, low bit
//   token bit 1   run code, high bit
//   token bit 2   pixel: 1 = ink, 0 = paper
//
// Run code 0 is one pixel, codes 1..3 are runs[0..2] pixels. Runs fill the
// glyph column-major and carry on from the bottom of one column to the top
// of the next. The glyph ends as soon as its last column is complete;
// surplus pixels of the last run and the rest of the glyph's bytes are
// ignored.
//
// Example, runs 2, 5, 11, height 4, width 1: the byte 0x2D is the bits
// 1 0 1 1 0 1 0 0, tokens (code 1, ink) (code 1, ink): four ink pixels.
template <class Put>
inline void decodeRunLength(const uint8_t *data, const uint8_t runs[3], uint32_t width, uint32_t height,
                            Put &&put) {
    if (width == 0 || height == 0) return;
    const uint32_t length[4] = {1, runs[0], runs[1], runs[2]};  // by run code, no branch
    const uint8_t *p = data;
    uint32_t bits = 0;  // unread stream bits, low bit next
    uint32_t left = 0;  // how many of them are valid
    uint32_t col = 0, row = 0;
    for (;;) {
        if (left < 3) {  // a token needs at most one more byte
            bits |= uint32_t(*p++) << left;
            left += 8;
        }
        const uint32_t code = bits & 3u;
        const bool ink = (bits & 4u) != 0;
        bits >>= 3;
        left -= 3;
        // The run in pieces of at most one column, each a plain counted loop.
        for (uint32_t n = length[code]; n != 0;) {
            const uint32_t piece = n < height - row ? n : height - row;
            for (const uint32_t end = row + piece; row != end; ++row) put(col, row, ink);
            n -= piece;
            if (row == height) {
                row = 0;
                if (++col == width) return;
            }
        }
    }
}

}  // namespace vr
