/**
 * @file VRCp1252.hpp
 * Windows-1252 for C++20 applications: texts written readably as UTF-8
 * literals become, while compiling, the single bytes that the library's
 * 8-bit fonts index.
 *
 *     static constexpr auto kNext = vr::cp1252(u8"Nächste 18 °C");
 *     VR_StringParams s = {kNext.c_str(), 0};
 *
 * A character the code page lacks, or malformed UTF-8, stops the build (a
 * throw in a consteval function is a compile error; the compiler points at
 * the reason). C code reaches the same bytes with `-fexec-charset=CP1252`
 * or with `\x` escapes (see the application writers' guide).
 *
 * The table here is the project's one copy of the code page: the font
 * converter maps bytes to characters with it too.
 */
#pragma once

#if !defined(__cplusplus) || __cplusplus < 202002L
#error "VRCp1252.hpp needs C++20; C code uses -fexec-charset=CP1252 or \\x escapes"
#endif

#include <cstddef>
#include <cstdint>

namespace vr {

/** The characters of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined. */
inline constexpr char32_t kCp1252High[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                             0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                             0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                             0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

/** The Unicode character of byte b; 0 for the five undefined bytes. Every other byte below 0x80 or from 0xA0
 * on stands for itself. */
constexpr char32_t cp1252ToUnicode(uint8_t b) {
    return b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char32_t{b};
}

/** The byte of character cp, or -1 when Windows-1252 has none. */
constexpr int unicodeToCp1252(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == cp) return 0x80 + i;
    return -1;
}

/** A zero-terminated Windows-1252 string, zero-padded behind, for static storage. */
template <std::size_t N>
struct Cp1252Text {
    char bytes[N] = {};

    constexpr const char *c_str() const { return bytes; }
};

namespace cp1252_detail {

consteval char32_t continuation(char8_t c) {
    if ((c & 0xC0) != 0x80) throw "malformed UTF-8";
    return c & 0x3F;
}

}  // namespace cp1252_detail

/** Converts a UTF-8 literal to Windows-1252 at compile time. */
template <std::size_t N>
consteval Cp1252Text<N> cp1252(const char8_t (&utf8)[N]) {
    using cp1252_detail::continuation;
    Cp1252Text<N> out;
    std::size_t o = 0;
    for (std::size_t i = 0; i + 1 < N;) {
        const char8_t c = utf8[i];
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
            throw "malformed UTF-8, or a character outside Windows-1252";
        }
        const int b = unicodeToCp1252(cp);
        if (b < 0) throw "character has no Windows-1252 code";
        out.bytes[o++] = char(b);
    }
    return out;
}

}  // namespace vr
