// Fonts through the public API: registered, selected and drawn with every
// character of their range into the fake driver. The font is copied into a
// buffer of exactly the length its header claims (bytes 0-1, most
// significant first), so any read beyond the data the font says it has is
// caught; the glyph data itself is trusted once the header checks pass.
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "VRLib.h"
#include "fake_driver.h"

namespace {

void noKeys(uint32_t, uint32_t) {}

const VR_Colour kColours[2] = {{0, 0, 0, 0}, {0, 255, 255, 255}};
const VR_ColourTable kTable = {2, 0, kColours};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 8 || size > 0xFFFF) return 0;
    const size_t claimed = size_t(data[0]) << 8 | data[1];
    if (claimed < 7 || claimed > size) return 0;
    const std::unique_ptr<uint8_t[]> font(new uint8_t[claimed]);
    std::memcpy(font.get(), data, claimed);

    fake::reset(64, 32);
    VR_InitVRLib(noKeys);
    const uint16_t fontId = VR_RegisterFont(font.get());
    const uint16_t tableId = VR_RegisterColourTable(&kTable);
    if (VR_SetFont(fontId, tableId) == 0) {
        // Every code of the font's range, and the bytes after the font as a
        // string of their own.
        std::vector<char> text;
        for (unsigned c = font[5]; c <= font[6] && c != 0; ++c) text.push_back(char(c));
        text.push_back('\0');
        VR_Point at = {uint16_t(data[2] % 70), 4};
        VR_StringParams string = {text.data(), 0};
        VR_DrawString(&at, &string);
        std::vector<char> tail(data + claimed, data + size);
        tail.push_back('\0');
        string.text = tail.data();
        VR_DrawString(&at, &string);
        VR_Size box = {};
        VR_GetStringDimension(tail.data(), &box);
    }
    VR_DeInitVRLib();
    return 0;
}
