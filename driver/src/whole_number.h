// Whole numbers as the scenario and window settings write them: decimal
// digits only, no sign and no blanks, at most nine so they fit 32 bits.
#pragma once

#include <cstdint>
#include <string>

namespace lumisim {

// False for anything else, leaving value unspecified.
inline bool wholeNumber(const std::string &text, uint32_t &value) {
    if (text.empty() || text.size() > 9) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + uint32_t(c - '0');
    }
    return true;
}

}  // namespace lumisim
