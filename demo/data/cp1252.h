// Windows-1252 texts written readably as UTF-8 literals and converted while
// compiling. A character the code page lacks, or malformed UTF-8, stops the
// build (a throw in a consteval function is a compile error).
#pragma once

#include <cstddef>
#include <cstdint>

namespace demoria {

// A zero-terminated single-byte string in static storage.
template <size_t N>
struct Cp1252Text {
    char bytes[N] = {};

    constexpr const char *c_str() const { return bytes; }
};

namespace cp1252_detail {

// The code points that Windows-1252 puts in 0x80..0x9F (0 where the code
// page leaves the byte undefined).
inline constexpr char32_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

consteval uint8_t toByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return uint8_t(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] != 0 && kHighControls[i] == cp) return uint8_t(0x80 + i);
    throw "character has no Windows-1252 code";
}

consteval char32_t continuation(char8_t c) {
    if ((c & 0xC0) != 0x80) throw "malformed UTF-8";
    return c & 0x3F;
}

}  // namespace cp1252_detail

template <size_t N>
consteval Cp1252Text<N> cp1252(const char8_t (&utf8)[N]) {
    using namespace cp1252_detail;
    Cp1252Text<N> out;
    size_t o = 0;
    for (size_t i = 0; i + 1 < N;) {
        char8_t c = utf8[i];
        char32_t cp;
        if (c < 0x80) {
            cp = c;
            i += 1;
        } else if ((c & 0xE0) == 0xC0 && i + 2 < N) {
            cp = char32_t(c & 0x1F) << 6 | continuation(utf8[i + 1]);
            if (cp < 0x80) throw "overlong UTF-8";
            i += 2;
        } else if ((c & 0xF0) == 0xE0 && i + 3 < N) {
            cp = char32_t(c & 0x0F) << 12 | continuation(utf8[i + 1]) << 6 | continuation(utf8[i + 2]);
            if (cp < 0x800) throw "overlong UTF-8";
            i += 3;
        } else {
            throw "malformed UTF-8 or a character outside the code page";
        }
        out.bytes[o++] = char(toByte(cp));
    }
    return out;
}

}  // namespace demoria
