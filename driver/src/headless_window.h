// The window side without a window system: a window that is always up.
// It owns the frame buffer and the hard-key callback like the real one;
// refresh, invalidate and close are served at once.
#pragma once

#include "display_window.h"

namespace lumisim {

class HeadlessWindow final : public DisplayWindow {
  public:
    ~HeadlessWindow() override = default;

    bool start(const DisplayParams &params, DDrv_HardKeyCallback hardKey) override;
    void refresh() override {}
    void invalidate() override {}
    void close() override;
};

}  // namespace lumisim
