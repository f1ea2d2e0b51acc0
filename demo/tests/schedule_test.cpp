// The slide schedule driven tick by tick, without any sleeping.
#include "schedule.h"

#include <gtest/gtest.h>

#include <map>

namespace demoria {
namespace {

// Runs the schedule from its initial state; tick numbers count from 1 like
// the ticks of TimeCtlr.
struct Timeline {
    Schedule s;
    int tick = 0;
    ScheduleStep next() {
        ++tick;
        return scheduleTick(s);
    }
};

TEST(Schedule, TitlePhaseShowsTitleOnTickTwoThenProgressUpToNinetyEightPercent) {
    Timeline t;
    EXPECT_EQ(t.next().count, 0) << "tick 1 only starts the title phase";

    ScheduleStep second = t.next();
    ASSERT_EQ(second.count, 1);
    EXPECT_EQ(second.messages[0].code, MSG_SHOW_PAGE);
    EXPECT_EQ(second.messages[0].page.group, 1);
    EXPECT_EQ(second.messages[0].page.page, 1);

    for (int elapsed = 200; elapsed <= 9800; elapsed += 200) {
        ScheduleStep step = t.next();
        ASSERT_EQ(step.count, 1) << "tick " << t.tick;
        EXPECT_EQ(step.messages[0].code, MSG_PROGRESS);
        EXPECT_EQ(step.messages[0].progress.elapsed1, elapsed);
        EXPECT_EQ(step.messages[0].progress.total1, 10000);
    }
    EXPECT_EQ(t.tick, 51);
    EXPECT_EQ(t.s.state, kFeatureCycle);
}

TEST(Schedule, FeaturePagesComeOnTick52AndEveryThirtyTicksAfterForEver) {
    Timeline t;
    std::map<int, int> pageOnTick;  // tick -> feature page requested
    int titleRequests = 0;
    for (int i = 0; i < 51 + 3 * 240; ++i) {
        ScheduleStep step = t.next();
        for (int m = 0; m < step.count; ++m) {
            const ScheduledMessage &msg = step.messages[m];
            if (msg.code != MSG_SHOW_PAGE) continue;
            if (msg.page.group == 1) ++titleRequests;
            if (msg.page.group == 2) pageOnTick[t.tick] = msg.page.page;
        }
    }
    EXPECT_EQ(titleRequests, 1);
    std::map<int, int> expected;
    for (int cycle = 0; cycle < 3; ++cycle)
        for (int k = 0; k < 8; ++k) expected[52 + cycle * 240 + 30 * k] = k + 1;
    EXPECT_EQ(pageOnTick, expected);
}

TEST(Schedule, EveryFeatureTickSendsProgressAfterAnyPageRequest) {
    Timeline t;
    for (int i = 0; i < 51; ++i) t.next();

    ScheduleStep first = t.next();  // tick 52
    ASSERT_EQ(first.count, 2);
    EXPECT_EQ(first.messages[0].code, MSG_SHOW_PAGE);
    EXPECT_EQ(first.messages[1].code, MSG_PROGRESS);
    const ProgressInfo &p = first.messages[1].progress;
    EXPECT_EQ(p.elapsed1, 200);
    EXPECT_EQ(p.total1, 6000);
    EXPECT_EQ(p.elapsed2, 200);
    EXPECT_EQ(p.total2, 48000);

    // The rest of page 1: progress only, the page bar wrapping to 0 on the
    // page's last tick.
    for (int i = 1; i < 30; ++i) {
        ScheduleStep step = t.next();
        ASSERT_EQ(step.count, 1) << "tick " << t.tick;
        EXPECT_EQ(step.messages[0].code, MSG_PROGRESS);
        EXPECT_EQ(step.messages[0].progress.elapsed1, i == 29 ? 0 : 200 * (i + 1));
        EXPECT_EQ(step.messages[0].progress.elapsed2, 200 * (i + 1));
    }
}

TEST(Schedule, BothBarsShowZeroAtTheEndOfACycleBeforePageOneReturns) {
    Timeline t;
    for (int i = 0; i < 52 + 238; ++i) t.next();
    ScheduleStep last = t.next();  // the cycle's 240th tick
    ASSERT_EQ(last.count, 1);
    EXPECT_EQ(last.messages[0].code, MSG_PROGRESS);
    const ProgressInfo &p = last.messages[0].progress;
    EXPECT_EQ(p.elapsed1, 0);
    EXPECT_EQ(p.total1, 6000);
    EXPECT_EQ(p.elapsed2, 0);
    EXPECT_EQ(p.total2, 48000);
    EXPECT_EQ(t.s.pageIndex, 1) << "page 9 is never requested";

    ScheduleStep again = t.next();
    ASSERT_GE(again.count, 1);
    EXPECT_EQ(again.messages[0].code, MSG_SHOW_PAGE);
    EXPECT_EQ(again.messages[0].page.group, 2);
    EXPECT_EQ(again.messages[0].page.page, 1);
}

TEST(Schedule, FeatureBarsNeverReachOneHundredPercent) {
    Timeline t;
    for (int i = 0; i < 52 + 480; ++i) {
        ScheduleStep step = t.next();
        for (int m = 0; m < step.count; ++m) {
            const ProgressInfo &p = step.messages[m].progress;
            if (step.messages[m].code != MSG_PROGRESS) continue;
            EXPECT_LT(p.elapsed1 * 100 / p.total1, 100) << "tick " << t.tick;
            if (p.total2) {
                EXPECT_LT(p.elapsed2 * 100 / p.total2, 100) << "tick " << t.tick;
            }
        }
    }
}

}  // namespace
}  // namespace demoria
