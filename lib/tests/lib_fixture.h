// Library tests run against the recording fake driver: every test starts
// with a fresh 320 x 240 fake display and an initialised library.
#pragma once

#include <gtest/gtest.h>

#include <cstring>

#include "VRLib.h"
#include "fake_driver.h"

inline void ignoreHardKey(uint32_t, uint32_t) {}

inline VR_Colour rgb(uint8_t r, uint8_t g, uint8_t b) { return VR_Colour{0, r, g, b}; }
inline uint32_t word(VR_Colour c) { return fake::word(c); }

class LibTest : public ::testing::Test {
  protected:
    void SetUp() override {
        fake::reset(320, 240);
        ASSERT_EQ(VR_InitVRLib(ignoreHardKey), VR_OK);
        fake::clearCalls();
    }
};
