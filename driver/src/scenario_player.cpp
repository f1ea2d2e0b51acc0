#include "scenario_player.h"

#include <chrono>

#include "driver_thread.h"

namespace lumisim {

ScenarioPlayer::ScenarioPlayer(std::vector<ScenarioStep> steps, KeyDelivery &keys)
    : steps_(std::move(steps)), keys_(keys) {
    thread_ = std::thread([this] {
        becomeDriverThread("lumisim-input");
        run();
    });
}

ScenarioPlayer::~ScenarioPlayer() { stop(); }

void ScenarioPlayer::refreshed() {
    std::lock_guard lock(mutex_);
    ++refreshes_;
    changed_.notify_all();
}

void ScenarioPlayer::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        changed_.notify_all();
    }
    if (thread_.joinable()) thread_.join();
}

void ScenarioPlayer::run() {
    uint64_t waitedFor = 0;  // refreshes the steps so far waited for
    std::unique_lock lock(mutex_);
    for (const ScenarioStep &step : steps_) {
        if (stopping_) return;
        switch (step.kind) {
            case ScenarioStep::Press:
            case ScenarioStep::Release:
                lock.unlock();
                keys_.post(step.value, step.kind == ScenarioStep::Press);
                lock.lock();
                break;
            case ScenarioStep::WaitMs:
                changed_.wait_for(lock, std::chrono::milliseconds(step.value), [this] { return stopping_; });
                break;
            case ScenarioStep::WaitRefreshes:
                waitedFor += step.value;
                changed_.wait(lock, [&] { return stopping_ || refreshes_ >= waitedFor; });
                break;
        }
    }
}

}  // namespace lumisim
