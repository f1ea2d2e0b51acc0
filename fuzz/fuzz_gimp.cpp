// GIMP images through the public API into the fake driver. The pixel data
// is copied into a buffer of exactly the size the header implies: width x
// height pixels for raw rows, and for run-length data the packets that
// cover width x height pixels (what the library trusts), so any read
// beyond them is caught.
#include <cstdint>
#include <cstring>
#include <memory>

#include "VRLib.h"
#include "fake_driver.h"

namespace {

void noKeys(uint32_t, uint32_t) {}

// Bytes of the packets that cover `pixels` within the data; 0 when the
// data ends first.
size_t packetBytes(const uint8_t *data, size_t size, size_t pixels, size_t bpp) {
    size_t at = 0, placed = 0;
    while (placed < pixels) {
        if (at >= size) return 0;
        const uint8_t n = data[at++];
        size_t count = n & 0x7F;
        if (count == 0) count = 256;
        const size_t bytes = (n & 0x80) ? bpp : count * bpp;
        if (size - at < bytes) return 0;
        at += bytes;
        placed += count;
    }
    return at;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    constexpr size_t kHeader = 10;
    if (size < kHeader) return 0;
    VR_GIMPBitmap image = {};
    image.magic[0] = 'G';
    image.magic[1] = 'M';
    image.encoding = data[0] & 1;
    image.bytesPerPixel = (data[0] & 2) ? 4 : 3;
    image.width = data[1] % 80;
    image.height = data[2] % 60;
    const bool keyed = data[0] & 4;
    image.keyColour = keyed ? VR_Colour{0, data[3], data[4], data[5]} : VR_Colour{0xFF, 0xFF, 0xFF, 0xFF};
    const VR_Point at = {uint16_t(data[6] | (data[7] & 0x80 ? 0xFF00 : 0)), uint16_t(data[8] % 64)};

    const uint8_t *pixels = data + kHeader;
    const size_t available = size - kHeader;
    const size_t count = size_t(image.width) * image.height;
    const size_t bytes = image.encoding ? packetBytes(pixels, available, count, image.bytesPerPixel)
                                        : count * image.bytesPerPixel;
    if (bytes > available || (image.encoding && count > 0 && bytes == 0)) return 0;
    const std::unique_ptr<uint8_t[]> copy(new uint8_t[bytes + 1]);
    std::memcpy(copy.get(), pixels, bytes);
    image.data = copy.get();

    fake::reset(64, 48);
    VR_InitVRLib(noKeys);
    const VR_Point origin = {uint16_t(data[9] % 16), uint16_t(data[9] / 16)};
    const VR_Size window = {48, 40};
    VR_SetActiveWindow(&origin, &window);
    VR_DrawGIMPBitmap(&at, &image);
    VR_DeInitVRLib();
    return 0;
}
