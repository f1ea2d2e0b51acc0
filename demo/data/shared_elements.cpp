// The two schedule bars and the version box: one set of records in all
// eight feature lists, so an update through one list shows on every page.
#include "pages.h"

namespace demoria {

namespace {

VR_ProgressBarParams pageBar = scheduleBar(33, 8);
VR_ProgressBarParams cycleBar = scheduleBar(33, 8);

VR_TextBoxParams versionBox = {.width = 34,
                               .height = 12,
                               .fontId = 4,
                               .colourTableId = 1,
                               .alignment = 0,
                               .lineSpacing = 0,
                               .borderColour = {0, 0, 0, 0},
                               .padding = {},
                               .borderWidth = 0,
                               .text = nullptr};

}  // namespace

ScreenElement sharedPageBar = {kProgressBar, 10, 10, 1, &pageBar};
ScreenElement sharedCycleBar = {kProgressBar, 10, 20, 1, &cycleBar};
ScreenElement sharedVersionBox = {kVersionBox, 10, 30, 1, &versionBox};

}  // namespace demoria
