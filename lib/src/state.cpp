#include "state.h"

namespace vr {

State g_state{};

}  // namespace vr
