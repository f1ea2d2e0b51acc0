// The demo's two colour tables, registered in this order (ids 1 and 2).
#pragma once

#include "VRLib.h"

namespace demoria {

extern const VR_ColourTable kWhiteOnBlack;  // id 1: all text of the demo
extern const VR_ColourTable kBlackOnWhite;  // id 2: registered only

}  // namespace demoria
