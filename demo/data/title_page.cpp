// The title page (group 1, page 1): logo and the bar of the title phase.
#include "assets.h"
#include "pages.h"

namespace demoria {

namespace {

VR_ProgressBarParams titleBar = scheduleBar(300, 10);

ScreenElement logo = {kGimpImage, 10, 93, 1, const_cast<VR_GIMPBitmap *>(&Demoria_Image1)};
ScreenElement bar = {kProgressBar, 10, 210, 1, &titleBar};

}  // namespace

ScreenElement *const titlePage[] = {&logo, &bar, nullptr};

}  // namespace demoria
