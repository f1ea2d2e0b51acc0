// The drawing operations: each is one graphic function through the driver,
// which hands it back to StdGraphicFunctions with its active window.
#include "DDrv.h"
#include "VRLib.h"

namespace {
// The driver passes records through unread and the renderer only reads
// them, so handing it a caller's const record is safe.
inline void *record(const void *p) { return const_cast<void *>(p); }
}  // namespace

extern "C" {

VR_API VR_Status VR_DrawRect(const VR_Point *position, const VR_RectParams *rect) {
    return DDrv_GraphicFunction(VR_GF_RECT, position, record(rect));
}

VR_API VR_Status VR_DrawLine(const VR_LineParams *line) {
    return DDrv_GraphicFunction(VR_GF_LINE, nullptr, record(line));
}

VR_API VR_Status VR_DrawCircle(const VR_Point *centre, const VR_CircleParams *circle) {
    return DDrv_GraphicFunction(VR_GF_CIRCLE, centre, record(circle));
}

VR_API VR_Status VR_DrawSymbol(const VR_Point *position, uint8_t symbol) {
    uint8_t byte = symbol;
    return DDrv_GraphicFunction(VR_GF_SYMBOL, position, &byte);
}

VR_API VR_Status VR_DrawBitmap(const VR_Point *position, const VR_Bitmap *bitmap) {
    return DDrv_GraphicFunction(VR_GF_BITMAP, position, record(bitmap));
}

VR_API VR_Status VR_DrawGIMPBitmap(const VR_Point *position, const VR_GIMPBitmap *image) {
    return DDrv_GraphicFunction(VR_GF_GIMP, position, record(image));
}

// The string drawing advances string->text, so this record is the caller's
// to change.
VR_API VR_Status VR_DrawString(const VR_Point *position, VR_StringParams *string) {
    return DDrv_GraphicFunction(VR_GF_STRING, position, string);
}

VR_API VR_Status VR_DrawStringSized(const VR_Point *position, const char *text, uint16_t maxWidth,
                                    const char *suffix) {
    VR_StringSizedParams params{text, maxWidth, 0, suffix};
    return DDrv_GraphicFunction(VR_GF_STRING_SIZED, position, &params);
}

VR_API VR_Status VR_DrawProgressBar(const VR_Point *position, const VR_ProgressBarParams *bar) {
    return DDrv_GraphicFunction(VR_GF_PROGRESS_BAR, position, record(bar));
}

VR_API VR_Status VR_DrawTextBox(const VR_Point *position, const VR_TextBoxParams *box) {
    return DDrv_GraphicFunction(VR_GF_TEXT_BOX, position, record(box));
}

}  // extern "C"
