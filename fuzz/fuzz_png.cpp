// vr_imgconv's PNG reading on any bytes: a readable image or a ReadError,
// in bounded memory, never a crash.
#include <cstdint>

#include "png_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const uint8_t kWhite[3] = {0xFF, 0xFF, 0xFF};
    for (int bpp : {3, 4}) {
        try {
            const imgconv::Image image = imgconv::decodePng(data, size, "input", bpp, kWhite);
            if (image.pixels.size() != size_t(image.width) * image.height * size_t(bpp)) __builtin_trap();
        } catch (const imgconv::ReadError &) {
        }
    }
    return 0;
}
