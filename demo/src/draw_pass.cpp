#include <cstdio>

#include "display.h"

namespace demoria {

namespace {

VR_Point positionOf(const ScreenElement &e) { return VR_Point{uint16_t(e.x), uint16_t(e.y)}; }

void drawVersionBox(DisplayState &s, const ScreenElement &e) {
    VR_Version library = {}, driver = {};
    VR_GetVersions(&library, &driver);
    std::snprintf(s.versionText, sizeof s.versionText, "%02i.%02i.%02i", library.major, library.minor,
                  library.patch);
    auto *box = static_cast<VR_TextBoxParams *>(e.params);
    box->text = s.versionText;
    VR_Point at = positionOf(e);
    VR_DrawTextBox(&at, box);
}

// A one-pixel yellow frame with the interior untouched; the rectangles then
// fall inside it.
void startRandomArea(DisplayState &s, const ScreenElement &e) {
    const auto *area = static_cast<const AreaSize *>(e.params);
    VR_RectParams frame = {};
    frame.width = area->width;
    frame.height = area->height;
    frame.borderColour = VR_Colour{0, 255, 255, 0};
    frame.borderWidth = 1;
    frame.fillPattern = VR_FILL_FRAME_ONLY;
    VR_Point at = positionOf(e);
    VR_DrawRect(&at, &frame);

    s.areaOrigin = VR_Point{uint16_t(at.x + 1), uint16_t(at.y + 1)};
    s.areaSize = VR_Size{uint16_t(area->width - 2), uint16_t(area->height - 2)};
    s.randomActive = 1;
    s.randomCount = 0;
    s.self(MSG_RANDOM_RECT);
}

void startAnimation(DisplayState &s, const ScreenElement &e) {
    auto *bar = static_cast<VR_ProgressBarParams *>(e.params);
    VR_Point at = positionOf(e);
    VR_DrawProgressBar(&at, bar);
    s.animBar = bar;
    s.animPos = at;
    s.animActive = 1;
    s.self(MSG_ANIMATE);
}

void drawElement(DisplayState &s, const ScreenElement &e) {
    if (!e.params) return;  // the library would refuse it anyway
    VR_Point at = positionOf(e);
    switch (e.type) {
        case kGimpImage:
            VR_DrawGIMPBitmap(&at, static_cast<const VR_GIMPBitmap *>(e.params));
            break;
        case kProgressBar:
            VR_DrawProgressBar(&at, static_cast<const VR_ProgressBarParams *>(e.params));
            break;
        case kTextBox:
            VR_DrawTextBox(&at, static_cast<const VR_TextBoxParams *>(e.params));
            break;
        case kRectangle:
            VR_DrawRect(&at, static_cast<const VR_RectParams *>(e.params));
            break;
        case kCircle:
            VR_DrawCircle(&at, static_cast<const VR_CircleParams *>(e.params));
            break;
        case kLine:
            VR_DrawLine(static_cast<const VR_LineParams *>(e.params));
            break;
        case kVersionBox:
            drawVersionBox(s, e);
            break;
        case kRandomArea:
            startRandomArea(s, e);
            break;
        case kAnimatedBar:
            startAnimation(s, e);
            break;
        default:
            break;  // unknown types draw nothing
    }
}

}  // namespace

void drawPass(DisplayState &s, PageList list) {
    if (!list) return;
    for (ScreenElement *const *it = list; *it; ++it) {
        ScreenElement &e = **it;
        if (!e.dirty) continue;
        // Library errors are not looked at: a failed element is still clean.
        drawElement(s, e);
        e.dirty = 0;
    }
}

}  // namespace demoria
