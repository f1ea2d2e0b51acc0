#include "colour_tables.h"

namespace demoria {

namespace {
// Entry 0 is the paper, entry 1 the ink.
const VR_Colour kWhiteOnBlackColours[2] = {{0, 0, 0, 0}, {0, 255, 255, 255}};
const VR_Colour kBlackOnWhiteColours[2] = {{0, 255, 255, 255}, {0, 0, 0, 0}};
}  // namespace

const VR_ColourTable kWhiteOnBlack = {2, 0, kWhiteOnBlackColours};
const VR_ColourTable kBlackOnWhite = {2, 0, kBlackOnWhiteColours};

}  // namespace demoria
