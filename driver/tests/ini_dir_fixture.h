// Driver tests run in a fresh temporary directory each, so that each one
// writes the Lumisim.ini it needs (or none) next to itself.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "DDrv.h"
#include "temp_folder.h"

class IniDirTest : public ::testing::Test {
  protected:
    void TearDown() override { DDrv_DeInitDriver(); }  // before the folder goes

    // Writes the INI file byte for byte (CRLF, BOM and garbage survive).
    static void writeIni(std::string_view bytes) {
        std::ofstream out("Lumisim.ini", std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }

    vrtest::TempFolder folder_{"lumisim", vrtest::TempFolder::Enter::Yes};
};

// Distinct hard-key callbacks: each body stores into its own slot, so no
// two can be folded into one address.
inline uint32_t g_lastKey[8];
template <int N>
void hardKey(uint32_t key, uint32_t pressed) {
    g_lastKey[N] = key + pressed;
}

inline VR_Point pt(uint16_t x, uint16_t y) { return VR_Point{x, y}; }
inline VR_Colour colourOf(uint32_t word) {
    VR_Colour c;
    static_assert(sizeof c == sizeof word);
    std::memcpy(&c, &word, sizeof c);
    return c;
}
inline uint32_t wordOf(VR_Colour c) {
    uint32_t w;
    std::memcpy(&w, &c, sizeof w);
    return w;
}
