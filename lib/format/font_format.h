// The VR_Font byte format, defined once for the library, the converter and
// the tests: where each field lies, a reader over the bytes, and the header
// checks that a font must pass before anything reads its tables. Users'
// description: docs/font-format.md.
//
//   offset   size  field
//   0        2     length of the whole font, most significant byte first
//   2        1     not interpreted
//   3        1     height: pixel rows of every glyph
//   4        1     flags: bit 7 set = run-length glyphs, clear = plain;
//                  bits 0-6 not interpreted
//   5        1     first character code covered
//   6        1     last character code covered (>= first)
//   7        n     width table, n = last - first + 1
//   plain:
//   7+n      ...   one bit stream of every glyph (glyph_decode.h)
//   run-length:
//   7+n      1     unit: bytes per size unit
//   8+n      3     run lengths of run codes 1, 2, 3
//   11+n     n     size table: glyph data length of each character in units
//   11+2n    ...   glyph data, each glyph on a byte boundary
//
// Header-only and free of the library's state, so that fuzzers and tools
// can include it without linking the library.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vrfont {

// ------------------------------------------------------------- the layout

constexpr size_t kLengthAt = 0;  // 2 bytes, most significant first
constexpr size_t kSpareAt = 2;   // not interpreted; the converter writes 0
constexpr size_t kHeightAt = 3;
constexpr size_t kFlagsAt = 4;
constexpr size_t kFirstAt = 5;
constexpr size_t kLastAt = 6;
constexpr size_t kWidthsAt = 7;
constexpr size_t kHeaderSize = kWidthsAt;  // bytes before the width table

constexpr uint8_t kRunLengthFlag = 0x80;
constexpr size_t kRunCount = 3;        // run table entries: run codes 1..3
constexpr size_t kMaxLength = 0xFFFF;  // the 16-bit length field

// Characters covered by first..last (1..256).
constexpr size_t countOf(uint8_t first, uint8_t last) { return size_t(last) - first + 1; }

// Positions behind the width table, for a font of n characters.
constexpr size_t unitAt(size_t n) { return kWidthsAt + n; }
constexpr size_t runsAt(size_t n) { return unitAt(n) + 1; }
constexpr size_t sizesAt(size_t n) { return runsAt(n) + kRunCount; }
constexpr size_t glyphsAt(size_t n, bool runLength) { return runLength ? sizesAt(n) + n : kWidthsAt + n; }

static_assert(kLengthAt + 2 == kSpareAt && kSpareAt < kHeightAt && kHeightAt < kFlagsAt &&
              kFlagsAt < kFirstAt && kFirstAt < kLastAt);
static_assert(kLastAt + 1 == kWidthsAt, "the width table follows the header directly");
static_assert(glyphsAt(1, false) == 8 && glyphsAt(3, false) == 10);
static_assert(unitAt(1) == 8 && runsAt(1) == 9 && sizesAt(1) == 12 && glyphsAt(1, true) == 13);
static_assert(glyphsAt(256, true) == 11 + 2 * 256, "the run-length tables: 11 + n and 11 + 2n");

// ------------------------------------------------------------- the reader

// Reads a font's fields in place, one byte at a time. It trusts the bytes
// it is asked for to exist: call checkHeader first on data of unknown
// origin.
class Reader {
  public:
    explicit constexpr Reader(const uint8_t *font) : f_(font) {}

    constexpr const uint8_t *data() const { return f_; }
    constexpr size_t length() const { return size_t(f_[kLengthAt]) << 8 | f_[kLengthAt + 1]; }
    constexpr uint8_t height() const { return f_[kHeightAt]; }
    constexpr uint8_t flags() const { return f_[kFlagsAt]; }
    constexpr bool runLength() const { return (flags() & kRunLengthFlag) != 0; }
    constexpr uint8_t first() const { return f_[kFirstAt]; }
    constexpr uint8_t last() const { return f_[kLastAt]; }
    // Valid only when last >= first.
    constexpr size_t count() const { return countOf(first(), last()); }
    constexpr const uint8_t *widths() const { return f_ + kWidthsAt; }
    // Run-length fonts only.
    constexpr uint8_t unit() const { return f_[unitAt(count())]; }
    constexpr const uint8_t *runs() const { return f_ + runsAt(count()); }
    constexpr const uint8_t *sizes() const { return f_ + sizesAt(count()); }
    // The glyph data, in either encoding.
    constexpr const uint8_t *glyphs() const { return f_ + glyphsAt(count(), runLength()); }

