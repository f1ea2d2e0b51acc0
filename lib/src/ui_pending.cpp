// Stand-ins for the image and user-interface codes until they are built;
// each reports failure and draws nothing.
#include "render.h"

namespace vr {
VR_Status drawBitmap(const VR_Point *, const VR_Window *, const void *) { return VR_ERR_PARAM; }
VR_Status drawGimp(const VR_Point *, const VR_Window *, const void *) { return VR_ERR_PARAM; }
VR_Status drawProgressBar(const VR_Point *, const VR_Window *, const void *) { return VR_ERR_PARAM; }
VR_Status drawTextBox(const VR_Point *, const VR_Window *, const void *) { return VR_ERR_PARAM; }
}  // namespace vr
