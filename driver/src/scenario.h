// Scenarios for LUMISIM_INPUT: key presses and releases with waits, read
// from a text file and replayed by the driver after initialisation. One
// step a line; '#' starts a comment; blank lines are allowed.
//
//   press <key>         release <key>
//   wait <n> ms         wait refresh        wait <n> refreshes
//
// <key> is power, r-taste, up, down, left, right, enter, back or a decimal
// code. "wait refresh" counts the application's refreshes from the start
// on: the k-th refresh waited for is the application's k-th refresh, so a
// replay does not depend on how fast the machine is.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumisim {

struct ScenarioStep {
    enum Kind { Press, Release, WaitMs, WaitRefreshes };
    Kind kind;
    uint32_t value;  // the key code, milliseconds or refreshes
    bool operator==(const ScenarioStep &) const = default;
};

struct Scenario {
    std::vector<ScenarioStep> steps;
    // Empty when the text is sound, else one line: "<file>:<line>: <why>".
    std::string error;
};

// Reads the text of a scenario; name is the file named in errors.
Scenario parseScenario(const std::string &text, const std::string &name);
// Reads the file; an unreadable file is an error naming it.
Scenario loadScenario(const std::string &path);

// The code of a key name of scenarios (case ignored) or a decimal number;
// 0 when it is neither.
uint32_t scenarioKeyCode(const std::string &name);

}  // namespace lumisim
