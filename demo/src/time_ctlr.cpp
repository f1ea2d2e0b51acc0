#include <chrono>
#include <thread>

#include "process.h"

namespace demoria {

void *timeCtlrMain(void *) {
    // Paced by the sleep alone; the flag is tested after each tick, so one
    // tick may follow the request to stop.
    do {
        std::this_thread::sleep_for(std::chrono::milliseconds(kTickMs));
        sendMessage(process.action, MSG_TICK);
    } while (process.timeStop.load() == 0);
    pthread_exit(nullptr);
}

}  // namespace demoria
