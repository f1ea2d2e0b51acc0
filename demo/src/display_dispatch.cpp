#include <cstdlib>

#include "display.h"

namespace demoria {

bool handleDisplayMessage(DisplayState &s, const CtlrMessage &m) {
    bool goOn = true;
    switch (m.code) {
        case MSG_START:
            startLibrary(s);
            break;
        case MSG_STOP:
            VR_DeInitVRLib();
            goOn = false;
            break;
        case MSG_SHOW_PAGE:
            if (m.payload) showPage(s, *static_cast<const PageRequest *>(m.payload));
            break;
        case MSG_PROGRESS:
            if (m.payload) updateProgress(s, *static_cast<const ProgressInfo *>(m.payload));
            break;
        case MSG_RANDOM_RECT:
            randomRectStep(s);
            break;
        case MSG_ANIMATE:
            animationStep(s);
            break;
        default:
            break;  // not ours: consumed without effect
    }
    // The payload became ours when it was sent, whatever the code.
    std::free(m.payload);
    return goOn;
}

}  // namespace demoria
