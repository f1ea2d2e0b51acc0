// The frame-buffer driver's pixel path through the library: a clear and a
// full-screen rectangle at 320 x 240 on the stand-in device, at 16 and 32
// bits, beside the per-pixel floor measured in the same run. Run it with the
// stand-in preloaded:
//   LD_PRELOAD=./libfb_standin.so ./fbdev_bench
// Update mode manual throughout, so no refresh is counted. Every benchmark
// reports "per_px", the time per pixel drawn.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include "../../driver/fbdev/tests/fb_standin.h"
#include "VRLib.h"
#include "floor.h"

namespace {

constexpr uint16_t kWidth = 320, kHeight = 240;

void noKey(uint32_t, uint32_t) {}

void perPixel(benchmark::State &state) {
    state.counters["per_px"] = benchmark::Counter(double(kWidth) * kHeight * double(state.iterations()),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Binds the library to a fresh stand-in device of the given depth; false
// when the stand-in is not preloaded or the driver refuses it.
bool bindDepth(uint32_t bitsPerPixel) {
    static uint32_t bound = 0;
    if (bound == bitsPerPixel) return true;
    auto configure =
        reinterpret_cast<decltype(&fb_standin_configure)>(dlsym(RTLD_DEFAULT, "fb_standin_configure"));
    if (configure == nullptr) return false;
    VR_DeInitVRLib();
    const FbStandinConfig config{nullptr, bitsPerPixel, kWidth, kHeight, 0, 0, 0, nullptr};
    configure(&config);
    if (VR_InitVRLib(noKey) != VR_OK || VR_SetUpdateMode(VR_UPDATE_MANUAL) != VR_OK) return false;
    bound = bitsPerPixel;
    return true;
}

void BM_FbdevClear(benchmark::State &state) {
    if (!bindDepth(uint32_t(state.range(0))))
        return state.SkipWithError("run with LD_PRELOAD=libfb_standin.so");
    VR_SetBkColor(VR_Colour{0, 1, 2, 3});
    for (auto _ : state) benchmark::DoNotOptimize(VR_ClearScreen());
    perPixel(state);
}
BENCHMARK(BM_FbdevClear)->Arg(16)->Arg(32);

void BM_FbdevRect(benchmark::State &state) {
    if (!bindDepth(uint32_t(state.range(0))))
        return state.SkipWithError("run with LD_PRELOAD=libfb_standin.so");
    const VR_Point origin{0, 0};
    const VR_RectParams rect{kWidth, kHeight, {0, 255, 0, 0}, {0, 0, 0, 255}, {0, 255, 255, 255},
                             2,      0,       VR_FILL_CHECKER};
    for (auto _ : state) benchmark::DoNotOptimize(VR_DrawRect(&origin, &rect));
    perPixel(state);
}
BENCHMARK(BM_FbdevRect)->Arg(16)->Arg(32);

// The floor: the same pixels through one out-of-line call each into a
// separate library with the simulator's bounds test and a 32-bit store.
VR_Status floorFill(VR_Colour c) {
    for (uint32_t y = 0; y < kHeight; ++y)
        for (uint32_t x = 0; x < kWidth; ++x)
            if (const VR_Status s = floor_set_pixel(VR_Point{uint16_t(x), uint16_t(y)}, c)) return s;
    return VR_OK;
}

void BM_Floor(benchmark::State &state) {
    floor_init(kWidth, kHeight);
    const VR_Colour c{0, 1, 2, 3};
    for (auto _ : state) benchmark::DoNotOptimize(floorFill(c));
    perPixel(state);
}
BENCHMARK(BM_Floor);

}  // namespace
