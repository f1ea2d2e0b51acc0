// The colour-table registry as the rest of the library sees it.
#pragma once

#include <cstdint>

#include "VRLib.h"

namespace vr {

// The table registered under id, or null when no slot holds it (id 0 and
// ids above 10 never match).
const VR_ColourTable *findColourTable(uint16_t id);

}  // namespace vr
