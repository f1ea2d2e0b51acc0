#include "schedule.h"

namespace demoria {

namespace {

void queuePageRequest(ScheduleStep &out, int32_t group, int32_t page) {
    ScheduledMessage &m = out.messages[out.count++];
    m = ScheduledMessage{};
    m.code = MSG_SHOW_PAGE;
    m.page = PageRequest{group, page};
}

void queueProgress(ScheduleStep &out, const ProgressInfo &info) {
    ScheduledMessage &m = out.messages[out.count++];
    m = ScheduledMessage{};
    m.code = MSG_PROGRESS;
    m.progress = info;
}

}  // namespace

ScheduleStep scheduleTick(Schedule &s) {
    ScheduleStep out;
    switch (s.state) {
        case kTitlePhase:
            if (s.phaseTime == 0)
                queuePageRequest(out, 1, 1);
            else
                // The title page has one bar; the cycle pair stays zero.
                queueProgress(out, ProgressInfo{s.phaseTime, kTitleMs, 0, 0});
            s.phaseTime += kTickMs;
            if (s.phaseTime >= kTitleMs) {
                s.state = kFeatureCycle;
                s.pageIndex = 1;
                s.phaseTime = 0;
            }
            break;
        case kFeatureCycle:
            if (s.pageTime == 0) queuePageRequest(out, 2, s.pageIndex);
            s.pageTime += kTickMs;
            if (s.pageTime >= kPageMs) {
                s.pageTime = 0;
                ++s.pageIndex;
            }
            // When both wrap on one tick, pageIndex passes through 9 and is
            // reset here before anyone asks for it.
            s.phaseTime += kTickMs;
            if (s.phaseTime >= kCycleMs) {
                s.phaseTime = 0;
                s.pageIndex = 1;
            }
            queueProgress(out, ProgressInfo{s.pageTime, kPageMs, s.phaseTime, kCycleMs});
            break;
        default:
            s.state = kTitlePhase;
            s.pageIndex = 1;
            s.phaseTime = 0;
            break;
    }
    return out;
}

}  // namespace demoria
