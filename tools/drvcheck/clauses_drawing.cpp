// Drawing: the graphic callback and the active window it is handed.
#include "clause.h"

namespace drvcheck {

namespace {

bool operator==(const VR_Window &a, const VR_Window &b) {
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

VR_Window activeWindow(const DriverApi &d) {
    VR_Point p{0xEEEE, 0xEEEE};
    VR_Size s{0xEEEE, 0xEEEE};
    const VR_Status status = d.GetActiveWindow(&p, &s);
    expect(status == VR_OK, "DDrv_GetActiveWindow returned %u, expected 0", unsigned(status));
    return VR_Window{p.x, p.y, s.width, s.height};
}

void initialWindow(const DriverApi &d, const CheckOptions &) {
    bindDriver(d);
    const VR_DisplayInfo info = displayInfo(d);
    const VR_Window w = activeWindow(d);
    expect(
        w == (VR_Window{0, 0, info.displayWidth, info.displayHeight}),
        "the active window after initialisation is (%u, %u, %u x %u), expected (0, 0, %u x %u): the display "
        "info's width and height",
        w.x, w.y, w.width, w.height, info.displayWidth, info.displayHeight);
    // It is set anew by every initialisation.
    const VR_Point p{5, 6};
    const VR_Size s{7, 8};
    d.SetActiveWindow(&p, &s);
    d.DeInitDriver();
    bindDriver(d);
    const VR_Window again = activeWindow(d);
    expect(again == (VR_Window{0, 0, info.displayWidth, info.displayHeight}),
           "the next initialisation kept the old active window (%u, %u, %u x %u)", again.x, again.y,
           again.width, again.height);
    d.DeInitDriver();
}

void noCallback(const DriverApi &d, const CheckOptions &) {
    int params = 0;
    const VR_Point p{1, 1};
    VR_Status s = d.GraphicFunction(VR_GF_RECT, &p, &params);
    expect(s == VR_ERR_NO_CALLBACK, "DDrv_GraphicFunction before any initialisation returned %u, expected 11",
           unsigned(s));
    probe::reset(VR_OK);
    bindDriver(d);
    d.DeInitDriver();
    s = d.InitDriver(nullptr, probe::keyA);
    expect(s == VR_ERR_DRIVER, "DDrv_InitDriver(null, hardKey) returned %u, expected 258", unsigned(s));
    s = d.GraphicFunction(VR_GF_RECT, &p, &params);
    expect(s == VR_ERR_NO_CALLBACK,
           "DDrv_GraphicFunction after DDrv_InitDriver(null, ...) returned %u, expected 11", unsigned(s));
    expect(probe::g_log.calls == 0,
           "DDrv_GraphicFunction without a graphic callback still called the old one");
}

void graphicCallback(const DriverApi &d, const CheckOptions &) {
    bindDriver(d);
    const VR_Point origin{3, 4};
    const VR_Size size{50, 60};
    d.SetActiveWindow(&origin, &size);
    struct Case {
        uint32_t code;
        bool withPosition;
        VR_Status answer;
    };
    const Case cases[] = {{VR_GF_RECT, true, VR_OK},
                          {VR_GF_TEXT_BOX, true, 0x1234},
                          {VR_GF_LINE, false, VR_ERR_CODE},
                          {0xDEADBEEFu, true, 0xFFFF}};
    for (const Case &c : cases) {
        probe::reset(c.answer);
        const VR_Point position{17, 23};
        int params = 0;
        const VR_Point *pos = c.withPosition ? &position : nullptr;
        const VR_Status s = d.GraphicFunction(c.code, pos, &params);
        const auto &call = probe::g_log.last;
        expect(probe::g_log.calls == 1, "code %#x: the graphic callback was called %d times, expected once",
               c.code, probe::g_log.calls);
        expect(call.code == c.code, "code %#x reached the callback as %#x", c.code, call.code);
        expect(call.position == pos, "code %#x: the callback got position %p, not the caller's %p", c.code,
               static_cast<const void *>(call.position), static_cast<const void *>(pos));
        expect(call.params == &params, "code %#x: the callback got parameters %p, not the caller's %p",
               c.code, call.params, static_cast<void *>(&params));
        expect(
            call.windowAddress != nullptr && call.window == (VR_Window{3, 4, 50, 60}),
            "code %#x: the callback got window (%u, %u, %u x %u), expected the active window (3, 4, 50 x 60)",
            c.code, call.window.x, call.window.y, call.window.width, call.window.height);
        expect(call.sameThread, "code %#x: the callback ran on another thread than the caller's", c.code);
        expect(s == c.answer, "code %#x: DDrv_GraphicFunction returned %u, the callback %u", c.code,
               unsigned(s), unsigned(c.answer));
    }
    d.DeInitDriver();
}

void nested(const DriverApi &d, const CheckOptions &) {
    bindDriver(d);
    probe::reset(0x0101);
    probe::g_log.nestInto = d.GraphicFunction;
    int params = 0;
    const VR_Status s = d.GraphicFunction(VR_GF_TEXT_BOX, nullptr, &params);
    expect(probe::g_log.calls == 2,
           "a nested DDrv_GraphicFunction reached the callback %d times in all, expected 2",
           probe::g_log.calls);
    expect(probe::g_log.innerStatus == 0x0101, "the nested call returned %u, expected the callback's 257",
           unsigned(probe::g_log.innerStatus));
    expect(s == 0x0101, "the outer call returned %u after a nested one, expected the callback's 257",
           unsigned(s));
    d.DeInitDriver();
}

void windowSetGet(const DriverApi &d, const CheckOptions &) {
    bindDriver(d);
    const VR_DisplayInfo info = displayInfo(d);
    VR_Point p{10, 20};
    VR_Size s{30, 40};
    VR_Status st = d.SetActiveWindow(&p, &s);
    expect(st == VR_OK, "DDrv_SetActiveWindow returned %u, expected 0", unsigned(st));
    VR_Window w = activeWindow(d);
    expect(w == (VR_Window{10, 20, 30, 40}), "set (10, 20, 30 x 40), read (%u, %u, %u x %u)", w.x, w.y,
           w.width, w.height);
    st = d.SetActiveWindow(nullptr, &s);
    expect(st == VR_ERR_DRIVER, "DDrv_SetActiveWindow(null, size) returned %u, expected 258", unsigned(st));
    st = d.SetActiveWindow(&p, nullptr);
    expect(st == VR_ERR_DRIVER, "DDrv_SetActiveWindow(origin, null) returned %u, expected 258", unsigned(st));
    w = activeWindow(d);
    expect(w == (VR_Window{10, 20, 30, 40}),
           "a refused DDrv_SetActiveWindow changed the window to (%u, %u, %u x %u)", w.x, w.y, w.width,
           w.height);
    st = d.GetActiveWindow(nullptr, &s);
    expect(st == VR_ERR_DRIVER, "DDrv_GetActiveWindow(null, size) returned %u, expected 258", unsigned(st));
    st = d.GetActiveWindow(&p, nullptr);
    expect(st == VR_ERR_DRIVER, "DDrv_GetActiveWindow(origin, null) returned %u, expected 258", unsigned(st));

    // Beyond the display: stored as given, the renderer clips.
    p = VR_Point{60000, 60001};
    s = VR_Size{65535, 65534};
    st = d.SetActiveWindow(&p, &s);
    w = activeWindow(d);
    expect(st == VR_OK && w == (VR_Window{60000, 60001, 65535, 65534}),
           "a window beyond the display was not kept as given (status %u, read (%u, %u, %u x %u))",
           unsigned(st), w.x, w.y, w.width, w.height);

    // The pixel functions ignore the active window.
    p = VR_Point{0, 0};
    s = VR_Size{1, 1};
    d.SetActiveWindow(&p, &s);
    const VR_Point corner{uint16_t(info.xSize - 1), uint16_t(info.ySize - 1)};
    const VR_Colour white{0, 255, 255, 255};
    st = d.SetPixel(corner, white);
    expect(st == VR_OK,
           "DDrv_SetPixel(%u, %u) outside a 1 x 1 active window returned %u, expected 0 (clipping is "
           "the renderer's work)",
           corner.x, corner.y, unsigned(st));
    VR_Colour back{};
    st = d.GetPixel(corner, &back);
    expect(st == VR_OK && back.red == 255 && back.green == 255 && back.blue == 255,
           "DDrv_GetPixel(%u, %u) outside the active window did not read the pixel set there", corner.x,
           corner.y);
    d.DeInitDriver();
}

}  // namespace

void addDrawingClauses(std::vector<Clause> &out) {
    out.push_back({"initial-window",
                   "every initialisation sets the active window to (0, 0) and the display info's "
                   "display width and height",
                   initialWindow});
    out.push_back({"no-callback",
                   "without a graphic callback (before initialisation, after one refused for a null "
                   "callback) DDrv_GraphicFunction returns 11 and calls nothing",
                   noCallback});
    out.push_back({"graphic-callback",
                   "DDrv_GraphicFunction calls the graphic callback once on the caller's thread "
                   "with the code, position and parameter address unchanged and the current "
                   "active window, and returns its status unchanged",
                   graphicCallback});
    out.push_back({"nested",
                   "the graphic callback may call DDrv_GraphicFunction again; the inner call reaches the "
                   "callback and both return its status",
                   nested});
    out.push_back({"active-window",
                   "the active window is stored as given, even beyond the display, and read back; "
                   "a null address returns 258 and changes nothing; the pixel functions ignore it",
                   windowSetGet});
}

}  // namespace drvcheck
