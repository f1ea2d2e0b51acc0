// The slide show's pages: lists of screen elements, each naming one drawing
// call of the library and the parameter record it is drawn with. The records
// are changed in place while the show runs (dirty flags, bar percentages,
// the version box's text), so they are mutable and belong to DispCtlr.
#pragma once

#include <cstdint>

#include "VRLib.h"

namespace demoria {

enum ElementType : int32_t {
    kGimpImage = 1,    // VR_GIMPBitmap
    kProgressBar = 2,  // VR_ProgressBarParams
    kTextBox = 3,      // VR_TextBoxParams
    kRectangle = 4,    // VR_RectParams
    kCircle = 5,       // VR_CircleParams
    kLine = 6,         // VR_LineParams (holds both ends; x and y unused)
    kVersionBox = 7,   // VR_TextBoxParams whose text is set at each draw
    kRandomArea = 8,   // AreaSize: framed area of the random rectangles
    kAnimatedBar = 9   // VR_ProgressBarParams, animated while shown
};

struct ScreenElement {
    int32_t type;
    int32_t x;       // used as unsigned 16-bit
    int32_t y;       // used as unsigned 16-bit
    uint32_t dirty;  // non-zero: drawn by the next draw pass, which clears it
    void *params;    // record of the type; images are only read
};

// Outer size of a random-rectangle area.
struct AreaSize {
    uint16_t width;
    uint16_t height;
};

// The demo's line records carry one more word after the colour, which the
// library does not read.
struct DemoLine {
    VR_LineParams line;
    uint32_t extra;
};

// The schedule's progress bars (the title phase, the page and the cycle)
// share one look: a purple frame, white background, grey bar, empty at start.
constexpr VR_ProgressBarParams scheduleBar(uint16_t width, uint16_t height) {
    return VR_ProgressBarParams{.width = width,
                                .height = height,
                                .style = 2,
                                .frameColour = {0, 143, 48, 120},
                                .backgroundColour = {0, 255, 255, 255},
                                .barColour = {0, 96, 93, 92},
                                .percent = 0,
                                .padding = {}};
}

// A null-terminated array of elements in drawing order.
using PageList = ScreenElement *const *;

constexpr int kFeaturePageCount = 8;

// The shared progress bars and version box of every feature page.
extern ScreenElement sharedPageBar;   // time on the current page
extern ScreenElement sharedCycleBar;  // time through the cycle of pages
extern ScreenElement sharedVersionBox;

extern ScreenElement *const titlePage[];
extern const PageList featurePages[kFeaturePageCount];

// The list of page `page` of group 1 (title) or 2 (features); null for a
// page that does not exist.
PageList pageList(int32_t group, int32_t page);

}  // namespace demoria
