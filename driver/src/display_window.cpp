#include "display_window.h"

#include <cstdio>
#include <cstdlib>

namespace lumisim {

void FreeFrameBuffer::operator()(uint32_t *words) const { std::free(words); }

bool DisplayWindow::allocateFrameBuffer(const DisplayParams &p) {
    const size_t words = size_t(p.info.xSize) * p.info.ySize;
    // calloc, not new[]() : a large block comes straight from the kernel as
    // zero pages that are mapped only when first drawn into, so a huge panel
    // costs neither start-up time nor memory for pixels nobody draws. A
    // fresh panel reads black rather than leftover heap bytes.
    frameBuffer_.reset(static_cast<uint32_t *>(std::calloc(words, sizeof(uint32_t))));
    if (!frameBuffer_) {
        std::fprintf(stderr,
                     "DDrv_Lumisim: Zu wenig Speicher für den Bildspeicher (%u x %u Pixel, %zu Bytes)!\n",
                     unsigned(p.info.xSize), unsigned(p.info.ySize), words * sizeof(uint32_t));
    }
    return frameBuffer_ != nullptr;
}

}  // namespace lumisim
