// Colour tables (ten caller-owned tables under ids 1..10) and the one
// colour conversion the library exports. The renderer never interprets a
// colour; only text reads a table (entry 0 paper, entry 1 ink).
#include "colour.h"

#include "state.h"

namespace vr {

const VR_ColourTable *findColourTable(uint16_t id) {
    if (id == 0 || id > kRegistrySlots) return nullptr;
    return g_state.colourTables[id - 1];
}

}  // namespace vr

using vr::g_state;
using vr::kRegistrySlots;

extern "C" {

VR_API VR_Status VR_Convert888To565(const VR_Colour *in, VR_Colour *out) {
    if (!in || !out) return VR_ERR_PARAM;
    // Read all three channels before writing: in and out may be one record.
    const uint8_t r = in->red, g = in->green, b = in->blue;
    out->red = uint8_t(r >> 3);
    out->green = uint8_t(g >> 2);
    out->blue = uint8_t(b >> 3);
    return VR_OK;
}

VR_API uint16_t VR_RegisterColourTable(const VR_ColourTable *table) {
    if (!table) return 0;
    for (int slot = 0; slot < kRegistrySlots; ++slot) {
        if (!g_state.colourTables[slot]) {
            g_state.colourTables[slot] = table;
            return uint16_t(slot + 1);
        }
    }
    return 0;
}

// Id 0 names no table, so it is never "unregistered" successfully, however
// many slots happen to be free. The current selection keeps its colours.
VR_API VR_Status VR_UnregisterColourTable(uint16_t id) {
    if (!vr::findColourTable(id)) return VR_ERR_NOT_REGISTERED;
    g_state.colourTables[id - 1] = nullptr;
    return VR_OK;
}

}  // extern "C"
