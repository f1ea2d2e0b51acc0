#include "fake_driver.h"

#include <cstring>

namespace fake {
namespace {

struct Fake {
    uint16_t w = 320, h = 240;
    std::vector<uint32_t> fb = std::vector<uint32_t>(320 * 240);
    std::vector<bool> touched = std::vector<bool>(320 * 240);
    std::vector<Call> log;
    std::map<Fn, VR_Status> forced;
    VR_Window window{0, 0, 320, 240};
    DDrv_GraphicCallback graphic = nullptr;
    DDrv_HardKeyCallback hardKey = nullptr;
    int depth = 0;
};

Fake &f() {
    static Fake instance;
    return instance;
}

Call &record(Fn fn) {
    Call c{};
    c.fn = fn;
    c.depth = f().depth;
    f().log.push_back(c);
    return f().log.back();
}

VR_Status result(Fn fn, VR_Status normal) {
    auto it = f().forced.find(fn);
    return it == f().forced.end() ? normal : it->second;
}

bool inside(VR_Point p) { return p.x < f().w && p.y < f().h; }

uint32_t toWord(VR_Colour c) {
    uint32_t w;
    std::memcpy(&w, &c, 4);
    return w;
}

}  // namespace

void reset(uint16_t w, uint16_t h) {
    Fake &s = f();
    s.w = w;
    s.h = h;
    s.fb.assign(size_t(w) * h, 0);
    s.touched.assign(size_t(w) * h, false);
    s.log.clear();
    s.forced.clear();
    s.window = VR_Window{0, 0, w, h};
    s.depth = 0;
}

const std::vector<Call> &calls() { return f().log; }
std::vector<Call> callsOf(Fn fn) {
    std::vector<Call> out;
    for (const Call &c : f().log)
        if (c.fn == fn) out.push_back(c);
    return out;
}
size_t count(Fn fn) { return callsOf(fn).size(); }
void clearCalls() { f().log.clear(); }
void forceStatus(Fn fn, VR_Status s) { f().forced[fn] = s; }
uint32_t word(VR_Colour c) { return toWord(c); }
uint32_t pixel(uint16_t x, uint16_t y) { return f().fb[size_t(y) * f().w + x]; }
bool written(uint16_t x, uint16_t y) { return f().touched[size_t(y) * f().w + x]; }
void setPixelDirect(uint16_t x, uint16_t y, uint32_t w) { f().fb[size_t(y) * f().w + x] = w; }
VR_Window activeWindow() { return f().window; }
DDrv_GraphicCallback graphicCallback() { return f().graphic; }
DDrv_HardKeyCallback hardKeyCallback() { return f().hardKey; }

std::string ascii(int x, int y, int w, int h, const std::map<uint32_t, char> &legend) {
    std::string out;
    for (int row = y; row < y + h; ++row) {
        for (int col = x; col < x + w; ++col) {
            if (col < 0 || row < 0 || col >= f().w || row >= f().h || !written(col, row)) {
                out += '.';
                continue;
            }
            auto it = legend.find(pixel(col, row));
            out += it == legend.end() ? '?' : it->second;
        }
        out += '\n';
    }
    return out;
}

}  // namespace fake

using namespace fake;

