// Replays a scenario on a thread of its own: key steps go to the key
// delivery, waits sleep or count the application's refreshes.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "key_delivery.h"
#include "scenario.h"

namespace lumisim {

class ScenarioPlayer {
  public:
    ScenarioPlayer(std::vector<ScenarioStep> steps, KeyDelivery &keys);
    ~ScenarioPlayer();  // stop()
    ScenarioPlayer(const ScenarioPlayer &) = delete;
    ScenarioPlayer &operator=(const ScenarioPlayer &) = delete;

    // Counts one refresh of the application; called after it is shown.
    void refreshed();
    // Ends the replay at the step it is at and waits for the thread.
    void stop();

  private:
    void run();

    std::vector<ScenarioStep> steps_;
    KeyDelivery &keys_;
    std::mutex mutex_;
    std::condition_variable changed_;
    uint64_t refreshes_ = 0;  // guarded by mutex_, as is stopping_
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace lumisim
