#include "display.h"
#include "drawing_state.h"

namespace demoria {

void showPage(DisplayState &s, const PageRequest &request) {
    if (request.group != 1 && request.group != 2) return;
    s.currentGroup = request.group;

    VR_Colour background = {0, 255, 255, 255};  // the title page is white
    if (request.group == 2) {
        background = VR_Colour{0, 0, 0, 0};
        // The page after the random-rectangle page and the page after the
        // animated-bar page end those loops: the next queued step finds its
        // flag cleared and posts nothing.
        if (request.page == 4) s.randomActive = 0;
        if (request.page == 7) s.animActive = 0;
    }
    PageList list = pageList(request.group, request.page);
    if (!list) return;  // leaves the screen as it was

    VR_SetBkColor(background);
    // Draw the whole page into the frame buffer and show it in one piece.
    ManualUpdate manual;
    VR_ClearScreen();
    for (ScreenElement *const *it = list; *it; ++it) (*it)->dirty = 1;
    drawPass(s, list);
    VR_RefreshDisplay();
}

}  // namespace demoria
