// The display side: everything DispCtlr does with the library. All of it
// runs on DispCtlr alone, the only thread that calls VR_ functions.
#pragma once

#include <cstdint>
#include <cstdlib>

#include "VRLib.h"
#include "messages.h"
#include "pages.h"

namespace demoria {

struct DisplayState {
    int32_t currentGroup = 0;  // group of the last page request, 0 before the first

    // Random rectangles inside the framed area of a type 8 element.
    int32_t randomActive = 0;
    int32_t randomCount = 0;
    VR_Point areaOrigin = {};
    VR_Size areaSize = {};

    // The animated progress bar of a type 9 element.
    int32_t animActive = 0;
    VR_ProgressBarParams *animBar = nullptr;
    VR_Point animPos = {};

    // Text of the version box. Kept here rather than on the draw pass's
    // stack, so that the box's text pointer never outlives its buffer.
    char versionText[16] = {};

    // Where the animation loops post their next step: DispCtlr's own pipe.
    Poster self = {};
    // Source of the random rectangles; the C library's, never seeded.
    int (*random)() = std::rand;
};

// Library start-up: the driver, ten fonts, two colour tables, the version
// lines on stdout, font 1 with colour table 1, a cleared screen. Nothing
// once cancelLibraryStart has been called.
void startLibrary(DisplayState &s);

// From the close handler's thread: no library start begins any more, and
// one under way gives up promptly (also while the driver's message box is
// open); returns once DispCtlr has the library to itself again.
void cancelLibraryStart();

// Draws every dirty element of the list and marks it clean.
void drawPass(DisplayState &s, PageList list);

// MSG_SHOW_PAGE: selects the page, clears the screen, draws the whole list
// in manual update mode and shows it with one refresh.
void showPage(DisplayState &s, const PageRequest &request);

// MSG_PROGRESS: sets and redraws the progress bars of the shown group.
void updateProgress(DisplayState &s, const ProgressInfo &info);

// MSG_RANDOM_RECT: one random rectangle and the next step, while active.
void randomRectStep(DisplayState &s);

// MSG_ANIMATE: advances the animated bar by 2 percent and posts the next
// step, while active.
void animationStep(DisplayState &s);

// Handles one message of the display pipe and frees its payload. Returns
// false after MSG_STOP (the library is shut down then).
bool handleDisplayMessage(DisplayState &s, const CtlrMessage &message);

}  // namespace demoria
