// The fixed test scene for a 128 x 64 panel: every primitive and fill
// pattern, text in a plain and a run-length font of the demo, a symbol, a
// cut string, a text box, a progress bar and GIMP images (run-length RGB
// with a key colour, raw RGBA blended). Drawn the same on the desktop and
// on the microcontroller; whatever driver is bound receives it.
#pragma once

#include "VRLib.h"

namespace vr::scene {

// Registers the scene's fonts and colours, clears the screen and draws the
// scene in update mode 1 (no refresh). Returns the first status that is not
// 0, naming the step in *failedStep (a short text), or 0.
VR_Status draw(const char **failedStep);

// The change drawn over the scene to test a partial refresh: it paints the
// whole of kChangeArea, of which only kRefreshArea is refreshed.
VR_Status drawChange();
constexpr VR_Window kChangeArea{40, 8, 56, 40};
constexpr VR_Window kRefreshArea{52, 16, 24, 20};

}  // namespace vr::scene
