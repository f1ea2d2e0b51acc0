// The title page (group 1, page 1): logo and the bar of the title phase.
#include "assets.h"
#include "pages.h"

namespace demoria {

namespace {

VR_ProgressBarParams titleBar = {.width = 300,
                                 .height = 10,
                                 .style = 2,
                                 .frameColour = {0, 143, 48, 120},
                                 .backgroundColour = {0, 255, 255, 255},
                                 .barColour = {0, 96, 93, 92},
                                 .percent = 0,
                                 .padding = {}};

ScreenElement logo = {kGimpImage, 10, 93, 1, const_cast<VR_GIMPBitmap *>(&Demoria_Image1)};
ScreenElement bar = {kProgressBar, 10, 210, 1, &titleBar};

}  // namespace

ScreenElement *const titlePage[] = {&logo, &bar, nullptr};

}  // namespace demoria
