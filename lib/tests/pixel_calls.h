// Helpers for reading the fake driver's log in the primitive tests.
#pragma once

#include <utility>
#include <vector>

#include "fake_driver.h"

using XY = std::pair<int, int>;

// The points of every DDrv_SetPixel call so far, in call order.
inline std::vector<XY> pixelCalls() {
    std::vector<XY> out;
    for (const fake::Call &c : fake::callsOf(fake::Fn::SetPixel)) out.emplace_back(c.point.x, c.point.y);
    return out;
}

// The kinds of every recorded call, in order.
inline std::vector<fake::Fn> callKinds() {
    std::vector<fake::Fn> out;
    for (const fake::Call &c : fake::calls()) out.push_back(c.fn);
    return out;
}
