// The display-window operations that the driver logic needs of its window
// side: start, refresh, invalidate, close, destroy (the destructor), pixel
// access through the frame buffer, and the hard-key callback swap. A
// headless implementation stands in where no window system is available.
// Every display object delivers hard keys (from its window, a scenario or
// DDrv_InjectHardKey) on a thread of its own.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "DDrv.h"
#include "key_delivery.h"
#include "scenario_player.h"

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

// The frame buffer is allocated with calloc (see allocateFrameBuffer).
struct FreeFrameBuffer {
    void operator()(uint32_t *words) const;
};

// The display object: owns the frame buffer (XSize x YSize colour words),
// the hard-key callback with its delivery, and a scenario being replayed.
// Destroying it frees them all.
class DisplayWindow {
  public:
    virtual ~DisplayWindow() = default;

    // Brings the window up with a copy of the parameters: allocates the
    // frame buffer and stores the hard-key callback. Returns true once the
    // window is up (frameBuffer() valid), false if it cannot come up (the
    // window has reported why) or `cancelled` was set meanwhile, from
    // another thread (the start then gives up promptly, also while its
    // message is on screen).
    virtual bool start(const DisplayParams &params, DDrv_HardKeyCallback hardKey,
                       const std::atomic<bool> &cancelled) = 0;
    // Synchronous: returns after the whole frame buffer has been composed
    // and shown.
    virtual void refresh() = 0;
    // Asynchronous repaint request; never blocks and shows no new pixels.
    virtual void invalidate() = 0;
    // Synchronous: ends the window; afterwards the window side no longer
    // touches the frame buffer.
    virtual void close() = 0;

    uint32_t *frameBuffer() const { return frameBuffer_.get(); }
    DDrv_HardKeyCallback swapHardKey(DDrv_HardKeyCallback cb) { return keys_.swapCallback(cb); }
    bool isUp() const { return up_.load(std::memory_order_acquire); }
    KeyDelivery &keys() { return keys_; }

    // Replays the scenario once the window is up.
    void play(std::vector<ScenarioStep> steps) {
        player_ = std::make_unique<ScenarioPlayer>(std::move(steps), keys_);
    }
    // Called after every refresh the application asked for.
    void refreshed() {
        if (player_) player_->refreshed();
    }
    // Ends the replay and the key delivery (waiting for a running
    // callback); the window stays up, so a callback may refresh meanwhile.
    void stopInput() {
        if (player_) player_->stop();
        keys_.stop();
    }

  protected:
    // Allocates XSize x YSize words, zeroed; false, with a message on
    // standard error, when memory is short.
    bool allocateFrameBuffer(const DisplayParams &p);

    std::unique_ptr<uint32_t[], FreeFrameBuffer> frameBuffer_;
    std::atomic<bool> up_{false};  // the window-up flag
    KeyDelivery keys_;
    std::unique_ptr<ScenarioPlayer> player_;  // posts into keys_, so goes first
};

// The window side to use: headless with LUMISIM_HEADLESS=1 or without any
// display, else the real window.
std::unique_ptr<DisplayWindow> createDisplayWindow();

}  // namespace lumisim
