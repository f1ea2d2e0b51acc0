// The public Windows-1252 header: UTF-8 literals become single bytes while
// compiling, and both directions of its table agree. That a character
// outside the code page stops the build is checked by cp1252_build.cmake.
#include <gtest/gtest.h>

#include <string>

#include "VRCp1252.hpp"

namespace {

using vr::cp1252;

template <size_t N>
std::string bytes(const vr::Cp1252Text<N> &t) {
    return std::string(t.c_str());
}

TEST(Cp1252, GermanLettersAndBulletBecomeSingleBytes) {
    EXPECT_EQ(bytes(cp1252(u8"äöüßÄÖÜ")), "\xE4\xF6\xFC\xDF\xC4\xD6\xDC");
    EXPECT_EQ(bytes(cp1252(u8"\x1c x")), "\x1C x");
    // Characters of the code page outside Latin-1, and a three-byte one.
    EXPECT_EQ(bytes(cp1252(u8"€•–")), "\x80\x95\x96");
    EXPECT_EQ(bytes(cp1252(u8"Nächste 18 °C")),
              "N\xE4"
              "chste 18 \xB0"
              "C");
    // Plain ASCII passes unchanged; the output is zero-padded behind.
    constexpr auto plain = cp1252(u8"Dieser");
    EXPECT_EQ(bytes(plain), "Dieser");
    static_assert(sizeof(plain.bytes) == 7 && plain.bytes[6] == 0);
    // Done by the compiler: usable where only constants are.
    static_assert(cp1252(u8"läßt").bytes[1] == char(0xE4) && cp1252(u8"läßt").bytes[2] == char(0xDF));
}

TEST(Cp1252, EveryDefinedByteRoundTripsAndTheFiveGapsHaveNoCharacter) {
    int undefined = 0;
    for (int b = 0; b < 256; ++b) {
        const char32_t u = vr::cp1252ToUnicode(uint8_t(b));
        if (u == 0 && b != 0) {
            ++undefined;
            EXPECT_TRUE(b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) << b;
            continue;
        }
        EXPECT_EQ(vr::unicodeToCp1252(u), b) << b;
    }
    EXPECT_EQ(undefined, 5);
    // Characters beside the code page: the C1 controls it replaced, and
    // letters of the neighbouring Latin pages.
    for (char32_t u : {U'\u0081', U'\u0100', U'\u2713', U'\u20AD', U'\U0001F600'})
        EXPECT_EQ(vr::unicodeToCp1252(u), -1) << uint32_t(u);
}

}  // namespace
