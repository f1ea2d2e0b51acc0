#include "headless_window.h"

namespace lumisim {

bool HeadlessWindow::start(const DisplayParams &params, DDrv_HardKeyCallback hardKey) {
    if (!allocateFrameBuffer(params)) return false;
    hardKey_.store(hardKey);
    up_.store(true, std::memory_order_release);
    return true;
}

void HeadlessWindow::close() { up_.store(false, std::memory_order_release); }

}  // namespace lumisim
