#include <cstdlib>
#include <cstring>

#include "process.h"

namespace demoria {

void postSchedule(const ScheduleStep &step, const Poster &to) {
    for (int i = 0; i < step.count; ++i) {
        const ScheduledMessage &m = step.messages[i];
        size_t size = m.code == MSG_SHOW_PAGE ? sizeof(PageRequest) : sizeof(ProgressInfo);
        void *payload = std::malloc(size);
        if (!payload) continue;
        std::memcpy(payload, m.code == MSG_SHOW_PAGE ? static_cast<const void *>(&m.page) : &m.progress,
                    size);
        // Dropped when the display pipe is missing: not leaked.
        if (!to(m.code, payload)) std::free(payload);
    }
}

void *actCtlrMain(void *) {
    Schedule schedule;
    Poster toDisplay = pipePoster(process.display);
    pthread_t timeCtlr = {};
    bool timeStarted = false;
    static char timeName[] = "TimeCtlr";

    CtlrMessage m;
    while (receiveMessage(process.action, m)) {
        std::free(m.payload);  // none of ours carries one; a stray one is still ours
        if (m.code == MSG_START) {
            if (timeStarted) continue;  // one TimeCtlr at most
            // Cleared before the thread exists, so an early stop is not lost.
            process.timeStop.store(0);
            timeStarted = pthread_create(&timeCtlr, nullptr, timeCtlrMain, timeName) == 0;
        } else if (m.code == MSG_STOP) {
            process.timeStop.store(1);
            if (timeStarted) pthread_join(timeCtlr, nullptr);
            break;
        } else if (m.code == MSG_TICK) {
            postSchedule(scheduleTick(schedule), toDisplay);
        }
    }
    pthread_exit(nullptr);
}

}  // namespace demoria
