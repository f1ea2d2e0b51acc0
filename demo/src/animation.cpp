#include "display.h"
#include "drawing_state.h"

namespace demoria {

void animationStep(DisplayState &s) {
    if (!s.animBar || s.animActive != 1) return;  // the loop ends here

    {
        ManualUpdate manual;
        // 0, 2 … 98, 0: the bar never shows 100.
        uint8_t next = uint8_t(s.animBar->percent + 2);
        s.animBar->percent = next >= 100 ? 0 : next;
        VR_DrawProgressBar(&s.animPos, s.animBar);
        VR_RefreshDisplay();
    }

    s.self(MSG_ANIMATE);
}

}  // namespace demoria
