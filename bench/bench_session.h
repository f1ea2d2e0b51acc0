// One library start for the whole benchmark binary, headless, in update
// mode 1 (no refresh is counted), with a 320 x 240 floor beside it. Every
// start empties the font and colour-table registries, so the benchmark files
// share this one instead of each starting the library again.
#pragma once

#include <cstdlib>

#include "VRLib.h"
#include "floor.h"

inline bool benchSession() {
    static const bool ok = [] {
        setenv("LUMISIM_HEADLESS", "1", 1);
        floor_init(320, 240);
        return VR_InitVRLib([](uint32_t, uint32_t) {}) == VR_OK &&
               VR_SetUpdateMode(VR_UPDATE_MANUAL) == VR_OK;
    }();
    return ok;
}
