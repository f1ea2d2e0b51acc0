// GIMP run-length packets: what the encoder writes, and what the checking
// decoder refuses.
#include "gimp_pixels.h"

#include <gtest/gtest.h>

#include <random>

using namespace imgconv;

namespace {

std::vector<uint8_t> px(std::initializer_list<uint8_t> bytes) { return bytes; }

// Walks the packets and lists their count bytes.
std::vector<uint8_t> countBytes(const std::vector<uint8_t> &data, int bpp) {
    std::vector<uint8_t> counts;
    for (size_t at = 0; at < data.size();) {
        uint8_t n = data[at];
        counts.push_back(n);
        at += 1 + (n >= 128 ? bpp : n * bpp);
    }
    return counts;
}

}  // namespace

TEST(GimpRunLength, RunsAndLiteralsAsGimpWritesThem) {
    // red red red, green, blue, blue: a run of 3, a literal, a run of 2.
    auto pixels = px({255, 0, 0, 255, 0, 0, 255, 0, 0, 0, 255, 0, 0, 0, 255, 0, 0, 255});
    EXPECT_EQ(encodeRunLength(pixels, 3), px({0x83, 255, 0, 0, 0x01, 0, 255, 0, 0x82, 0, 0, 255}));
    // Two different pixels: one literal packet of two.
    EXPECT_EQ(encodeRunLength(px({1, 2, 3, 4, 5, 6, 7, 8}), 4), px({0x02, 1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(GimpRunLength, LongStretchesSplitBeforeCountsOfZeroOr128) {
    std::vector<uint8_t> same(300 * 3, 7);
    EXPECT_EQ(countBytes(encodeRunLength(same, 3), 3), px({0x80 + 127, 0x80 + 127, 0x80 + 46}));
    std::vector<uint8_t> ramp;
    for (int i = 0; i < 300; ++i) ramp.insert(ramp.end(), {uint8_t(i), uint8_t(i >> 8), 0});
    EXPECT_EQ(countBytes(encodeRunLength(ramp, 3), 3), px({127, 127, 46}));
}

TEST(GimpRunLength, RandomImagesRoundTripExactly) {
    std::mt19937 rng(11);
    for (int bpp : {3, 4}) {
        for (int trial = 0; trial < 50; ++trial) {
            size_t count = 1 + rng() % 2000;
            std::vector<uint8_t> pixels;
            uint8_t colour = 0;
            for (size_t i = 0; i < count; ++i) {
                if (rng() % 4 == 0) colour = uint8_t(rng() % 3);  // long runs and short ones
                for (int k = 0; k < bpp; ++k) pixels.push_back(uint8_t(colour * (k + 1)));
            }
            auto data = encodeRunLength(pixels, bpp);
            for (uint8_t n : countBytes(data, bpp)) {
                ASSERT_NE(n & 0x7F, 0) << "count byte " << int(n);
            }
            ASSERT_EQ(decodeRunLength(data.data(), data.size(), count, bpp), pixels);
        }
    }
}

TEST(GimpRunLength, DecoderRefusesPacketsThatDoNotCoverThePixelsExactly) {
    // Two pixels, but a run of three.
    auto overrun = px({0x83, 1, 2, 3});
    EXPECT_THROW(decodeRunLength(overrun.data(), overrun.size(), 2, 3), DecodeError);
    // A literal of two for one pixel.
    auto literal = px({0x02, 1, 2, 3, 4, 5, 6});
    EXPECT_THROW(decodeRunLength(literal.data(), literal.size(), 1, 3), DecodeError);
    // Count 0 means 256 pixels, more than 255.
    auto big = px({0x80, 9, 9, 9});
    EXPECT_THROW(decodeRunLength(big.data(), big.size(), 255, 3), DecodeError);
    EXPECT_EQ(decodeRunLength(big.data(), big.size(), 256, 3).size(), 256u * 3);
    // Data ending early, and data left over.
    auto shortData = px({0x02, 1, 2, 3});
    EXPECT_THROW(decodeRunLength(shortData.data(), shortData.size(), 2, 3), DecodeError);
    auto extra = px({0x81, 1, 2, 3, 0x81, 4, 5, 6});
    EXPECT_THROW(decodeRunLength(extra.data(), extra.size(), 1, 3), DecodeError);
}
