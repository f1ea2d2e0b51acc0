// The key delivery on its own: order, the bounded queue, callback swaps
// and the ending, with callbacks that block on purpose to hold the queue.
#include "key_delivery.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

using lumisim::KeyDelivery;
using Posted = KeyDelivery::Posted;

namespace {

struct Event {
    uint32_t key, pressed;
    bool operator==(const Event &) const = default;
};

// What the callbacks saw, and a gate that holds them until opened.
struct Log {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Event> events;
    std::vector<std::thread::id> threads;
    bool gateOpen = true;
    int running = 0, maxRunning = 0;

    void record(uint32_t key, uint32_t pressed) {
        std::unique_lock lock(mutex);
        maxRunning = std::max(maxRunning, ++running);
        events.push_back({key, pressed});
        threads.push_back(std::this_thread::get_id());
        changed.notify_all();
        changed.wait(lock, [this] { return gateOpen; });
        --running;
    }
    void setGate(bool open) {
        std::lock_guard lock(mutex);
        gateOpen = open;
        changed.notify_all();
    }
    // Waits up to five seconds for n events.
    bool waitFor(size_t n) {
        std::unique_lock lock(mutex);
        return changed.wait_for(lock, std::chrono::seconds(5), [&] { return events.size() >= n; });
    }
    std::vector<Event> seen() {
        std::lock_guard lock(mutex);
        return events;
    }
};

Log *g_log = nullptr;
void logKey(uint32_t key, uint32_t pressed) { g_log->record(key, pressed); }
void otherKey(uint32_t key, uint32_t pressed) { g_log->record(key + 100, pressed); }

class KeyDeliveryTest : public ::testing::Test {
  protected:
    void SetUp() override { g_log = &log_; }
    Log log_;
};

TEST_F(KeyDeliveryTest, DeliversInOrderOnOneThreadOfItsOwnOneAtATime) {
    KeyDelivery keys;
    keys.swapCallback(logKey);
    const std::vector<Event> sent = {{1, 1}, {3, 1}, {1, 0}, {3, 0}, {7, 1}, {7, 0}};
    for (const Event &e : sent) ASSERT_EQ(keys.post(e.key, e.pressed), Posted::Queued);
    ASSERT_TRUE(log_.waitFor(sent.size()));
    EXPECT_EQ(log_.seen(), sent);
    EXPECT_EQ(log_.maxRunning, 1);
    for (std::thread::id id : log_.threads) {
        EXPECT_EQ(id, log_.threads.front());
        EXPECT_NE(id, std::this_thread::get_id());
    }
}

TEST_F(KeyDeliveryTest, RepeatedPressesAndStrayReleasesAreIgnored) {
    KeyDelivery keys;
    keys.swapCallback(logKey);
    EXPECT_EQ(keys.post(4, false), Posted::Ignored);  // never pressed
    EXPECT_EQ(keys.post(4, true), Posted::Queued);
    EXPECT_EQ(keys.post(4, true), Posted::Ignored);  // auto-repeat, or a second source
    EXPECT_EQ(keys.post(4, false), Posted::Queued);
    EXPECT_EQ(keys.post(4, false), Posted::Ignored);
    ASSERT_TRUE(log_.waitFor(2));
    EXPECT_EQ(log_.seen(), (std::vector<Event>{{4, 1}, {4, 0}}));
}

TEST_F(KeyDeliveryTest, FullQueueDropsTheNewestPressesWithOneWarningButNoRelease) {
    KeyDelivery keys(3);
    keys.swapCallback(logKey);
    log_.setGate(false);
    ASSERT_EQ(keys.post(1, true), Posted::Queued);
    ASSERT_TRUE(log_.waitFor(1));  // the callback holds key 1's press; the queue is empty
    ::testing::internal::CaptureStderr();
    for (uint32_t key : {2, 3, 4}) EXPECT_EQ(keys.post(key, true), Posted::Queued) << key;
    EXPECT_EQ(keys.post(5, true), Posted::Dropped);
    EXPECT_EQ(keys.post(6, true), Posted::Dropped);
    // Releases of pressed keys always get in; the dropped key's does not.
    EXPECT_EQ(keys.post(1, false), Posted::Queued);
    EXPECT_EQ(keys.post(2, false), Posted::Queued);
    EXPECT_EQ(keys.post(5, false), Posted::Ignored);
    const std::string warning = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(warning.begin(), warning.end(), '\n'), 1) << warning;
    EXPECT_NE(warning.find("DDrv_Lumisim:"), std::string::npos);
    log_.setGate(true);
    ASSERT_TRUE(log_.waitFor(6));
    EXPECT_EQ(log_.seen(), (std::vector<Event>{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 0}, {2, 0}}));
    // Once drained, key 5 presses again.
    EXPECT_EQ(keys.post(5, true), Posted::Queued);
}

TEST_F(KeyDeliveryTest, SwappedCallbackTakesOverWithTheNextEvent) {
    KeyDelivery keys;
    keys.swapCallback(logKey);
    log_.setGate(false);
    keys.post(1, true);
    ASSERT_TRUE(log_.waitFor(1));
    keys.post(1, false);  // queued while the old callback still runs
    EXPECT_EQ(keys.swapCallback(otherKey), logKey);
    log_.setGate(true);
    ASSERT_TRUE(log_.waitFor(2));
    EXPECT_EQ(log_.seen(), (std::vector<Event>{{1, 1}, {101, 0}}));
}

TEST_F(KeyDeliveryTest, StopWaitsForTheRunningCallbackDropsQueuedPressesAndReleasesHeldKeys) {
    KeyDelivery keys;
    keys.swapCallback(logKey);
    log_.setGate(false);
    keys.post(1, true);
    ASSERT_TRUE(log_.waitFor(1));  // running
    keys.post(2, true);            // delivered? no: still queued at the stop
    keys.post(2, false);
    keys.post(3, true);
    std::atomic<bool> stopped{false};
    std::thread stopper([&] {
        keys.stop();
        stopped = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_FALSE(stopped) << "stop() returned while the callback still ran";
    log_.setGate(true);
    stopper.join();
    // Key 1 was delivered and still held: its release comes; 2 and 3 go.
    EXPECT_EQ(log_.seen(), (std::vector<Event>{{1, 1}, {1, 0}}));
    EXPECT_EQ(keys.post(1, true), Posted::Ignored);
}

KeyDelivery *g_selfStopping = nullptr;
void stopFromInside(uint32_t key, uint32_t pressed) {
    g_log->record(key, pressed);
    g_selfStopping->stop();
}

TEST_F(KeyDeliveryTest, StopFromInsideTheCallbackReturnsAndDeliversNothingMore) {
    auto keys = std::make_unique<KeyDelivery>();
    g_selfStopping = keys.get();
    log_.setGate(false);
    keys->swapCallback(stopFromInside);
    keys->post(1, true);
    keys->post(2, true);
    ASSERT_TRUE(log_.waitFor(1));
    log_.setGate(true);
    // The callback's own stop() must not wait for itself; the object may
    // go while the thread finishes.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    keys.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(log_.seen(), (std::vector<Event>{{1, 1}}));
}

}  // namespace
