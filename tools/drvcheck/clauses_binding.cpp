// Binding: the exports, initialisation and shutdown, re-initialisation,
// the hard-key callback, the version, and calls while unbound.
#include <string>

#include "clause.h"

namespace drvcheck {

namespace {

void exportsClause(const DriverApi &d, const CheckOptions &) {
    std::string names;
    for (const auto &name : d.missing) names += (names.empty() ? "" : " ") + name;
    expect(d.missing.empty(), "%zu of the 19 functions not exported: %s", d.missing.size(), names.c_str());
}

void initCycle(const DriverApi &d, const CheckOptions &) {
    for (int round = 1; round <= 2; ++round) {
        const VR_Status init = d.InitDriver(probe::graphic, probe::keyA);
        expect(init == VR_OK, "DDrv_InitDriver returned %u in round %d, expected 0", unsigned(init), round);
        const VR_Status deinit = d.DeInitDriver();
        expect(deinit == VR_OK, "DDrv_DeInitDriver returned %u in round %d, expected 0", unsigned(deinit),
               round);
    }
}

void initRefusesNull(const DriverApi &d, const CheckOptions &) {
    VR_Status s = d.InitDriver(nullptr, probe::keyA);
    expect(s == VR_ERR_DRIVER, "DDrv_InitDriver(null, hardKey) returned %u, expected 258", unsigned(s));
    s = d.InitDriver(probe::graphic, nullptr);
    expect(s == VR_ERR_DRIVER, "DDrv_InitDriver(graphic, null) returned %u, expected 258", unsigned(s));
    s = d.InitDriver(probe::graphic, probe::keyA);
    expect(s == VR_OK, "DDrv_InitDriver returned %u after a refused one, expected 0", unsigned(s));
    d.DeInitDriver();
}

void reinit(const DriverApi &d, const CheckOptions &) {
    probe::reset(VR_OK);
    bindDriver(d);
    VR_Status s = d.InitDriver(probe::otherGraphic, probe::keyA);
    expect(s == VR_OK, "a second DDrv_InitDriver without shutdown returned %u, expected 0", unsigned(s));
    int dummy = 0;
    d.GraphicFunction(VR_GF_LINE, nullptr, &dummy);
    expect(probe::g_otherCalls == 1 && probe::g_log.calls == 0,
           "after re-initialisation DDrv_GraphicFunction called the old graphic callback, not the new one");
    s = d.InitDriver(nullptr, probe::keyA);
    expect(s == VR_ERR_DRIVER, "DDrv_InitDriver(null, hardKey) while bound returned %u, expected 258",
           unsigned(s));
    s = d.GraphicFunction(VR_GF_LINE, nullptr, &dummy);
    expect(
        s == VR_ERR_NO_CALLBACK && probe::g_otherCalls == 1,
        "a refused re-initialisation left the old graphic callback bound (DDrv_GraphicFunction returned %u, "
        "expected 11)",
        unsigned(s));
    bindDriver(d);
    d.DeInitDriver();
}

void hardKeySwap(const DriverApi &d, const CheckOptions &) {
    bindDriver(d, probe::graphic, probe::keyA);
    DDrv_HardKeyCallback old = d.SetHardKeyCallback(probe::keyB);
    expect(old == probe::keyA,
           "setting a second hard-key callback after DDrv_InitDriver(g, a) did not return a");
    old = d.SetHardKeyCallback(probe::keyC);
    expect(old == probe::keyB, "setting c after b did not return b");
    old = d.SetHardKeyCallback(probe::keyA);
    expect(old == probe::keyC, "setting a after c did not return c");
    d.DeInitDriver();
}

void version(const DriverApi &d, const CheckOptions &) {
    VR_Status s = d.GetVersion(nullptr);
    expect(s == VR_ERR_DRIVER, "DDrv_GetVersion(null) returned %u, expected 258", unsigned(s));
    VR_Version v{};
    s = d.GetVersion(&v);
    expect(s == VR_OK, "DDrv_GetVersion returned %u, expected 0", unsigned(s));
}

// Every function once with valid arguments; only surviving counts.
void callEverything(const DriverApi &d) {
    VR_Colour c{};
    VR_Point p{0, 0};
    VR_Size sz{1, 1};
    uint32_t bl = 0;
    uint8_t level = 0;
    VR_DisplayInfo info{};
    VR_Version v{};
    int params = 0;
    d.SetPixel(p, c);
    d.GetPixel(p, &c);
    d.RefreshDisplay();
    d.RefreshDisplayArea(&p, &sz);
    d.GraphicFunction(VR_GF_LINE, &p, &params);
    d.SetHardKeyCallback(probe::keyB);
    d.SetActiveWindow(&p, &sz);
    d.GetActiveWindow(&p, &sz);
    d.GetDisplayInfo(&info);
    d.GetVersion(&v);
    d.SetBL(bl);
    d.GetBL(&bl);
    d.SetOrientation(0);
    d.SetDisplayContrast(1);
    d.GetDisplayContrast(&level);
    d.SetDisplayBrightness(1);
    d.GetDisplayBrightness(&level);
}

void unboundCalls(const DriverApi &d, const CheckOptions &) {
    callEverything(d);
    d.DeInitDriver();
    bindDriver(d);
    d.DeInitDriver();
    callEverything(d);
    d.DeInitDriver();
}

}  // namespace

void addBindingClauses(std::vector<Clause> &out) {
    out.push_back({"exports", "the library exports all 19 DDrv_ functions", exportsClause, false});
    out.push_back({"init-cycle",
                   "initialise, shut down, initialise and shut down again: every step returns 0", initCycle});
    out.push_back({"init-null",
                   "initialisation with a null graphic or hard-key callback returns 258, and a later "
                   "one with both returns 0",
                   initRefusesNull});
    out.push_back({"reinit",
                   "a second initialisation without shutdown returns 0 and binds the new graphic "
                   "callback; one refused for a null callback leaves no graphic callback bound (11)",
                   reinit});
    out.push_back({"hard-key-swap",
                   "setting the hard-key callback returns the one set before (after "
                   "initialisation: the one given there)",
                   hardKeySwap});
    out.push_back({"version", "reading the version returns 0; with a null address 258", version});
    out.push_back({"unbound",
                   "every function called before initialisation and after shutdown returns without "
                   "crashing or hanging; shutting down twice is harmless",
                   unboundCalls});
}

}  // namespace drvcheck
