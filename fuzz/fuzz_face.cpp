// vr_fontconv's face loading and rendering on any bytes, through FreeType
// from memory: glyphs of the height asked for, or a RasterError.
#include "face_request.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size < 2) return 0;
    const fontconv::RasterRequest request = faceRequest(data, size);
    try {
        const fontconv::RasterResult result = fontconv::rasterise(request);
        for (const fontconv::Glyph &g : result.glyphs.glyphs)
            if (g.ink.size() != size_t(g.width) * size_t(request.height)) __builtin_trap();
    } catch (const fontconv::RasterError &) {
    }
    return 0;
}
