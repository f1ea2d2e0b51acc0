// The panel's controls: backlight, contrast and brightness.
#include <cstring>

#include "clause.h"

namespace drvcheck {

namespace {

uint32_t backlightWord(uint8_t keep, uint8_t level) {
    const uint8_t bytes[4] = {keep, level, level, level};
    uint32_t w;
    std::memcpy(&w, bytes, 4);
    return w;
}

uint8_t byteOf(uint32_t w, int i) { return uint8_t(w >> (8 * i)); }

void backlight(const DriverApi &d, const CheckOptions &) {
    bindDriver(d);
    VR_Status s = d.GetBL(nullptr);
    expect(s == VR_ERR_DRIVER, "DDrv_GetBL(null) returned %u, expected 258", unsigned(s));
    for (const uint8_t level : {uint8_t(0x80), uint8_t(0x00), uint8_t(0xFF)}) {
        const VR_Status set = d.SetBL(backlightWord(0, level));
        expect(set == VR_OK || set == VR_ERR_DRIVER_UNSUPPORTED,
               "DDrv_SetBL returned %u, expected 0 or 260 (not supported)", unsigned(set));
        uint32_t read = backlightWord(0xAA, 0x55);
        s = d.GetBL(&read);
        expect(s == VR_OK, "DDrv_GetBL returned %u, expected 0", unsigned(s));
        expect(byteOf(read, 0) == 0xAA,
               "DDrv_GetBL changed byte 0 of the record (%#04x), which is the caller's", byteOf(read, 0));
        if (set == VR_OK)
            expect(byteOf(read, 1) == level && byteOf(read, 2) == level && byteOf(read, 3) == level,
                   "backlight set to level %#04x in bytes 1 to 3, read back %02x %02x %02x", level,
                   byteOf(read, 1), byteOf(read, 2), byteOf(read, 3));
    }
    d.DeInitDriver();
}

// Set a then b: a panel with the control reads them back, one without it
// accepts both and reads 0.
void roundTripLevel(const char *what, decltype(&DDrv_SetDisplayContrast) set,
                    decltype(&DDrv_GetDisplayContrast) get) {
    VR_Status s = get(nullptr);
    expect(s == VR_ERR_DRIVER, "reading the %s into null returned %u, expected 258", what, unsigned(s));
    uint8_t read[2] = {0xEE, 0xEE};
    const uint8_t values[2] = {0x5A, 0xA5};
    for (int i = 0; i < 2; ++i) {
        s = set(values[i]);
        expect(s == VR_OK, "setting the %s to %u returned %u, expected 0", what, values[i], unsigned(s));
        s = get(&read[i]);
        expect(s == VR_OK, "reading the %s returned %u, expected 0", what, unsigned(s));
    }
    const bool kept = read[0] == values[0] && read[1] == values[1];
    const bool none = read[0] == 0 && read[1] == 0;
    expect(kept || none,
           "the %s set to %u and %u read back as %u and %u: neither the values set nor 0 (no control)", what,
           values[0], values[1], read[0], read[1]);
}

void contrastBrightness(const DriverApi &d, const CheckOptions &) {
    bindDriver(d);
    roundTripLevel("contrast", d.SetDisplayContrast, d.GetDisplayContrast);
    roundTripLevel("brightness", d.SetDisplayBrightness, d.GetDisplayBrightness);
    d.DeInitDriver();
}

}  // namespace

void addControlClauses(std::vector<Clause> &out) {
    out.push_back({"backlight",
                   "setting the backlight returns 0 or 260 (not supported); reading it returns 0, keeps "
                   "byte 0 of the record, and after a successful set gives the level back in bytes 1 "
                   "to 3; reading into null gives 258",
                   backlight});
    out.push_back({"contrast-brightness",
                   "contrast and brightness accept 0..255 with 0 and read back the value set, "
                   "or 0 on a panel without the control; reading into null gives 258",
                   contrastBrightness});
}

}  // namespace drvcheck
