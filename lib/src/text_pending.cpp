// Stand-ins for the text, font and colour-table operations until they are
// built; each reports failure and draws nothing.
#include "font.h"
#include "render.h"

namespace vr {
VR_Status fontHeight(uint8_t *) { return VR_ERR_FONT; }
VR_Status charAdvance(uint8_t, uint8_t *) { return VR_ERR_FONT; }
VR_Status measureText(const char *, VR_Size *) { return VR_ERR_FONT; }
VR_Status drawSymbol(const VR_Point *, const VR_Window *, const void *) { return VR_ERR_PARAM; }
VR_Status drawString(const VR_Point *, const VR_Window *, void *) { return VR_ERR_PARAM; }
VR_Status drawStringSized(const VR_Point *, const VR_Window *, const void *) { return VR_ERR_PARAM; }
}  // namespace vr

extern "C" {
VR_API VR_Status VR_GetStringDimension(const char *, VR_Size *) { return VR_ERR_PARAM; }
VR_API uint16_t VR_RegisterFont(const VR_Font *) { return 0; }
VR_API VR_Status VR_UnregisterFont(uint16_t) { return VR_ERR_NOT_REGISTERED; }
VR_API VR_Status VR_SetFont(uint16_t, uint16_t) { return VR_ERR_COLOUR_TABLE; }
VR_API VR_Status VR_GetFont(uint16_t *, uint16_t *) { return VR_ERR_PARAM; }
VR_API uint16_t VR_RegisterColourTable(const VR_ColourTable *) { return 0; }
VR_API VR_Status VR_UnregisterColourTable(uint16_t) { return VR_ERR_NOT_REGISTERED; }
VR_API VR_Status VR_Convert888To565(const VR_Colour *, VR_Colour *) { return VR_ERR_PARAM; }
}
