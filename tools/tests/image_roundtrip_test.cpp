// Images converted from PNG and drawn back through the library: the drawn
// pixels equal the source raster, key-coloured pixels stay untouched, and
// the drawing ends exactly at width x height.
#include "gimp_pixels.h"
#include "lib_fixture.h"
#include "png_reader.h"
#include "test_files.h"

using namespace imgconv;

namespace {

const uint8_t kWhite[3] = {255, 255, 255};

// 37 x 11 pixels: stripes, a white block and noise, so that the packets
// hold runs crossing row ends as well as literals.
Image testImage() {
    Image img{37, 11, 3, {}};
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            uint8_t r = uint8_t(y < 3 ? 200 : x * 7), g = uint8_t(y < 3 ? 10 : y * 20),
                    b = uint8_t((x * y) % 5 * 60);
            if (x >= 20 && x < 30 && y >= 4 && y < 8) r = g = b = 255;
            img.pixels.insert(img.pixels.end(), {r, g, b});
        }
    }
    return img;
}

VR_GIMPBitmap record(const Image &img, const std::vector<uint8_t> &data, bool runLength, bool keyWhite) {
    VR_GIMPBitmap bm{};
    bm.magic[0] = 'G';
    bm.magic[1] = 'M';
    bm.encoding = runLength ? 1 : 0;
    bm.width = uint16_t(img.width);
    bm.height = uint16_t(img.height);
    bm.bytesPerPixel = uint8_t(img.bytesPerPixel);
    bm.keyColour = keyWhite ? VR_Colour{0, 255, 255, 255} : VR_Colour{255, 255, 255, 255};
    bm.data = data.data();
    return bm;
}

class ImageRoundTrip : public LibTest {
  protected:
    // Draws at (10, 20); every pixel of the image area must be the source's
    // (or untouched where the key hides it), and nothing else written.
    void expectDrawn(const Image &img, const VR_GIMPBitmap &bm, bool keyWhite) {
        VR_Point at = {10, 20};
        ASSERT_EQ(VR_DrawGIMPBitmap(&at, &bm), VR_OK);
        for (int y = 0; y < 240; ++y) {
            for (int x = 0; x < 320; ++x) {
                bool inside = x >= 10 && x < 10 + img.width && y >= 20 && y < 20 + img.height;
                if (!inside) {
                    ASSERT_FALSE(fake::written(uint16_t(x), uint16_t(y))) << x << "," << y;
                    continue;
                }
                const uint8_t *p = &img.pixels[(size_t(y - 20) * img.width + (x - 10)) * img.bytesPerPixel];
                bool keyed = keyWhite && p[0] == 255 && p[1] == 255 && p[2] == 255;
                ASSERT_EQ(fake::written(uint16_t(x), uint16_t(y)), !keyed) << x << "," << y;
                if (!keyed) {
                    ASSERT_EQ(fake::pixel(uint16_t(x), uint16_t(y)), word(rgb(p[0], p[1], p[2])));
                }
            }
        }
    }
};

}  // namespace

TEST_F(ImageRoundTrip, RunLengthPixelsDrawTheSourceRaster) {
    Image img = testImage();
    auto data = encodeRunLength(img.pixels, 3);
    expectDrawn(img, record(img, data, true, false), false);
}

TEST_F(ImageRoundTrip, KeyColourPixelsAreLeftAlone) {
    Image img = testImage();
    auto data = encodeRunLength(img.pixels, 3);
    expectDrawn(img, record(img, data, true, true), true);
}

TEST_F(ImageRoundTrip, RawRowsDrawTheSourceRaster) {
    Image img = testImage();
    expectDrawn(img, record(img, img.pixels, false, false), false);
}

TEST_F(ImageRoundTrip, ThroughAPngFileAndTheLibrarysDecoderStopsAtTheLastPixel) {
    std::string dir = vrtest::scratchDir();
    Image img = testImage();
    writePng(dir + "/in.png", img);
    Image back = readPng(dir + "/in.png", 3, kWhite);
    ASSERT_EQ(back.pixels, img.pixels);
    // A stray packet after the image's own ones must not be drawn anywhere.
    auto data = encodeRunLength(back.pixels, 3);
    data.insert(data.end(), {0x80 + 100, 1, 2, 3});
    expectDrawn(img, record(back, data, true, false), false);
}

TEST(PngReading, TransparencyIsBlendedOverTheBackgroundForThreeBytes) {
    std::string dir = vrtest::scratchDir();
    Image rgba{2, 1, 4, {10, 20, 30, 255, 200, 100, 50, 0}};
    writePng(dir + "/a.png", rgba);
    const uint8_t grey[3] = {90, 90, 90};
    EXPECT_EQ(readPng(dir + "/a.png", 3, grey).pixels, (std::vector<uint8_t>{10, 20, 30, 90, 90, 90}));
    EXPECT_EQ(readPng(dir + "/a.png", 4, grey).pixels[3], 255);
    EXPECT_EQ(readPng(dir + "/a.png", 4, grey).pixels[7], 0);
}

TEST(PngReading, MissingBrokenAndOversizedFilesAreRefused) {
    std::string dir = vrtest::scratchDir();
    EXPECT_THROW(readPng(dir + "/none.png", 3, kWhite), ReadError);
    vrtest::writeText(dir + "/text.png", "not a picture");
    EXPECT_THROW(readPng(dir + "/text.png", 3, kWhite), ReadError);
    Image wide{70000, 1, 3, std::vector<uint8_t>(70000 * 3, 0)};
    writePng(dir + "/wide.png", wide);
    EXPECT_THROW(readPng(dir + "/wide.png", 3, kWhite), ReadError);
}
