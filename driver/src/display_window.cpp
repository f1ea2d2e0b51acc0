#include "display_window.h"

#include <cstddef>
#include <new>

namespace lumisim {

bool DisplayWindow::allocateFrameBuffer(const DisplayParams &p) {
    const size_t words = size_t(p.info.xSize) * p.info.ySize;
    // Zeroed, so a fresh panel reads black rather than leftover heap bytes.
    frameBuffer_.reset(new (std::nothrow) uint32_t[words]());
    return frameBuffer_ != nullptr;
}

}  // namespace lumisim
