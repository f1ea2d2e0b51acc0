// Delivery of hard-key events to the application's callback on a thread
// of the driver's own: never the GUI thread, so the callback may draw and
// refresh, and never two calls at a time. Events come from the window, the
// scenario player and DDrv_InjectHardKey, from any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

#include "DDrv.h"

namespace lumisim {

class KeyDelivery {
  public:
    // Presses waiting beyond this many are dropped: a slow callback delays
    // later keys but cannot make the queue grow without bound.
    static constexpr size_t kDefaultCapacity = 64;

    explicit KeyDelivery(size_t capacity = kDefaultCapacity);
    ~KeyDelivery();
    KeyDelivery(const KeyDelivery &) = delete;
    KeyDelivery &operator=(const KeyDelivery &) = delete;

    // The callback for the next event to be delivered; returns the old one.
    DDrv_HardKeyCallback swapCallback(DDrv_HardKeyCallback callback);

    enum class Posted { Queued, Ignored, Dropped };
    // Queues a press or release. A press of a key already down and a
    // release of a key that is up are ignored (no auto-repeat, and every
    // delivered press gets exactly one release). A press finding the queue
    // full is dropped, with one warning on standard error per delivery;
    // a release is never dropped. After stop() everything is ignored.
    Posted post(uint32_t key, bool pressed);

    // Ends delivery: waits for a running callback to return, drops queued
    // presses with their releases, delivers a release for every key whose
    // press was delivered, then ends the thread. Called from inside the
    // callback it cannot wait and drops everything still queued.
    void stop();

  private:
    struct Shared;
    static void run(const std::shared_ptr<Shared> &shared);

    std::shared_ptr<Shared> shared_;
};

}  // namespace lumisim
