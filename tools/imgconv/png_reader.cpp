#include "png_reader.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace imgconv {

namespace {

struct FileCloser {
    void operator()(std::FILE *f) const { std::fclose(f); }
};

struct ImageFree {
    void operator()(png_image *img) const { png_image_free(img); }
};

}  // namespace

Image readPng(const std::string &path, int bytesPerPixel, const uint8_t background[3]) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) throw ReadError("cannot open " + path + ": " + std::strerror(errno));
    png_image img;
    std::memset(&img, 0, sizeof img);
    img.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_stdio(&img, file.get())) {
        throw ReadError(path + " is not a readable PNG image (" + img.message + ")");
    }
    std::unique_ptr<png_image, ImageFree> guard(&img);
    if (img.width > 0xFFFF || img.height > 0xFFFF) {
        throw ReadError(path + " is " + std::to_string(img.width) + " x " + std::to_string(img.height) +
                        " pixels; images are limited to 65535 x 65535");
    }
    img.format = bytesPerPixel == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    Image out;
    out.width = int(img.width);
    out.height = int(img.height);
    out.bytesPerPixel = bytesPerPixel;
    out.pixels.resize(PNG_IMAGE_SIZE(img));
    png_color bg{background[0], background[1], background[2]};
    if (!png_image_finish_read(&img, &bg, out.pixels.data(), 0, nullptr)) {
        throw ReadError(path + " is not a readable PNG image (" + img.message + ")");
    }
    return out;
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
