// Native bitmaps (code 5): the container is validated part by part, but no
// part kind is drawn, so nothing reaches the display.
#include "render.h"

namespace vr {

VR_Status drawBitmap(const VR_Point *pos, const VR_Window *win, const void *params) {
    const auto *bmp = static_cast<const VR_Bitmap *>(params);
    if (!pos || !win || !bmp) return VR_ERR_PARAM;
    if (bmp->magic[0] != 'V' || bmp->magic[1] != 'R' || !bmp->parts) return VR_ERR_FORMAT;
    VR_Status result = VR_OK;
    for (unsigned i = 0; i < bmp->partCount; ++i) {
        const VR_BitmapPart &part = bmp->parts[i];
        if (part.enabled != 1) continue;
        if (part.kind == 2)
            result = part.depth == 24 ? VR_OK : VR_ERR_FORMAT;  // 24-bit true colour: accepted
        else if (part.kind >= 1 && part.kind <= 9)
            result = VR_ERR_UNSUPPORTED;
        else
            result = VR_ERR_FORMAT;
    }
    return result;
}

}  // namespace vr
