// A window side for the driver logic's own tests: it records every
// display-window operation in order, can be told to fail, and keeps a copy
// of what its last refresh showed.
#pragma once

#include <string>
#include <vector>

#include "display_window.h"

namespace scripted {

struct Script {
    bool failStart = false;           // start() answers false
    bool throwOnCreate = false;       // the factory throws
    bool startWaits = false;          // start() waits until it is cancelled, then fails
    int created = 0;                  // windows made so far; each is named by its number
    std::vector<std::string> events;  // "create 1", "start 1", "refresh 1", ...
    std::vector<uint32_t> shown;      // the frame buffer as the last refresh saw it
};

// Fresh for every test.
Script &script();
void reset();

}  // namespace scripted
