// The slide schedule as a state machine: each 200 ms tick advances it and
// yields the messages to send to DispCtlr. Pure: no time, no I/O.
#pragma once

#include <cstdint>

#include "messages.h"

namespace demoria {

constexpr int32_t kTickMs = 200;
constexpr int32_t kTitleMs = 10000;
constexpr int32_t kPageMs = 6000;
constexpr int32_t kCycleMs = 48000;  // eight feature pages

enum SchedulePhase : int32_t { kNotStarted = 0, kTitlePhase = 1, kFeatureCycle = 2 };

struct Schedule {
    int32_t state = kNotStarted;
    int32_t phaseTime = 0;  // ms in the title phase, or through the feature cycle
    int32_t pageTime = 0;   // ms on the current feature page
    int32_t pageIndex = 0;  // current feature page, 1..8
};

// One message of a step, with its payload by value (the sender copies it into
// a heap block).
struct ScheduledMessage {
    int32_t code;  // MSG_SHOW_PAGE or MSG_PROGRESS
    PageRequest page;
    ProgressInfo progress;
};

struct ScheduleStep {
    int count = 0;
    ScheduledMessage messages[2];
};

// One tick: the title page on the first tick of the title phase, progress on
// the others; a page request whenever a feature page begins, then progress.
ScheduleStep scheduleTick(Schedule &s);

}  // namespace demoria
