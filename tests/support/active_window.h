// Sets the active window for a library test on the recording fake driver.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "VRLib.h"
#include "fake_driver.h"

namespace vrtest {

// Makes (x, y, w, h) the active window and forgets the calls that did it,
// so that the call log holds only what the test draws next.
inline void setWindow(uint16_t x, uint16_t y, uint16_t w, uint16_t h) {
    const VR_Point origin{x, y};
    const VR_Size size{w, h};
    ASSERT_EQ(VR_SetActiveWindow(&origin, &size), VR_OK);
    fake::clearCalls();
}

}  // namespace vrtest
