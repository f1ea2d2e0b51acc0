// The library's whole state: a handful of process-wide variables, zero at
// load. No locks: callers serialise (one drawing thread).
#pragma once

#include <cstdint>

#include "VRLib.h"

namespace vr {

constexpr int kRegistrySlots = 10;

// The font selected by the last successful VR_SetFont, with the header
// fields and table positions decoded once so that drawing reads them
// directly. `font == nullptr` means there is no current font yet.
struct CurrentFont {
    uint16_t fontId;
    uint16_t colourTableId;
    const uint8_t *font;
    uint8_t height;
    bool runLength;  // flags bit 7: run-length glyphs, else plain
    uint8_t first;
    uint8_t last;
    const uint8_t *widths;  // width table, one byte per character
    uint8_t unit;           // run-length only: bytes per size unit
    const uint8_t *runs;    // run-length only: run lengths of codes 1..3
    const uint8_t *sizes;   // run-length only: glyph sizes in units
    const uint8_t *glyphs;  // glyph data
    const VR_Colour *colours;
};

struct State {
    int32_t updateMode;
    VR_Colour background;
    const VR_ColourTable *colourTables[kRegistrySlots];  // slot i holds id i + 1
    const VR_Font *fonts[kRegistrySlots];                // slot i holds id i + 1
    CurrentFont current;
};

// Defined in state.cpp; zero-initialised at load.
extern State g_state;

inline bool automaticUpdate() { return g_state.updateMode == VR_UPDATE_AUTO; }

}  // namespace vr
