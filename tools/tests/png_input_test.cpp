// PNG input as the converter reads it: any bit depth taken as sRGB
// samples, transparency blended like the library blends at run time, and
// header claims checked against the file before anything is allocated.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <chrono>
#include <cstring>
#include <fstream>

#include "png_reader.h"
#include "test_files.h"

namespace {

const uint8_t kWhite[3] = {0xFF, 0xFF, 0xFF};

// A PNG written with libpng's own writer, with no gAMA, sRGB or other
// colour chunk: just the samples given, row after row.
void writeSamples(const std::string &path, int width, int height, int bitDepth, int colourType,
                  const std::vector<uint8_t> &samples) {
    std::FILE *f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, f);
    png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), bitDepth, colourType, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    const size_t rowBytes = samples.size() / size_t(height);
    for (int y = 0; y < height; ++y) png_write_row(png, samples.data() + size_t(y) * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
}

// A chunk with its length and CRC.
std::string chunk(const char type[4], const std::string &data) {
    std::string out;
    const uint32_t n = uint32_t(data.size());
    out += char(n >> 24), out += char(n >> 16), out += char(n >> 8), out += char(n);
    const std::string body = std::string(type, 4) + data;
    out += body;
    const uint32_t crc = uint32_t(crc32(0, reinterpret_cast<const Bytef *>(body.data()), uInt(body.size())));
    out += char(crc >> 24), out += char(crc >> 16), out += char(crc >> 8), out += char(crc);
    return out;
}

TEST(PngInput, SixteenBitSamplesAreSrgbNotLinearLight) {
    const std::string dir = vrtest::scratchDir();
    // Grey 74 as 16 bits is 74 * 257 = 0x4A4A.
    writeSamples(dir + "/grey16.png", 2, 1, 16, PNG_COLOR_TYPE_GRAY, {0x4A, 0x4A, 0xFF, 0xFF});
    const imgconv::Image grey = imgconv::readPng(dir + "/grey16.png", 3, kWhite);
    EXPECT_EQ(grey.pixels, (std::vector<uint8_t>{0x4A, 0x4A, 0x4A, 0xFF, 0xFF, 0xFF}));

    // RGB, 16 bits: each sample scaled to 8 bits with rounding (v / 257).
    writeSamples(dir + "/rgb16.png", 1, 1, 16, PNG_COLOR_TYPE_RGB, {0x12, 0x34, 0x80, 0x80, 0xFF, 0xFE});
    EXPECT_EQ(imgconv::readPng(dir + "/rgb16.png", 3, kWhite).pixels,
              (std::vector<uint8_t>{0x12, 0x80, 0xFF}));
}

TEST(PngInput, TransparencyBlendsLikeTheLibraryInSrgbValues) {
    const std::string dir = vrtest::scratchDir();
    // Black at alpha 128, 0 (clear), 255 (opaque) and 64, over white;
    // expected (src * a + bg * (255 - a)) / 255, rounded.
    writeSamples(dir + "/alpha.png", 4, 1, 8, PNG_COLOR_TYPE_RGB_ALPHA,
                 {0, 0, 0, 128, 0, 0, 0, 0, 0, 0, 0, 255, 0x40, 0x80, 0xC0, 64});
    const imgconv::Image rgb = imgconv::readPng(dir + "/alpha.png", 3, kWhite);
    EXPECT_EQ(rgb.pixels, (std::vector<uint8_t>{0x7F, 0x7F, 0x7F, 0xFF, 0xFF, 0xFF, 0, 0, 0,
                                                // 0x40: (64*64 + 255*191 + 127) / 255 = 207
                                                207, 223, 239}));
    // With --bpp 4 the alpha channel stays and nothing is blended.
    EXPECT_EQ(imgconv::readPng(dir + "/alpha.png", 4, kWhite).pixels,
              (std::vector<uint8_t>{0, 0, 0, 128, 0, 0, 0, 0, 0, 0, 0, 255, 0x40, 0x80, 0xC0, 64}));
    // A 16-bit grey with alpha: both scaled, then blended over a grey background.
    const uint8_t grey[3] = {0x80, 0x80, 0x80};
    writeSamples(dir + "/ga16.png", 1, 1, 16, PNG_COLOR_TYPE_GRAY_ALPHA, {0xFF, 0xFF, 0x80, 0x80});
    EXPECT_EQ(imgconv::readPng(dir + "/ga16.png", 3, grey).pixels, (std::vector<uint8_t>{0xC0, 0xC0, 0xC0}));
}

TEST(PngInput, AHugeClaimInATinyFileIsRefusedAtOnce) {
    const std::string dir = vrtest::scratchDir();
    struct Case {
        uint32_t width, height;
        const char *words;
    };
    for (const Case c :
         {Case{65535, 65535, "claims 65535 x 65535 pixels"},
          Case{40000, 40000, "claims 40000 x 40000 pixels"}, Case{70000, 1, "limited to 65535"}}) {
        SCOPED_TRACE(c.words);
        std::string ihdr;
        for (uint32_t v : {c.width, c.height})
            ihdr += char(v >> 24), ihdr += char(v >> 16), ihdr += char(v >> 8), ihdr += char(v);
        ihdr += std::string("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, not interlaced
        const std::string file = std::string("\x89PNG\r\n\x1A\n", 8) + chunk("IHDR", ihdr) +
                                 chunk("IDAT", std::string("\x78\x9C\x03\x00\x00\x00\x00\x01", 8)) +
                                 chunk("IEND", "");
        std::ofstream(dir + "/claim.png", std::ios::binary) << file;
        const auto start = std::chrono::steady_clock::now();
        try {
            imgconv::readPng(dir + "/claim.png", 4, kWhite);
            ADD_FAILURE() << "read";
        } catch (const imgconv::ReadError &e) {
            EXPECT_NE(std::strstr(e.what(), c.words), nullptr) << e.what();
        }
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    }
}

}  // namespace
