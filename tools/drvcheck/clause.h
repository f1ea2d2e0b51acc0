// One clause of the driver contract: a name, the rule it checks stated as
// behaviour, and the check, which throws ClauseFailure with what it saw.
#pragma once

#include <cstdarg>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <vector>

#include "driver_api.h"
#include "probe.h"

namespace drvcheck {

struct CheckOptions {
    // The panel size the driver is expected to report; 0 x 0: not checked.
    uint16_t expectWidth = 0, expectHeight = 0;
    // The orientation code the driver is configured with; unset: not checked.
    bool checkOrientation = false;
    int32_t expectOrientation = 0;
    // A panel of grey levels: the pixel clauses write greys (red = green =
    // blue), which any grey mapping whose weights sum to one gives back.
    bool grey = false;
};

struct Clause {
    const char *id;
    const char *rule;
    void (*check)(const DriverApi &, const CheckOptions &);
    bool needsExports = true;  // fails at once when one of the 19 is missing
};

struct ClauseFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Fails the clause with a printf-style message unless cond holds.
[[gnu::format(printf, 2, 3)]] inline void expect(bool cond, const char *format, ...) {
    if (cond) return;
    char text[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(text, sizeof text, format, args);
    va_end(args);
    throw ClauseFailure(text);
}

// DDrv_InitDriver with the probe's callbacks; fails unless it returns 0.
inline void bindDriver(const DriverApi &d, DDrv_GraphicCallback graphic = probe::graphic,
                       DDrv_HardKeyCallback key = probe::keyA) {
    const VR_Status s = d.InitDriver(graphic, key);
    expect(s == VR_OK, "DDrv_InitDriver(graphic, hardKey) returned %u, expected 0", unsigned(s));
}

// The display-info record; fails unless DDrv_GetDisplayInfo returns 0.
inline VR_DisplayInfo displayInfo(const DriverApi &d) {
    VR_DisplayInfo info{};
    const VR_Status s = d.GetDisplayInfo(&info);
    expect(s == VR_OK, "DDrv_GetDisplayInfo returned %u, expected 0", unsigned(s));
    return info;
}

// Every clause of the contract, in the order they run.
const std::vector<Clause> &allClauses();

// The clauses of each group; allClauses() joins them.
void addBindingClauses(std::vector<Clause> &out);
void addDrawingClauses(std::vector<Clause> &out);
void addPixelClauses(std::vector<Clause> &out);
void addControlClauses(std::vector<Clause> &out);

}  // namespace drvcheck
