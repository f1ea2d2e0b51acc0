#include "headless_window.h"

namespace lumisim {

// Up at once: there is nothing to wait for, so nothing to cancel.
bool HeadlessWindow::start(const DisplayParams &params, DDrv_HardKeyCallback hardKey,
                           const std::atomic<bool> &) {
    if (!allocateFrameBuffer(params)) return false;
    keys_.swapCallback(hardKey);
    up_.store(true, std::memory_order_release);
#ifdef LUMISIM_WITH_QT
    dump_ = FrameDump::fromEnvironment(params.info.xSize, params.info.ySize);
#endif
    return true;
}

void HeadlessWindow::refresh() {
#ifdef LUMISIM_WITH_QT
    if (dump_) dump_->writePanel(frameBuffer());
#endif
}

void HeadlessWindow::close() { up_.store(false, std::memory_order_release); }

}  // namespace lumisim
