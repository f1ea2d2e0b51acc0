#include "display.h"

namespace demoria {

namespace {

constexpr int kMaxBars = 8;

// elapsed × 100 / total, truncated. A total of 0 or less shows 0, and the
// value is held to the bar's 0..100 whatever a message carries.
uint8_t percentOf(int32_t elapsed, int32_t total) {
    if (total <= 0) return 0;
    int64_t p = int64_t(elapsed) * 100 / total;
    return uint8_t(p < 0 ? 0 : p > 100 ? 100 : p);
}

}  // namespace

void updateProgress(DisplayState &s, const ProgressInfo &info) {
    // Feature page 1's list holds the bars shared by every feature page.
    PageList list = s.currentGroup == 1 ? pageList(1, 1) : s.currentGroup == 2 ? pageList(2, 1) : nullptr;
    if (!list) return;  // no page shown yet

    // Only the bars just marked are drawn. The rest of the list is clean
    // once its page has been shown; drawing the marked ones alone keeps it
    // so even while feature page 1 itself was never on screen.
    ScreenElement *marked[kMaxBars + 1] = {};
    int count = 0;
    for (ScreenElement *const *it = list; *it && count < kMaxBars; ++it) {
        ScreenElement &e = **it;
        if (e.type != kProgressBar || !e.params) continue;
        auto *bar = static_cast<VR_ProgressBarParams *>(e.params);
        bar->percent =
            count == 0 ? percentOf(info.elapsed1, info.total1) : percentOf(info.elapsed2, info.total2);
        e.dirty = 1;
        marked[count++] = &e;
    }
    // In the update mode the page switch restored.
    drawPass(s, marked);
}

}  // namespace demoria
