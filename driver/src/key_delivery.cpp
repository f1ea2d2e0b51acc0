#include "key_delivery.h"

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <deque>
#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "driver_thread.h"

namespace lumisim {

struct KeyDelivery::Shared {
    struct Event {
        uint32_t key;
        bool pressed;
    };

    explicit Shared(size_t cap) : capacity(cap) {}

    const size_t capacity;
    std::atomic<DDrv_HardKeyCallback> callback{nullptr};

    std::mutex mutex;
    std::condition_variable wake;  // the thread: an event or the stop
    std::deque<Event> queue;       // guarded by mutex, as is all below
    size_t queuedPresses = 0;
    // Keys whose last accepted event was a press (queued or delivered).
    std::unordered_map<uint32_t, bool> down;
    bool stopping = false;
    bool warned = false;
    std::thread thread;
    std::thread::id threadId;
};

KeyDelivery::KeyDelivery(size_t capacity) : shared_(std::make_shared<Shared>(capacity)) {}

KeyDelivery::~KeyDelivery() { stop(); }

DDrv_HardKeyCallback KeyDelivery::swapCallback(DDrv_HardKeyCallback callback) {
    return shared_->callback.exchange(callback);
}

KeyDelivery::Posted KeyDelivery::post(uint32_t key, bool pressed) {
    Shared &s = *shared_;
    std::lock_guard lock(s.mutex);
    if (s.stopping) return Posted::Ignored;
    bool &isDown = s.down[key];
    if (isDown == pressed) return Posted::Ignored;
    if (pressed && s.queuedPresses >= s.capacity) {
        if (!s.warned) {
            s.warned = true;
            std::fprintf(stderr,
                         "DDrv_Lumisim: the hard-key callback falls behind; key presses beyond %zu waiting "
                         "are dropped\n",
                         s.capacity);
        }
        return Posted::Dropped;
    }
    isDown = pressed;
    s.queue.push_back({key, pressed});
    s.queuedPresses += pressed;
    if (!s.thread.joinable()) {
        s.thread = std::thread(run, shared_);
        s.threadId = s.thread.get_id();
    }
    s.wake.notify_one();
    return Posted::Queued;
}

void KeyDelivery::run(const std::shared_ptr<Shared> &shared) {
    becomeDriverThread("lumisim-keys");
    Shared &s = *shared;
    std::unique_lock lock(s.mutex);
    for (;;) {
        s.wake.wait(lock, [&] { return !s.queue.empty() || s.stopping; });
        if (s.queue.empty()) break;
        const Shared::Event event = s.queue.front();
        s.queue.pop_front();
        s.queuedPresses -= event.pressed;
        lock.unlock();
        // Read per event: a swapped callback takes over with the next one.
        if (const DDrv_HardKeyCallback callback = s.callback.load())
            callback(event.key, event.pressed ? 1 : 0);
        lock.lock();
    }
}

void KeyDelivery::stop() {
    Shared &s = *shared_;
    std::unique_lock lock(s.mutex);
    if (s.stopping) return;
    s.stopping = true;
    if (!s.thread.joinable()) return;
    if (std::this_thread::get_id() == s.threadId) {
        // From inside the callback: nothing can be delivered before the
        // caller returns, so nothing is; the thread ends after the callback.
        s.queue.clear();
        s.thread.detach();
        return;
    }
    // Queued presses go, and each takes its queued release with it; what
    // stays are releases of delivered presses.
    std::deque<Shared::Event> kept;
    std::unordered_set<uint32_t> dropped;
    for (const Shared::Event &e : s.queue) {
        if (e.pressed)
            dropped.insert(e.key);
        else if (!dropped.erase(e.key))
            kept.push_back(e);
    }
    // Keys still held whose press was delivered get their release now.
    for (const auto &[key, isDown] : s.down)
        if (isDown && !dropped.count(key)) kept.push_back({key, false});
    s.queue = std::move(kept);
    s.queuedPresses = 0;
    s.down.clear();
    s.wake.notify_one();
    lock.unlock();
    s.thread.join();
}

}  // namespace lumisim
