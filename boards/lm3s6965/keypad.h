// The evaluation board's five navigation keys, reported to the SSD0323
// driver (and so to the application's hard-key callback) as they go down
// and up.
#pragma once

#include <cstdint>

namespace board {

// Key codes handed to the hard-key callback.
enum Key : uint32_t { kKeyUp = 0, kKeyDown = 1, kKeyLeft = 2, kKeyRight = 3, kKeySelect = 4 };

// Inputs with pull-ups and an interrupt on either edge.
void keypadOpen();

}  // namespace board
