#include "png_reader.h"

#include <png.h>

#include <cerrno>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace imgconv {

namespace {

// Deflate expands one byte to at most 1032; a PNG row holds at most eight
// pixels per byte. So a file of n bytes cannot hold more pixels than this
// many times n, whatever its header claims.
constexpr uint64_t kMaxPixelsPerFileByte = 8 * 1032;
// The decoded RGBA pixels must be addressable in 32 bits: the device's
// address space, and the most libpng's row arithmetic carries.
constexpr uint64_t kMaxDecodedBytes = 0xFFFFFFFFu;

struct Source {
    const uint8_t *data;
    size_t size;
    size_t at = 0;
};

struct Failure {
    char message[200] = "";
};

void onError(png_structp png, png_const_charp message) {
    auto *failure = static_cast<Failure *>(png_get_error_ptr(png));
    std::snprintf(failure->message, sizeof failure->message, "%s", message);
    png_longjmp(png, 1);
}

void onWarning(png_structp, png_const_charp) {}

void readBytes(png_structp png, png_bytep out, png_size_t count) {
    auto *source = static_cast<Source *>(png_get_io_ptr(png));
    if (source->size - source->at < count) png_error(png, "the file ends early");
    std::memcpy(out, source->data + source->at, count);
    source->at += count;
}

// Blends over the background with the library's run-time rule: in the
// stored (sRGB) values, (src * a + bg * (255 - a)) / 255, rounded.
uint8_t blend(uint8_t src, uint8_t alpha, uint8_t bg) {
    return uint8_t((src * alpha + bg * (255 - alpha) + 127) / 255);
}

}  // namespace

Image decodePng(const uint8_t *data, size_t size, const std::string &name, int bytesPerPixel,
                const uint8_t background[3]) {
    Failure failure;
    Source source{data, size};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &failure, onError, onWarning);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        throw ReadError("out of memory reading " + name);
    }
    std::vector<uint8_t> rgba;
    std::vector<png_bytep> rows;
    // libpng reports errors by a long jump back here; nothing between
    // holds a destructor that the jump would skip.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw ReadError(name + " is not a readable PNG image (" + failure.message + ")");
    }
    png_set_read_fn(png, &source, readBytes);
    png_read_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    const png_uint_32 height = png_get_image_height(png, info);
    const uint64_t pixels = uint64_t(width) * height;
    if (width > 0xFFFF || height > 0xFFFF) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw ReadError(name + " is " + std::to_string(width) + " x " + std::to_string(height) +
                        " pixels; images are limited to 65535 x 65535");
    }
    if (pixels * 4 > kMaxDecodedBytes || pixels > uint64_t(size) * kMaxPixelsPerFileByte) {
        png_destroy_read_struct(&png, &info, nullptr);
        throw ReadError(name + " claims " + std::to_string(width) + " x " + std::to_string(height) +
                        " pixels, more than its " + std::to_string(size) + " bytes can hold");
    }
    // Every sample as stored, taken as sRGB and brought to 8-bit RGBA:
    // 16-bit samples are scaled with rounding, never read as linear light,
    // and no gamma is applied.
    png_set_scale_16(png);
    png_set_palette_to_rgb(png);
    png_set_expand_gray_1_2_4_to_8(png);
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    png_set_gray_to_rgb(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != size_t(width) * 4) png_error(png, "unexpected row layout");
    rgba.resize(size_t(pixels) * 4);
    rows.resize(height);
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = rgba.data() + size_t(y) * width * 4;
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);

    Image out;
    out.width = int(width);
    out.height = int(height);
    out.bytesPerPixel = bytesPerPixel;
    if (bytesPerPixel == 4) {
        out.pixels = std::move(rgba);
        return out;
    }
    out.pixels.resize(size_t(pixels) * 3);
    for (size_t i = 0; i < pixels; ++i) {
        const uint8_t *p = &rgba[i * 4];
        for (int k = 0; k < 3; ++k) out.pixels[i * 3 + k] = blend(p[k], p[3], background[k]);
    }
    return out;
}

Image readPng(const std::string &path, int bytesPerPixel, const uint8_t background[3]) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw ReadError("cannot open " + path + ": " + std::strerror(errno));
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                     std::istreambuf_iterator<char>());
    if (file.bad()) throw ReadError("cannot read " + path + ": " + std::strerror(errno));
    return decodePng(bytes.data(), bytes.size(), path, bytesPerPixel, background);
}

void writePng(const std::string &path, const Image &image) {
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    img.width = png_uint_32(image.width);
    img.height = png_uint_32(image.height);
    img.format = image.bytesPerPixel == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&img, path.c_str(), 0, image.pixels.data(), 0, nullptr)) {
        std::string why = img.message;
        png_image_free(&img);
        throw ReadError("cannot write " + path + " (" + why + ")");
    }
}

}  // namespace imgconv