  private:
    const uint8_t *f_;
};

// Writes the length field (most significant byte first); the writer keeps
// length <= kMaxLength.
constexpr void putLength(uint8_t *font, size_t length) {
    font[kLengthAt] = uint8_t(length >> 8);
    font[kLengthAt + 1] = uint8_t(length);
}

// ------------------------------------------------------ the header checks

// What a header can get wrong without any glyph being read. Each check is
// made once, when a font is selected; none costs anything per pixel.
enum class HeaderFault {  // in the order of describe()
    None,
    ShorterThanHeader,  // the data, or its length field, ends inside the header
    LongerThanData,     // the length field claims more than the data holds
    LastBelowFirst,     // no character range
    TablesPastLength,   // the width (and run-length) tables end beyond the length
    ZeroRun,            // a run-length table entry of 0 would never advance
    GlyphsPastLength,   // the glyph data the tables describe ends beyond the length
    GlyphWithoutData,   // a run-length glyph with pixels has too few bytes for them
};

// The fault in one line, for messages and test names.
constexpr const char *describe(HeaderFault fault) {
    constexpr const char *kText[] = {
        "no fault",
        "length shorter than the 7-byte header",
        "length field larger than the data",
        "last character below the first",
        "tables end beyond the length",
        "run table entry of 0",
        "glyph data ends beyond the length",
        "glyph with pixels but too little data",
    };
    const size_t i = size_t(fault);
    return i < sizeof kText / sizeof kText[0] ? kText[i] : "unknown fault";
}

// Checks the header and tables against the length field, reading no byte
// at or beyond `available` (the size of the data, when the caller knows
// it; the library does not, and passes kMaxLength). After None, Reader's
// fields and tables all lie within the length, plain glyphs are read
// within it, and every run-length glyph with pixels has at least the bytes
// its tokens need at the longest run; the tokens themselves stay trusted.
constexpr HeaderFault checkHeader(const uint8_t *font, size_t available = kMaxLength) {
    if (available < kHeaderSize) return HeaderFault::ShorterThanHeader;
    const Reader r(font);
    const size_t length = r.length();
    if (length < kHeaderSize) return HeaderFault::ShorterThanHeader;
    if (length > available) return HeaderFault::LongerThanData;
    if (r.last() < r.first()) return HeaderFault::LastBelowFirst;
    const size_t n = r.count();
    const bool runLength = r.runLength();
    const size_t glyphs = glyphsAt(n, runLength);
    if (glyphs > length) return HeaderFault::TablesPastLength;

    if (!runLength) {
        // Sum of widths x height bits, whole bytes; at most 255 * 256 * 255.
        size_t columns = 0;
        for (size_t i = 0; i < n; ++i) columns += r.widths()[i];
        if (glyphs + (columns * r.height() + 7) / 8 > length) return HeaderFault::GlyphsPastLength;
        return HeaderFault::None;
    }

    const uint8_t *runs = r.runs();
    uint32_t longest = 1;  // run code 0 is one pixel
    for (size_t k = 0; k < kRunCount; ++k) {
        if (runs[k] == 0) return HeaderFault::ZeroRun;
        if (runs[k] > longest) longest = runs[k];
    }
    const size_t unit = r.unit();
    size_t units = 0;
    for (size_t i = 0; i < n; ++i) {
        const size_t bytes = size_t(r.sizes()[i]) * unit;
        // Fewest tokens that can fill the glyph, three bits each.
        const size_t pixels = size_t(r.widths()[i]) * r.height();
        const size_t tokens = (pixels + longest - 1) / longest;
        if (bytes < (tokens * 3 + 7) / 8) return HeaderFault::GlyphWithoutData;
        units += r.sizes()[i];
    }
    if (glyphs + units * unit > length) return HeaderFault::GlyphsPastLength;
    return HeaderFault::None;
}

}  // namespace vrfont
