// Hard keys on a real X server (run by run_under_xvfb.sh): xdotool clicks
// the Power button where the board shows it and types keys; the callback
// must see each press and release, at zoom 1 and at zoom 3.
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "DDrv.h"

namespace {

std::mutex g_mutex;
std::condition_variable g_changed;
std::vector<std::pair<uint32_t, uint32_t>> g_keys;

void recordKey(uint32_t key, uint32_t pressed) {
    std::lock_guard lock(g_mutex);
    g_keys.emplace_back(key, pressed);
    g_changed.notify_all();
}

VR_Status noGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return 0; }

std::string run(const std::string &command) {
    std::string out;
    if (FILE *pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) out += buffer;
        pclose(pipe);
    }
    return out;
}

bool windowPosition(int &x, int &y) {
    const std::string info = run("xwininfo -name 'Vantrel Simu' 2>/dev/null");
    const auto ax = info.find("Absolute upper-left X:");
    const auto ay = info.find("Absolute upper-left Y:");
    if (ax == std::string::npos || ay == std::string::npos) return false;
    x = std::atoi(info.c_str() + ax + 22);
    y = std::atoi(info.c_str() + ay + 22);
    return true;
}

// The keys seen once n have come or five seconds passed.
std::vector<std::pair<uint32_t, uint32_t>> keysAfter(size_t n) {
    std::unique_lock lock(g_mutex);
    g_changed.wait_for(lock, std::chrono::seconds(5), [n] { return g_keys.size() >= n; });
    return std::exchange(g_keys, {});
}

int failures = 0;
void expect(const std::vector<std::pair<uint32_t, uint32_t>> &want, const char *what, int zoom) {
    const auto got = keysAfter(want.size());
    const bool ok = got == want;
    std::printf("%s zoom %d: %s (", ok ? "ok  " : "FAIL", zoom, what);
    for (const auto &[key, pressed] : got) std::printf(" %u/%u", key, pressed);
    std::printf(" )\n");
    failures += !ok;
}

bool checkAtZoom(int zoom) {
    setenv("LUMISIM_ZOOM", std::to_string(zoom).c_str(), 1);
    if (DDrv_InitDriver(noGraphic, recordKey) != 0) {
        std::puts("FAIL DDrv_InitDriver");
        return false;
    }
    int wx = 0, wy = 0;
    bool found = false;
    for (int tries = 0; tries < 30 && !(found = windowPosition(wx, wy)); ++tries) usleep(100000);
    if (!found) {
        std::puts("FAIL no window named \"Vantrel Simu\" on the screen");
        return false;
    }
    // The middle of the Power key of the 400 x 380 board: (10..194, 312..336).
    const int px = wx + zoom * 102, py = wy + zoom * 324;
    run("xdotool mousemove " + std::to_string(px) + " " + std::to_string(py) + " mousedown 1");
    expect({{VR_KEY_POWER, 1}}, "mouse down on Power presses it", zoom);
    run("xdotool mouseup 1");
    expect({{VR_KEY_POWER, 0}}, "mouse up releases it", zoom);
    // Keys go to the window under the pointer, and to the focused one.
    run("xdotool search --name 'Vantrel Simu' windowfocus --sync 2>/dev/null; xdotool key p Up Return "
        "Escape");
    expect({{VR_KEY_POWER, 1},
            {VR_KEY_POWER, 0},
            {VR_KEY_UP, 1},
            {VR_KEY_UP, 0},
            {VR_KEY_ENTER, 1},
            {VR_KEY_ENTER, 0},
            {VR_KEY_BACK, 1},
            {VR_KEY_BACK, 0}},
           "typed p, Up, Return, Escape", zoom);
    DDrv_DeInitDriver();
    return true;
}

}  // namespace

int main() {
    for (int zoom : {1, 3})
        if (!checkAtZoom(zoom)) return 1;
    return failures ? 1 : 0;
}
