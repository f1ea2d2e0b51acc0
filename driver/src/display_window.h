// The display-window operations that the driver logic needs of its window
// side: start, refresh, invalidate, close, destroy (the destructor), pixel
// access through the frame buffer, and the hard-key callback swap. A
// headless implementation stands in where no window system is available.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "DDrv.h"

namespace lumisim {

// The 24-byte display parameters: the panel's place in the board picture,
// then exactly the display-info record.
struct DisplayParams {
    uint16_t xPosDisplay;
    uint16_t yPosDisplay;
    VR_DisplayInfo info;
};
static_assert(sizeof(DisplayParams) == 24);
static_assert(offsetof(DisplayParams, info) == 4);

// The display object: owns the frame buffer (XSize x YSize colour words)
// and the hard-key callback. Destroying it frees both.
class DisplayWindow {
  public:
    virtual ~DisplayWindow() = default;

    // Brings the window up with a copy of the parameters: allocates the
    // frame buffer and stores the hard-key callback. Returns true once the
    // window is up (frameBuffer() valid), false if it cannot come up (the
    // window has reported why).
    virtual bool start(const DisplayParams &params, DDrv_HardKeyCallback hardKey) = 0;
    // Synchronous: returns after the whole frame buffer has been composed
    // and shown.
    virtual void refresh() = 0;
    // Asynchronous repaint request; never blocks and shows no new pixels.
    virtual void invalidate() = 0;
    // Synchronous: ends the window; afterwards the window side no longer
    // touches the frame buffer.
    virtual void close() = 0;

    uint32_t *frameBuffer() const { return frameBuffer_.get(); }
    DDrv_HardKeyCallback swapHardKey(DDrv_HardKeyCallback cb) { return hardKey_.exchange(cb); }
    bool isUp() const { return up_.load(std::memory_order_acquire); }

  protected:
    // Allocates XSize x YSize words, zeroed; false when memory is short.
    bool allocateFrameBuffer(const DisplayParams &p);

    std::unique_ptr<uint32_t[]> frameBuffer_;
    std::atomic<DDrv_HardKeyCallback> hardKey_{nullptr};
    std::atomic<bool> up_{false};  // the window-up flag
};

// The window side to use: headless with LUMISIM_HEADLESS=1 or without any
// display, else the real window.
std::unique_ptr<DisplayWindow> createDisplayWindow();

}  // namespace lumisim
