// Scoped changes of the library's drawing state. Each guard puts back what
// it found when its scope ends, so a drawing step leaves the update mode
// and the active window as its caller had them.
#pragma once

#include <cstdint>

#include "VRLib.h"

namespace demoria {

// Update mode manual for the scope: drawing goes into the frame buffer
// only, and the scope shows it with its own refresh.
class ManualUpdate {
  public:
    ManualUpdate() {
        VR_GetUpdateMode(&saved_);
        VR_SetUpdateMode(VR_UPDATE_MANUAL);
    }
    ~ManualUpdate() { VR_SetUpdateMode(saved_); }
    ManualUpdate(const ManualUpdate &) = delete;
    ManualUpdate &operator=(const ManualUpdate &) = delete;

  private:
    int32_t saved_ = VR_UPDATE_AUTO;
};

// Drawing clipped to the given window for the scope.
class ClipWindow {
  public:
    ClipWindow(const VR_Point &origin, const VR_Size &size) {
        VR_GetActiveWindow(&savedOrigin_, &savedSize_);
        VR_SetActiveWindow(&origin, &size);
    }
    ~ClipWindow() { VR_SetActiveWindow(&savedOrigin_, &savedSize_); }
    ClipWindow(const ClipWindow &) = delete;
    ClipWindow &operator=(const ClipWindow &) = delete;

  private:
    VR_Point savedOrigin_ = {};
    VR_Size savedSize_ = {};
};

}  // namespace demoria
