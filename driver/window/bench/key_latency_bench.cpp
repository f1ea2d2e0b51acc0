// Key latency on a real X server: from the key event the X server is sent
// (XTest) to the entry of the application's hard-key callback, through the
// server, Qt's event loop on the GUI thread and the driver's key thread.
// Median and 99th percentile of presses and releases alike.
//   xvfb-run -a -s "-screen 0 1024x768x24" bin/key_latency_bench
// Run from the folder holding Board_320_240.bmp and Lumisim.ini (bin/).
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <vector>

#include "DDrv.h"

namespace {

using Clock = std::chrono::steady_clock;

std::mutex g_mutex;
std::condition_variable g_arrived;
uint32_t g_events = 0;
Clock::time_point g_at;

void stampKey(uint32_t, uint32_t) {
    const Clock::time_point now = Clock::now();
    std::lock_guard lock(g_mutex);
    g_at = now;
    ++g_events;
    g_arrived.notify_all();
}

VR_Status noGraphic(uint32_t, const VR_Point *, const VR_Window *, void *) { return 0; }

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

void BM_KeyLatency(benchmark::State &state) {
    Display *x = XOpenDisplay(nullptr);
    if (!x) {
        state.SkipWithError("no X server (run under xvfb-run)");
        return;
    }
    if (DDrv_InitDriver(noGraphic, stampKey) != 0) {
        state.SkipWithError("DDrv_InitDriver failed (run from the folder with Board_320_240.bmp)");
        XCloseDisplay(x);
        return;
    }
    // The window takes the keyboard: focused, with the pointer on it.
    if (std::system(
            "xdotool search --name 'Vantrel Simu' windowfocus --sync mousemove --window %1 200 150") != 0) {
        state.SkipWithError("cannot focus the window with xdotool");
        DDrv_DeInitDriver();
        XCloseDisplay(x);
        return;
    }
    const KeyCode up = XKeysymToKeycode(x, XK_Up);
    std::vector<double> samples;
    bool pressed = false;
    for (auto _ : state) {
        pressed = !pressed;
        std::unique_lock lock(g_mutex);
        const uint32_t before = g_events;
        const Clock::time_point sent = Clock::now();
        XTestFakeKeyEvent(x, up, pressed, CurrentTime);
        XFlush(x);
        if (!g_arrived.wait_for(lock, std::chrono::seconds(2), [&] { return g_events != before; })) {
            state.SkipWithError("a key did not arrive within 2 s");
            break;
        }
        const double seconds = std::chrono::duration<double>(g_at - sent).count();
        samples.push_back(seconds);
        state.SetIterationTime(seconds);
    }
    if (pressed) {
        XTestFakeKeyEvent(x, up, False, CurrentTime);
        XFlush(x);
    }
    if (!samples.empty()) {
        state.counters["median_ms"] = percentile(samples, 0.5) * 1e3;
        state.counters["p99_ms"] = percentile(samples, 0.99) * 1e3;
    }
    DDrv_DeInitDriver();
    XCloseDisplay(x);
}
BENCHMARK(BM_KeyLatency)->UseManualTime()->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace
