// GIMP images through the recording fake driver: both encodings, key colour,
// alpha blending, clipping to the active window and refused pixels.
#include <vector>

#include "lib_fixture.h"

namespace {

const VR_Colour kNoKey{0xFF, 0xFF, 0xFF, 0xFF};
const VR_Colour R = rgb(255, 0, 0), G = rgb(0, 255, 0), B = rgb(0, 0, 255), W = rgb(255, 255, 255);
const std::map<uint32_t, char> kLegend{{word(R), 'R'}, {word(G), 'G'}, {word(B), 'B'}, {word(W), 'W'}};

// An image whose pixel data lies in a buffer of exactly its own size, so a
// read past the needed bytes shows up under AddressSanitizer.
struct Image {
    std::vector<uint8_t> bytes;
    VR_GIMPBitmap rec{};
    Image(uint8_t encoding, uint16_t w, uint16_t h, uint8_t bpp, std::vector<uint8_t> data,
          VR_Colour key = kNoKey)
        : bytes(std::move(data)) {
        rec = VR_GIMPBitmap{{'G', 'M'}, 0, encoding, w, h, bpp, key, {0, 0, 0}, bytes.data()};
    }
    Image(const Image &) = delete;
};

VR_Status draw(const Image &img, uint16_t x, uint16_t y) {
    const VR_Point at{x, y};
    return VR_DrawGIMPBitmap(&at, &img.rec);
}

using GimpTest = LibTest;

TEST_F(GimpTest, RawRgbPixelsLandInOrderAndTheAreaIsRefreshed) {
    Image img(0, 2, 1, 3, {0xFF, 0, 0, 0, 0, 0xFF});
    EXPECT_EQ(draw(img, 10, 20), VR_OK);
    EXPECT_EQ(fake::pixel(10, 20), word(R));
    EXPECT_EQ(fake::pixel(11, 20), word(B));
    ASSERT_EQ(fake::count(fake::Fn::SetPixel), 2u);
    auto refresh = fake::callsOf(fake::Fn::RefreshArea);
    ASSERT_EQ(refresh.size(), 1u);
    EXPECT_EQ(refresh[0].point.x, 10);
    EXPECT_EQ(refresh[0].size.width, 2);
    EXPECT_EQ(refresh[0].size.height, 1);

    fake::clearCalls();
    ASSERT_EQ(VR_SetUpdateMode(VR_UPDATE_MANUAL), VR_OK);
    EXPECT_EQ(draw(img, 10, 20), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
}

TEST_F(GimpTest, RunLengthPacketsCrossRowEnds) {
    // A run of four (0x84) fills row 0 and starts row 1; two literals (0x02)
    // finish it.
    Image img(1, 3, 2, 3, {0x84, 255, 0, 0, 0x02, 0, 255, 0, 0, 0, 255});
    EXPECT_EQ(draw(img, 1, 1), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 5, 4, kLegend), ".....\n.RRR.\n.RGB.\n.....\n");
}

TEST_F(GimpTest, CountZeroMeansTwoHundredFiftySixAndDecodingStopsAtTheLastPixel) {
    // 0x80 and 0x00 both stand for 256 pixels; the image has 16 x 17, so the
    // literal packet is cut after 16 pixels and its remaining bytes are absent.
    std::vector<uint8_t> data{0x80, 0, 0, 255, 0x00};
    for (int i = 0; i < 16; ++i) data.insert(data.end(), {0, 255, 0});
    Image img(1, 16, 17, 3, data);
    EXPECT_EQ(draw(img, 0, 0), VR_OK);
    EXPECT_EQ(fake::pixel(15, 15), word(B));
    EXPECT_EQ(fake::pixel(0, 16), word(G));
    EXPECT_EQ(fake::pixel(15, 16), word(G));
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 16u * 17u);

    // A run far longer than the image: four pixels and nothing more is read.
    Image tiny(1, 2, 2, 3, {0xFF, 255, 255, 255});
    fake::clearCalls();
    EXPECT_EQ(draw(tiny, 0, 0), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 4u);
}

TEST_F(GimpTest, KeyColourHidesMatchingPixelsUnlessAllFourBytesAreFF) {
    const std::vector<uint8_t> raw{255, 255, 255, 255, 0, 0, 255, 255, 255};
    Image keyed(0, 3, 1, 3, raw, VR_Colour{0x00, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(draw(keyed, 0, 0), VR_OK);
    EXPECT_EQ(fake::ascii(0, 0, 3, 1, kLegend), ".R.\n");

    // The same key on a run-length image hides a whole run.
    Image run(1, 4, 1, 3, {0x82, 255, 255, 255, 0x82, 0, 255, 0}, VR_Colour{0x00, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(draw(run, 0, 1), VR_OK);
    EXPECT_EQ(fake::ascii(0, 1, 4, 1, kLegend), "..GG\n");

    Image unkeyed(0, 3, 1, 3, raw, kNoKey);
    EXPECT_EQ(draw(unkeyed, 0, 2), VR_OK);
    EXPECT_EQ(fake::ascii(0, 2, 3, 1, kLegend), "WRW\n");
}

TEST_F(GimpTest, AlphaBlendsEachPixelOverTheDisplay) {
    fake::setPixelDirect(0, 0, word(rgb(0, 0, 200)));
    fake::setPixelDirect(1, 0, word(rgb(100, 200, 255)));
    Image raw(0, 2, 1, 4, {255, 0, 0, 255, 10, 20, 30, 0});
    EXPECT_EQ(draw(raw, 0, 0), VR_OK);
    EXPECT_EQ(fake::pixel(0, 0), word(rgb(255, 0, 0)));      // opaque: the image's colour
    EXPECT_EQ(fake::pixel(1, 0), word(rgb(100, 200, 255)));  // transparent: the display as it was
    EXPECT_EQ(fake::count(fake::Fn::GetPixel), 2u);

    // A run blends its own source over each destination, not the previous
    // result: (200 * 128 + d * 127) / 255, rounded.
    fake::setPixelDirect(0, 1, word(rgb(0, 0, 0)));
    fake::setPixelDirect(1, 1, word(rgb(255, 255, 255)));
    Image run(1, 2, 1, 4, {0x82, 200, 200, 200, 128});
    EXPECT_EQ(draw(run, 0, 1), VR_OK);
    EXPECT_EQ(fake::pixel(0, 1), word(rgb(100, 100, 100)));
    EXPECT_EQ(fake::pixel(1, 1), word(rgb(227, 227, 227)));
}

TEST_F(GimpTest, OpaqueAndTransparentPixelsAreExactForEveryChannelValue) {
    // Row 0: each value v drawn opaque over its complement; row 1: drawn fully
    // transparent over v itself. Both must come out as v in every channel.
    std::vector<uint8_t> opaque, clear;
    for (int v = 0; v < 256; ++v) {
        const auto c = uint8_t(v), n = uint8_t(255 - v);
        fake::setPixelDirect(uint16_t(v), 0, word(rgb(n, n, n)));
        fake::setPixelDirect(uint16_t(v), 1, word(rgb(c, n, c)));
        opaque.insert(opaque.end(), {c, c, c, 255});
        clear.insert(clear.end(), {n, c, n, 0});
    }
    Image top(0, 256, 1, 4, opaque), bottom(0, 256, 1, 4, clear);
    EXPECT_EQ(draw(top, 0, 0), VR_OK);
    EXPECT_EQ(draw(bottom, 0, 1), VR_OK);
    for (int v = 0; v < 256; ++v) {
        const auto c = uint8_t(v), n = uint8_t(255 - v);
        ASSERT_EQ(fake::pixel(uint16_t(v), 0), word(rgb(c, c, c))) << v;
        ASSERT_EQ(fake::pixel(uint16_t(v), 1), word(rgb(c, n, c))) << v;
    }
}

TEST_F(GimpTest, AnIconRedrawnInPlaceLeavesItsTransparentBackgroundAlone) {
    // A 2 x 1 icon over a light grey background: a transparent pixel and an
    // opaque black one. 1,000 redraws keep the grey bit-exact.
    fake::setPixelDirect(0, 0, word(rgb(249, 249, 249)));
    fake::setPixelDirect(1, 0, word(rgb(249, 249, 249)));
    Image icon(1, 2, 1, 4, {0x02, 0, 0, 0, 0, 0, 0, 0, 255});
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(draw(icon, 0, 0), VR_OK);
    EXPECT_EQ(fake::pixel(0, 0), word(rgb(249, 249, 249)));
    EXPECT_EQ(fake::pixel(1, 0), word(rgb(0, 0, 0)));
}

TEST_F(GimpTest, HalfAlphaRoundsToTheNearestStep) {
    // (source * a + destination * (255 - a)) / 255 rounded to nearest; the
    // cases are where a division by 256 or a truncation would be a step low.
    struct Case {
        uint8_t src, dst, alpha, want;
    };
    const Case cases[] = {
        {1, 0, 128, 1},        // 128 / 255 = 0.502
        {0, 1, 127, 1},        // 128 / 255
        {255, 0, 128, 128},    // 32640 / 255 = 128 exactly
        {0, 255, 128, 127},    // 32385 / 255 = 127 exactly
        {100, 201, 128, 150},  // (12800 + 25527) / 255 = 150.3
        {3, 0, 85, 1},         // 255 / 255
        {2, 0, 64, 1},         // 128 / 255
        {1, 0, 127, 0},        // 127 / 255 = 0.498
    };
    int x = 0;
    for (const Case &c : cases) {
        fake::setPixelDirect(uint16_t(x), 0, word(rgb(c.dst, c.dst, c.dst)));
        Image px(0, 1, 1, 4, {c.src, c.src, c.src, c.alpha});
        EXPECT_EQ(draw(px, uint16_t(x), 0), VR_OK);
        EXPECT_EQ(fake::pixel(uint16_t(x), 0), word(rgb(c.want, c.want, c.want)))
            << int(c.src) << " over " << int(c.dst) << " at alpha " << int(c.alpha);
        ++x;
    }
}

TEST_F(GimpTest, ClipsToTheActiveWindowOnEverySide) {
    // 5 x 5 raw image, columns R G B W R; the window shows its middle 3 x 3.
    std::vector<uint8_t> raw;
    const VR_Colour cols[5] = {R, G, B, W, R};
    for (int i = 0; i < 25; ++i)
        raw.insert(raw.end(), {cols[i % 5].red, cols[i % 5].green, cols[i % 5].blue});
    Image img(0, 5, 5, 3, raw);
    const VR_Point origin{11, 21};
    const VR_Size size{3, 3};
    ASSERT_EQ(VR_SetActiveWindow(&origin, &size), VR_OK);
    EXPECT_EQ(draw(img, 10, 20), VR_OK);
    EXPECT_EQ(fake::ascii(10, 20, 5, 5, kLegend), ".....\n.GBW.\n.GBW.\n.GBW.\n.....\n");
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 9u);

    // Run-length and blended images clip the same way.
    fake::reset();
    ASSERT_EQ(VR_SetActiveWindow(&origin, &size), VR_OK);
    Image rle(1, 5, 5, 4, {0x99, 255, 0, 0, 255});
    EXPECT_EQ(draw(rle, 10, 20), VR_OK);
    EXPECT_EQ(fake::ascii(10, 20, 5, 5, {{word(rgb(255, 0, 0)), 'r'}}),
              ".....\n.rrr.\n.rrr.\n.rrr.\n.....\n");
    EXPECT_EQ(fake::count(fake::Fn::GetPixel), 9u);
}

TEST_F(GimpTest, PixelsBeyondTheDisplay) {
    // The window is the display: pixels past its right edge fail the window
    // test, so nothing is refused.
    Image rle(1, 4, 2, 3, {0x88, 255, 0, 0});
    EXPECT_EQ(draw(rle, 318, 0), VR_OK);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 4u);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 1u);

    // Raw RGBA reads before the window test: the read at x = 320 is refused,
    // which ends that row; the next row is still drawn; no refresh.
    fake::clearCalls();
    Image rgba(0, 4, 2, 4, std::vector<uint8_t>(32, 255));
    EXPECT_EQ(draw(rgba, 318, 5), VR_ERR_DRIVER);
    EXPECT_EQ(fake::count(fake::Fn::GetPixel), 6u);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 4u);
    EXPECT_TRUE(fake::written(319, 6));
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);

    // A window larger than the display: the first refused write ends its row
    // while decoding goes on, so the next row keeps its place.
    fake::clearCalls();
    const VR_Point origin{0, 0};
    const VR_Size big{400, 240};
    ASSERT_EQ(VR_SetActiveWindow(&origin, &big), VR_OK);
    Image literal(1, 3, 2, 3, {0x06, 255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 0, 0, 0, 255, 0, 0, 0, 255});
    EXPECT_EQ(draw(literal, 318, 9), VR_ERR_DRIVER);
    EXPECT_EQ(fake::ascii(318, 9, 2, 2, kLegend), "RG\nRG\n");
    EXPECT_EQ(fake::count(fake::Fn::SetPixel), 6u);
    EXPECT_EQ(fake::count(fake::Fn::RefreshArea), 0u);
}

TEST_F(GimpTest, RejectsWhatItCannotDecodeBeforeDrawing) {
    Image img(0, 1, 1, 3, {1, 2, 3});
    const VR_Point at{0, 0};
    EXPECT_EQ(VR_DrawGIMPBitmap(&at, nullptr), VR_ERR_PARAM);
    EXPECT_EQ(VR_DrawGIMPBitmap(nullptr, &img.rec), VR_ERR_PARAM);
    VR_GIMPBitmap bad = img.rec;
    bad.magic[1] = 'X';
    EXPECT_EQ(VR_DrawGIMPBitmap(&at, &bad), VR_ERR_FORMAT);
    bad = img.rec;
    bad.encoding = 2;
    EXPECT_EQ(VR_DrawGIMPBitmap(&at, &bad), VR_ERR_FORMAT);
    bad = img.rec;
    bad.bytesPerPixel = 5;
    EXPECT_EQ(VR_DrawGIMPBitmap(&at, &bad), VR_ERR_FORMAT);
    bad = img.rec;
    bad.data = nullptr;
    EXPECT_EQ(VR_DrawGIMPBitmap(&at, &bad), VR_ERR_PARAM);
    EXPECT_EQ(fake::count(fake::Fn::SetPixel) + fake::count(fake::Fn::RefreshArea), 0u);
}

}  // namespace
