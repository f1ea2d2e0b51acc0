// The software renderer's entry: the driver calls it back with its active
// window for every graphic function.
//
// A microcontroller build may leave parts out (VR_WITHOUT_TEXT,
// VR_WITHOUT_TEXT_BOX, VR_WITHOUT_PROGRESS_BAR, VR_WITHOUT_IMAGES): their
// codes then answer VR_ERR_CODE like any unknown code, and nothing here
// pulls their code into the image.
#include "render.h"

extern "C" VR_API VR_Status StdGraphicFunctions(uint32_t code, const VR_Point *position,
                                                const VR_Window *window, void *params) {
    using namespace vr;
    switch (code) {
        case VR_GF_RECT:
            return drawRect(position, window, params);
        case VR_GF_LINE:
            return drawLine(position, window, params);
        case VR_GF_CIRCLE:
            return drawCircle(position, window, params);
        case VR_GF_CLEAR:
            return clearWindow(window, params);
#ifndef VR_WITHOUT_TEXT
        case VR_GF_SYMBOL:
            return drawSymbol(position, window, params);
        case VR_GF_STRING:
            return drawString(position, window, params);
        case VR_GF_STRING_SIZED:
            return drawStringSized(position, window, params);
#endif
#ifndef VR_WITHOUT_IMAGES
        case VR_GF_BITMAP:
            return drawBitmap(position, window, params);
        case VR_GF_GIMP:
            return drawGimp(position, window, params);
#endif
#ifndef VR_WITHOUT_PROGRESS_BAR
        case VR_GF_PROGRESS_BAR:
            return drawProgressBar(position, window, params);
#endif
#ifndef VR_WITHOUT_TEXT_BOX
        case VR_GF_TEXT_BOX:
            return drawTextBox(position, window, params);
#endif
        default:
            return VR_ERR_CODE;
    }
}
