// The window side without a window system: a window that is always up.
// It owns the frame buffer and the hard-key callback like the real one;
// refresh, invalidate and close are served at once.
#pragma once

#include "display_window.h"
#ifdef LUMISIM_WITH_QT
#include "frame_dump.h"  // the window side's frame dumps (LUMISIM_DUMP)
#endif

namespace lumisim {

class HeadlessWindow final : public DisplayWindow {
  public:
    ~HeadlessWindow() override = default;

    bool start(const DisplayParams &params, DDrv_HardKeyCallback hardKey,
               const std::atomic<bool> &cancelled) override;
    void refresh() override;
    void invalidate() override {}
    void close() override;

#ifdef LUMISIM_WITH_QT
  private:
    std::unique_ptr<FrameDump> dump_;  // null unless LUMISIM_DUMP is set
#endif
};

}  // namespace lumisim