extern "C" {

DDRV_API VR_Status DDrv_InitDriver(DDrv_GraphicCallback graphic, DDrv_HardKeyCallback hardKey) {
    record(Fn::Init);
    f().graphic = graphic;
    if (!graphic || !hardKey) return result(Fn::Init, VR_ERR_DRIVER);
    f().hardKey = hardKey;
    f().window = VR_Window{0, 0, f().w, f().h};
    return result(Fn::Init, VR_OK);
}

DDRV_API VR_Status DDrv_DeInitDriver(void) {
    record(Fn::DeInit);
    return result(Fn::DeInit, VR_OK);
}

DDRV_API VR_Status DDrv_SetPixel(VR_Point p, VR_Colour c) {
    Call &call = record(Fn::SetPixel);
    call.point = p;
    call.colour = toWord(c);
    if (!inside(p)) return VR_ERR_DRIVER;
    VR_Status s = result(Fn::SetPixel, VR_OK);
    if (s != VR_OK) return s;
    f().fb[size_t(p.y) * f().w + p.x] = toWord(c);
    f().touched[size_t(p.y) * f().w + p.x] = true;
    return VR_OK;
}

DDRV_API VR_Status DDrv_GetPixel(VR_Point p, VR_Colour *out) {
    Call &call = record(Fn::GetPixel);
    call.point = p;
    call.nullArg = out == nullptr;
    if (!out || !inside(p)) return VR_ERR_DRIVER;
    VR_Status s = result(Fn::GetPixel, VR_OK);
    if (s != VR_OK) return s;
    uint32_t w = f().fb[size_t(p.y) * f().w + p.x];
    std::memcpy(out, &w, 4);
    return VR_OK;
}

DDRV_API VR_Status DDrv_SetBL(uint32_t v) {
    record(Fn::SetBL).setting = v;
    return result(Fn::SetBL, VR_ERR_DRIVER_UNSUPPORTED);
}

DDRV_API VR_Status DDrv_GetBL(uint32_t *out) {
    record(Fn::GetBL).nullArg = out == nullptr;
    if (!out) return VR_ERR_DRIVER;
    return result(Fn::GetBL, VR_OK);
}

DDRV_API VR_Status DDrv_GetDisplayInfo(VR_DisplayInfo *info) {
    record(Fn::GetDisplayInfo).nullArg = info == nullptr;
    if (!info) return VR_ERR_DRIVER;
    *info = VR_DisplayInfo{f().w, f().h, f().w, f().h, 8, 8, 8, 0, 0, 2};
    return result(Fn::GetDisplayInfo, VR_OK);
}

DDRV_API VR_Status DDrv_SetOrientation(int32_t o) {
    record(Fn::SetOrientation).setting = uint32_t(o);
    return result(Fn::SetOrientation, VR_OK);
}

DDRV_API VR_Status DDrv_GetVersion(VR_Version *v) {
    record(Fn::GetVersion).nullArg = v == nullptr;
    if (!v) return VR_ERR_DRIVER;
    *v = VR_Version{9, 8, 7};
    return result(Fn::GetVersion, VR_OK);
}

DDRV_API VR_Status DDrv_RefreshDisplay(void) {
    record(Fn::Refresh);
    return result(Fn::Refresh, VR_OK);
}

DDRV_API VR_Status DDrv_RefreshDisplayArea(const VR_Point *origin, const VR_Size *size) {
    Call &c = record(Fn::RefreshArea);
    if (origin) c.point = *origin;
    if (size) c.size = *size;
    c.ptr = size;
    c.nullArg = !origin || !size;
    return result(Fn::RefreshArea, VR_OK);
}

DDRV_API VR_Status DDrv_GraphicFunction(uint32_t code, const VR_Point *pos, void *params) {
    Call &c = record(Fn::Graphic);
    c.code = code;
    if (pos) c.point = *pos;
    c.ptr = params;
    c.nullArg = pos == nullptr;
    if (!f().graphic) return VR_ERR_NO_CALLBACK;
    ++f().depth;
    VR_Status s = f().graphic(code, pos, &f().window, params);
    --f().depth;
    return s;
}

DDRV_API VR_Status DDrv_SetDisplayContrast(uint32_t v) {
    record(Fn::SetContrast).setting = v;
    return result(Fn::SetContrast, VR_OK);
}

DDRV_API VR_Status DDrv_GetDisplayContrast(uint8_t *out) {
    record(Fn::GetContrast).nullArg = out == nullptr;
    if (!out) return VR_ERR_DRIVER;
    *out = 0;
    return result(Fn::GetContrast, VR_OK);
}

DDRV_API VR_Status DDrv_SetDisplayBrightness(uint32_t v) {
    record(Fn::SetBrightness).setting = v;
    return result(Fn::SetBrightness, VR_OK);
}

DDRV_API VR_Status DDrv_GetDisplayBrightness(uint8_t *out) {
    record(Fn::GetBrightness).nullArg = out == nullptr;
    if (!out) return VR_ERR_DRIVER;
    *out = 0;
    return result(Fn::GetBrightness, VR_OK);
}

DDRV_API DDrv_HardKeyCallback DDrv_SetHardKeyCallback(DDrv_HardKeyCallback cb) {
    record(Fn::SetHardKey);
    DDrv_HardKeyCallback old = f().hardKey;
    f().hardKey = cb;
    return old;
}

DDRV_API VR_Status DDrv_SetActiveWindow(const VR_Point *origin, const VR_Size *size) {
    Call &c = record(Fn::SetActiveWindow);
    if (origin) c.point = *origin;
    if (size) c.size = *size;
    c.nullArg = !origin || !size;
    if (!origin || !size) return VR_ERR_DRIVER;
    f().window = VR_Window{origin->x, origin->y, size->width, size->height};
    return result(Fn::SetActiveWindow, VR_OK);
}

DDRV_API VR_Status DDrv_GetActiveWindow(VR_Point *origin, VR_Size *size) {
    record(Fn::GetActiveWindow).nullArg = !origin || !size;
    if (!origin || !size) return VR_ERR_DRIVER;
    *origin = VR_Point{f().window.x, f().window.y};
    *size = VR_Size{f().window.width, f().window.height};
    return result(Fn::GetActiveWindow, VR_OK);
}

}  // extern "C"
